// The real zelvanu.exe, driven from another process as a user would drive it: started with the
// working shown (/working), type 1 1/2 + 2/3, calculate and read 2 1/6 and the working's lines;
// empty a numerator and read the message box; open the version box; quit with the quit button, and
// the program must end by itself with status 0. Started without the option as a shortcut set to
// "minimised" starts it, it starts as an icon, the working off.
//   win_end_to_end PATH\TO\zelvanu.exe

#include "win/control_ids.h"
#include "zelvanu_version.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using zelvanu::win::controlId;

HWND g_window = nullptr;
int g_failures = 0;

void check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    g_failures += !ok;
}

template <typename Found> auto waitFor(Found found) {
    for (int i = 0; i < 200; ++i) {
        if (auto value = found())
            return value;
        Sleep(50);
    }
    return decltype(found()){};
}

std::wstring textOf(HWND hwnd) {
    wchar_t buffer[256] = {};
    SendMessageW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

HWND control(const char* name) {
    return GetDlgItem(g_window, controlId(name));
}

void type(const char* box, const wchar_t* text) {
    SendMessageW(control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (const wchar_t* c = text; *c; ++c)
        PostMessageW(control(box), WM_CHAR, *c, 1);
}

// The message box the window owns, once it is shown.
HWND ownedBox() {
    return waitFor([] {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)))
            if (GetWindow(box, GW_OWNER) == g_window && IsWindowVisible(box))
                return box;
        return HWND{};
    });
}

std::wstring readAndCloseBox() {
    HWND box = ownedBox();
    if (!box)
        return L"(no box)";
    const std::wstring text = textOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitFor([box] { return !IsWindow(box); });
    return text;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    std::wstring program = argv[1];
    if (program.starts_with(L"/")) // a Unix path from CTest: Wine shows the root as Z:
        program = L"Z:" + program;
    for (wchar_t& c : program)
        if (c == L'/')
            c = L'\\';

    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\" /Working";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &start, &process)) {
        std::printf("FAIL: cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    WaitForInputIdle(process.hProcess, 10000);
    // Shown only once all its controls are there.
    g_window = waitFor([] {
        HWND window = FindWindowW(L"ZelvanuForm1", L"Zelvanu");
        return window && IsWindowVisible(window) ? window : HWND{};
    });
    check(g_window != nullptr, "the window opens, titled Zelvanu");
    if (!g_window) {
        TerminateProcess(process.hProcess, 1);
        return 1;
    }

    type("Text5", L"1");
    type("Text3", L"1");
    type("Text1", L"2");
    type("Text4", L"2");
    type("Text2", L"3");
    waitFor([] { return textOf(control("Text2")) == L"3"; });
    PostMessageW(control("Command1"), BM_CLICK, 0, 0);
    waitFor([] { return !textOf(control("Label1")).empty(); });
    check(textOf(control("Label5")).empty() && textOf(control("Label6")) == L"2" &&
              textOf(control("Label2")) == L"1" && textOf(control("Label1")) == L"6",
          "1 1/2 + 2/3 shows 2 1/6");
    check(IsWindowVisible(control("PicWorking")) && waitFor([] {
              return textOf(GetWindow(control("PicWorking"), GW_CHILD)) ==
                     L"1 と 2分の1 たす 3分の2";
          }),
          "started with /Working, the working shows below the buttons");

    type("Text3", L"");
    PostMessageW(control("Command1"), BM_CLICK, 0, 0);
    check(readAndCloseBox() == L"数値を入れてください", "an empty numerator brings its message");
    check(textOf(control("Label1")).empty(), "and leaves the result blank");

    PostMessageW(g_window, WM_COMMAND, controlId("MenVer"), 0);
    check(readAndCloseBox().starts_with(L"Zelvanuver" ZELVANU_VERSION_STRING L"\r\n"),
          "the version box");

    PostMessageW(control("Command3"), BM_CLICK, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    check(ended && status == 0, "the quit button ends the program with status 0");
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    // Started as a shortcut set to "minimised" starts it, the window starts as an icon.
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOWMINNOACTIVE;
    command = L"\"" + program + L"\"";
    if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &start, &process)) {
        HWND window = waitFor([] {
            HWND w = FindWindowW(L"ZelvanuForm1", L"Zelvanu");
            return w && IsWindowVisible(w) ? w : HWND{};
        });
        check(window && IsIconic(window), "started minimised, the window is an icon");
        check(window &&
                  !(GetWindowLongPtrW(GetDlgItem(window, controlId("PicWorking")), GWL_STYLE) &
                    WS_VISIBLE),
              "started without the option, the working is off");
        if (window)
            PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        check(false, "started minimised, the window is an icon");
    }
    return g_failures == 0 ? 0 : 1;
}
