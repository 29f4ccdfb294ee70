#include "win/message_boxes.h"

namespace zelvanu::win {

std::wstring withCrLf(const std::wstring& text) {
    std::wstring lines;
    lines.reserve(text.size() + 4);
    for (wchar_t c : text) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    return lines;
}

void SystemMessageBoxes::show(HWND owner, const std::wstring& text, const std::wstring& title,
                              MessageIcon icon) {
    const UINT style = icon == MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(owner, withCrLf(text).c_str(), title.c_str(), MB_OK | style);
}

} // namespace zelvanu::win
