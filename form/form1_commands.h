#pragma once
// The window's commands, written once for every front end: calculate, clear, quit and the
// version box, and which of them a click on a button or menu item runs (the table's command
// column). They own the calculation record through the Calculator and reach the window only
// through FormWindow. An arithmetic fault stops here, at the one boundary: the user is told its
// kind and number, the working shows how far the calculation got, and the program keeps running.

#include "form/form_window.h"
#include "kernel/calculator.h"

#include <string_view>

namespace zelvanu {

// How a teacher opens the window with the working shown: the desktop programs' option
// (--working) and the page's address (#working).
inline constexpr std::string_view kWorkingSwitch = "working";

class Form1Commands {
public:
    // The window must outlive the commands.
    explicit Form1Commands(FormWindow& window) : m_window(window) {}

    // Every front end's one path for a click: runs the command of the button or menu item with
    // this design name ("Command1", "MenVer"); false, doing nothing, for any other name.
    bool click(std::string_view controlName);

    // Blanks the result, calculates from the six boxes and shows the answer or a message box.
    void calculate();
    // Empties the six boxes and the result; the calculation record keeps its values.
    void clear();
    // Closes the window without asking.
    void quit();
    void showVersion();
    // Turns the working (途中の式) on or off; it is off when the window opens.
    void showWorking(bool shown);
    bool workingShown() const { return m_workingShown; }

    const CalcState& calcState() const { return m_calculator.state(); }

private:
    void blankResult();
    void setResult(ControlId label, std::string_view text);
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon);

    FormWindow& m_window;
    Calculator m_calculator;
    bool m_workingShown = false;
};

} // namespace zelvanu
