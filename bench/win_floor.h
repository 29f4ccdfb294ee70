#pragma once
// What the two floors of the Windows start-up benchmark share, so that they differ only in the
// window they build: the textbook window class (the system's icon and arrow cursor, the face
// colour) and a window procedure that only ends the loop when the window goes.

#include <windows.h>

namespace zelvanu::bench {

inline LRESULT CALLBACK floorProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Registers the class under the name, with the procedure.
inline void registerFloorClass(HINSTANCE instance, const wchar_t* name,
                               WNDPROC procedure = floorProcedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));     // IDI_APPLICATION
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

} // namespace zelvanu::bench
