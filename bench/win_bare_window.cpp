// The floor for the Windows start-up benchmark: the textbook bare Win32 window (the system's
// icon and arrow cursor) of the program's size with one Japanese label, built with the same flags
// and nothing else. The first Japanese text drawn maps a CJK font, which any window of this
// program pays for.

#include "win_floor.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    zelvanu::bench::registerFloorClass(instance, L"ZelvanuFloor");
    HWND window = CreateWindowExW(0, L"ZelvanuFloor", L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 448, 250, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"計算", WS_CHILD | WS_VISIBLE, 10, 10, 80, 20, window, nullptr,
                    instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
