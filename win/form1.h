#pragma once
// The program's only window on Windows: the same design as everywhere, built from the shared
// table of controls with standard controls (Edit boxes, Static labels, push buttons, a menu bar),
// scaled to the DPI of the screen it is on, and rescaled when it moves to another; below the
// buttons, the working area while the working is turned on. Every click goes to the shared
// commands, which read and write the window through FormWindow; the window procedure only
// dispatches. Destroying the window ends the message loop and so the program.

#include "form/form1_commands.h"
#include "form/form1_controls.h"
#include "form/form_window.h"
#include "win/accessibility.h"
#include "win/fonts.h"
#include "win/working_area.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace zelvanu::win {

class MessageBoxes;

class Form1 final : private FormWindow {
public:
    // The boxes must outlive the window. The window is created hidden.
    Form1(HINSTANCE instance, MessageBoxes& boxes);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND hwnd() const { return m_hwnd; }
    // The control with the design name ("Text5", "Label1", "Command1"), or nullptr; the bars
    // are painted by the window and have none.
    HWND control(std::string_view name) const;
    HWND control(ControlId id) const { return m_controls[static_cast<std::size_t>(id)]; }
    HWND answer() const { return m_answer; }
    UINT dpi() const { return m_dpi; }
    const Fonts& fonts() const { return m_fonts; }
    const Accessibility& accessibility() const { return m_accessibility; }
    const CalcState& calcState() const { return m_commands.calcState(); }
    // Turns the working on or off, as its menu item does; the program's start option calls it.
    void showWorking(bool shown) { m_commands.showWorking(shown); }

    // Shows and paints the window; once the loop runs, screen readers get its names.
    void show(int how);
    // The keys a dialog handles: Tab and Shift+Tab move the focus in the design's order, Enter
    // presses the focused button, Enter and Esc in a box do nothing. Call with every message
    // before dispatching it; true when it was handled here.
    bool preTranslate(MSG& msg);
    // Runs the message loop until the window is gone; returns the program's exit status. A
    // window that could not be created is reported in a message box instead, with status 1.
    int run();

private:
    template <typename Owner> friend LRESULT CALLBACK windowProcedureOf(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    // The menu bar with its menus, for the window to be created with.
    static HMENU createMenus();
    // A control's place in pixels at the window's DPI; the answer region spans the result.
    RECT pixels(const Rect& twips) const;
    RECT answerRect() const;
    void setFont(const Control& c) const;
    // Places the window, its controls and fonts for a new DPI; `topLeft` puts the window there.
    void applyDpi(UINT dpi, const POINT* topLeft);
    // Sizes the window around a client area of the designed size, with the working area while it
    // shows, at `topLeft` if given.
    void fitWindow(const POINT* topLeft);
    void paintBars(HDC dc) const;
    // Names every control for screen readers, keeping the names an answer has given already
    // (setCaption), and reaches the service that gives them.
    void describeForScreenReaders();
    void onCommand(int id);

    // FormWindow: the controls' texts through the W functions, boxes through MessageBoxes,
    // the answer through the live region, the working through its area, unload by destroying
    // the window.
    void unload() override;
    std::string text(ControlId box) const override;
    void setText(ControlId box, std::string_view text) override;
    void setCaption(ControlId label, std::string_view text, std::string_view spokenName) override;
    void announceAnswer(std::string_view phrase) override;
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    void setWorking(const std::vector<WorkingText>& lines) override;
    void showWorkingArea(bool shown) override;

    HINSTANCE m_instance;
    MessageBoxes& m_boxes;
    HWND m_hwnd = nullptr;
    DWORD m_creationError = 0; // why there is no window, if there is none
    // Below the result labels, spanning them; draws nothing. Its name is the whole answer.
    HWND m_answer = nullptr;
    // Where the focus goes back to when the window is activated again.
    HWND m_lastFocus = nullptr;
    std::array<HWND, kControls.size()> m_controls{}; // by ControlId
    UINT m_dpi = 96;
    Fonts m_fonts;
    WorkingArea m_working;
    Accessibility m_accessibility;
    Form1Commands m_commands{*this};
};

} // namespace zelvanu::win
