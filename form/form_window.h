#pragma once
// The narrow view of the main window that its commands work through: read and write a box,
// write a result label, show a modal message box, tell a screen reader the answer, draw the
// working and show or hide its area, close. Each front end implements it on its toolkit and
// decides nothing else; the commands (Form1Commands) are written once against it, and every text
// and spoken name it is handed is final. Texts are UTF-8, and lines in them end with a line feed.

#include "form/form1_controls.h"
#include "form/form1_working.h"

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
    // The working of the last calculation for the working area, replacing what it held; none
    // empties it. Each line is drawn as it is given, and a screen reader reads it by its spoken
    // text. The lines are handed over whether or not the area shows.
    virtual void setWorking(const std::vector<WorkingText>& lines) = 0;
    // Shows the working area below the buttons, the window growing to hold it, or hides it, the
    // window back at the design's size; the working menu item's check mark follows. The designed
    // controls keep their places and the focus stays where it is.
    virtual void showWorkingArea(bool shown) = 0;
    // Closes the window, which ends the program.
    virtual void unload() = 0;
};

} // namespace zelvanu
