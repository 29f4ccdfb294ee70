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

// A lone carriage return ends a line in the program's texts; a box breaks lines at CR LF, so
// each lone one gets its line feed.
std::wstring withLineBreaks(const std::wstring& text);

} // namespace zelvanu::win
