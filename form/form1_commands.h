#pragma once
// The window's five commands, written once for every front end: calculate, clear, quit (button
// and menu item) and the version box. They own the calculation record through the Calculator
// and reach the window only through FormWindow. An arithmetic fault stops here, at the one
// boundary: the user is told its kind and number and the program keeps running.

#include "form/form_window.h"
#include "kernel/calculator.h"

#include <string_view>

namespace zelvanu {

class Form1Commands {
public:
    // The window must outlive the commands.
    explicit Form1Commands(FormWindow& window) : m_window(window) {}

    // Blanks the result, calculates from the six boxes and shows the answer or a message box.
    void calculate();
    // Empties the six boxes and the result; the calculation record keeps its values.
    void clear();
    // Closes the window without asking.
    void quit();
    void showVersion();
    // The command behind a click on the control or menu item with this design name (Command1
    // calculates, Command2 clears, Command3 and MenEnd quit, MenVer shows the version); false,
    // doing nothing, for any other name. For front ends that hand clicks over by name.
    bool click(std::string_view controlName);

    const CalcState& calcState() const { return m_calculator.state(); }

private:
    void blankResult();

    FormWindow& m_window;
    Calculator m_calculator;
};

} // namespace zelvanu
