#pragma once
// The window class of windows that each belong to a C++ object, and its window procedure: the
// object is the creation parameter (CreateWindowExW's last argument), kept with the window from
// WM_NCCREATE until WM_NCDESTROY, and given every message through its handle(); messages that
// come before it is known go to the default procedure. The object's m_hwnd follows the window.

#include <windows.h>

namespace zelvanu::win {

template <typename Owner>
LRESULT CALLBACK windowProcedureOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

// Registers the class `name` of Owner's windows, with the arrow cursor, a background of the
// system colour `background` (COLOR_*) and the icon, if any. A second window of the class in the
// same process finds it registered.
template <typename Owner>
void registerWindowClass(HINSTANCE instance, const wchar_t* name, int background,
                         HICON icon = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProcedureOf<Owner>;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

} // namespace zelvanu::win
