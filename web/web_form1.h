#pragma once
// The program's window in the browser: the page's elements, which carry the design names as
// their ids (Text1, Label2, ...), seen through FormWindow so that the shared commands run
// unchanged. It reads and writes the elements, opens the page's modal dialog and writes the
// working's lines as markup; the markup of the window, the menus and the keys are the page's
// own, and nothing here decides what a command does.

#include "form/form1_commands.h"
#include "form/form_window.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvanu::web {

class WebForm1 final : private FormWindow {
public:
    WebForm1() : m_commands(*this) {}

    // A click on the control or menu item with this design name, from the page.
    void click(std::string_view controlName) { m_commands.click(controlName); }
    // The page's address names what the window opens with: the fragment after "#", on start
    // and whenever it changes. kWorkingSwitch shows the working; anything else hides it.
    void openAt(std::string_view fragment);

private:
    std::string text(ControlId box) const override;
    void setText(ControlId box, std::string_view text) override;
    void setCaption(ControlId label, std::string_view text, std::string_view spokenName) override;
    // Opens the dialog and returns at once: the page cannot wait for the user. Every command
    // ends with its box, and the dialog keeps the rest of the page from input until it closes.
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    void announceAnswer(std::string_view phrase) override;
    void setWorking(const std::vector<WorkingText>& lines) override;
    void showWorkingArea(bool shown) override;
    void unload() override;
    void writeWorking() const;

    Form1Commands m_commands;
    std::vector<WorkingText> m_working; // the last lines, written while the area shows
};

} // namespace zelvanu::web
