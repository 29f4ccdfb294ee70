#pragma once
// The narrow view of the main window that its commands work through: read and write a box,
// write a result label, show a modal message box, tell a screen reader the answer, close. Each
// front end implements it on its toolkit and decides nothing else; the commands (Form1Commands)
// are written once against it, and every text and spoken name it is handed is final. Texts are
// UTF-8, and lines in them end with a line feed.

#include "form/form1_controls.h"

#include <string>
#include <string_view>

namespace zelvanu {

enum class MessageIcon { Critical, Information };

class FormWindow {
public:
    virtual ~FormWindow() = default;

    // `box` is one of the text boxes (ControlKind::TextBox).
    virtual std::string text(ControlId box) const = 0;
    virtual void setText(ControlId box, std::string_view text) = 0;
    // `label` is one of the result labels; the empty text blanks it. `spokenName` is what a
    // screen reader calls it from now on: its role, then what it shows (spokenLabel).
    virtual void setCaption(ControlId label, std::string_view text,
                            std::string_view spokenName) = 0;
    // Modal, OK only; returns when the user has closed it, or at once where the platform
    // cannot wait, as long as the box keeps the window from input until it closes.
    virtual void showMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    // The whole answer as one phrase for a screen reader (spokenAnswer), or empty when no answer
    // is shown.
    virtual void announceAnswer(std::string_view phrase) = 0;
    // Closes the window, which ends the program.
    virtual void unload() = 0;
};

} // namespace zelvanu
