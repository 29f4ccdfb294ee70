#include "win/message_boxes.h"

namespace zelvanu::win {

std::wstring withLineBreaks(const std::wstring& text) {
    std::wstring broken;
    broken.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        broken += text[i];
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n'))
            broken += L'\n';
    }
    return broken;
}

void SystemMessageBoxes::show(HWND owner, const std::wstring& text, const std::wstring& title,
                              MessageIcon icon) {
    const UINT style = icon == MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(owner, withLineBreaks(text).c_str(), title.c_str(), MB_OK | style);
}

} // namespace zelvanu::win
