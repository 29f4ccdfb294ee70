#pragma once
// Modal message boxes owned by the window, with an OK button only; the answer is never used. The
// window talks to the MessageBoxes interface so that tests can record boxes instead of blocking
// on them. This layer decides nothing about what a box says.

#include "form/form_window.h"

#include <windows.h>

#include <string>

namespace zelvanu::win {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns when the user has closed it.
    virtual void show(HWND owner, const std::wstring& text, const std::wstring& title,
                      MessageIcon icon) = 0;
};

// The real boxes, MessageBoxW.
class SystemMessageBoxes final : public MessageBoxes {
public:
    void show(HWND owner, const std::wstring& text, const std::wstring& title,
              MessageIcon icon) override;
};

// The system's own description of an error code, in the user's language, without the line
// break it ends with; "エラー" and the number where the system has none.
std::wstring systemErrorText(DWORD error);

// Windows' texts end their lines with CR LF: each line feed of the window's texts gets its
// carriage return.
std::wstring withCrLf(const std::wstring& text);

} // namespace zelvanu::win
