// Start-up benchmark of the Windows program against two floors, side by side in the same Wine or
// Windows: a bare window with one Japanese label, and the program's window built bare (the
// same controls, menus and fonts, hard-coded). It times the time from starting the process until
// its window is shown, painted (both programs paint before they enter their message loop) and
// answering messages; then the window is closed and the process must end. Runs alternate so that
// all see the same warm caches. Under Wine a start right after the previous program's exit is
// slower by about 40 ms, which a fixed order laid on the first program of each round alone: each
// run waits for the system to settle, and each round starts with the next program. The window
// counts as answering once the program waits for input with its window shown and a message sent
// to it comes back.
//   win_startup RUNS PROGRAM.exe FLOOR.exe FULL_FLOOR.exe
// Prints the minimum, median and maximum of each, in milliseconds, and the ratios.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Target {
    std::wstring path;
    const wchar_t* windowClass;
    const wchar_t* name;
    std::vector<double> ms;
};

std::wstring windowsPath(std::wstring path) {
    if (path.starts_with(L"/")) // a Unix path under Wine
        path = L"Z:" + path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

bool measure(Target& target) {
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + target.path + L"\"";
    const auto begin = std::chrono::steady_clock::now();
    if (!CreateProcessW(target.path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &start, &process))
        return false;
    // Until the program first waits for input, having built and painted its window: a poll
    // every millisecond would take the processor from the program it times.
    WaitForInputIdle(process.hProcess, 20000);
    HWND window = nullptr;
    for (;;) {
        window = FindWindowW(target.windowClass, nullptr);
        DWORD_PTR answer;
        if (window && IsWindowVisible(window) &&
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer))
            break;
        if (std::chrono::steady_clock::now() - begin > std::chrono::seconds(20)) {
            std::printf("no window within 20 s\n");
            TerminateProcess(process.hProcess, 1);
            return false;
        }
        Sleep(1);
    }
    target.ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
            .count());
    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended) {
        std::printf("the program did not end after WM_CLOSE\n");
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The desktop and Wine's services settle after a window and its process go; the next start
    // would pay for what they still do.
    Sleep(250);
    return ended;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5)
        return 2;
    const int runs = std::max(1, _wtoi(argv[1]));
    Target program{windowsPath(argv[2]), L"ZelvanuForm1", L"zelvanu.exe", {}};
    Target floor{windowsPath(argv[3]), L"ZelvanuFloor", L"bare window with a Japanese label", {}};
    Target full{windowsPath(argv[4]), L"ZelvanuFullFloor", L"same window built bare", {}};
    Target* const order[] = {&program, &full, &floor};
    for (int i = 0; i <= runs; ++i) // the first round only warms the caches
        for (int k = 0; k < 3; ++k) {
            Target* target = order[(i + k) % 3];
            if (!measure(*target)) {
                std::printf("a run of %ls failed\n", target->path.c_str());
                return 1;
            }
            if (i == 0)
                target->ms.clear();
        }
    std::printf("%d runs of each, alternating:\n", runs);
    for (const Target* target : {&program, &full, &floor}) {
        const auto [least, most] = std::minmax_element(target->ms.begin(), target->ms.end());
        std::printf("  %-36ls min %6.1f ms  median %6.1f ms  max %6.1f ms\n", target->name, *least,
                    median(target->ms), *most);
    }
    const auto least = [](const Target& t) {
        return *std::min_element(t.ms.begin(), t.ms.end());
    };
    for (const Target* against : {&floor, &full})
        std::printf("against the %ls: ratio of medians %.2f, of minimums %.2f\n", against->name,
                    median(program.ms) / median(against->ms), least(program) / least(*against));
    return 0;
}
