#pragma once
// The window procedure of a window class whose windows each belong to a C++ object: the object
// is the creation parameter (CreateWindowExW's last argument), kept with the window from
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

} // namespace zelvanu::win
