// Reads a message box that another program shows, as a user would see it: waits for a visible
// dialog box with a message text, writes its title and its text as UTF-8 lines to standard
// output, and closes it with OK. Used by the package check to read the installer's refusal.
//   message_box_text

#include <windows.h>

#include <string>

namespace {

constexpr int kMessageTextId = 0xFFFF; // the static that holds a message box's text

std::wstring textOf(HWND hwnd) {
    wchar_t buffer[1024] = {};
    SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

HWND shownMessageBox() {
    HWND box = nullptr;
    while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)))
        if (IsWindowVisible(box) && GetDlgItem(box, kMessageTextId))
            return box;
    return nullptr;
}

void writeUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

} // namespace

int wmain() {
    for (int i = 0; i < 400; ++i, Sleep(50))
        if (HWND box = shownMessageBox()) {
            writeUtf8(textOf(box) + L"\n" + textOf(GetDlgItem(box, kMessageTextId)) + L"\n");
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
    writeUtf8(L"no message box within 20 s\n");
    return 1;
}
