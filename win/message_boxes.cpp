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

std::wstring systemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"エラー " + std::to_wstring(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

void SystemMessageBoxes::show(HWND owner, const std::wstring& text, const std::wstring& title,
                              MessageIcon icon) {
    const UINT style = icon == MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(owner, withCrLf(text).c_str(), title.c_str(), MB_OK | style);
}

} // namespace zelvanu::win
