#pragma once
// The window's working area (途中の式): a child window below the buttons that paints the working
// of the last calculation, one line a step from the top, each line placed by the shared layout
// (form/working_layout.h) in the font the area is given (WM_SETFONT: the boxes' font) and in the
// system's window colours, the step's name softer. Each line is a child window of its own whose
// text is the line's spoken text, so that a screen reader reaches every line; neither the area
// nor a line ever takes the focus. When the area shows, and the names screen readers are given,
// are the window's business.

#include "form/form1_working.h"
#include "form/working_layout.h"

#include <windows.h>

#include <vector>

namespace zelvanu::win {

class WorkingArea {
public:
    WorkingArea() = default;
    WorkingArea(const WorkingArea&) = delete;
    WorkingArea& operator=(const WorkingArea&) = delete;

    // Creates the area, hidden, as the child `id` of `parent` at `place`; it is destroyed with
    // the parent.
    void create(HWND parent, int id, const RECT& place, HINSTANCE instance);
    HWND hwnd() const { return m_hwnd; }

    // Replaces the lines; none empties the area.
    void setLines(const std::vector<WorkingText>& lines);
    // The window of each line, top to bottom; those past the lines shown are hidden.
    const std::vector<HWND>& lineWindows() const { return m_lineWindows; }

private:
    template <typename Owner> friend LRESULT CALLBACK windowProcedureOf(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Measures the lines in the font and places their windows down the area.
    void layOut();
    void paintLine(const DRAWITEMSTRUCT& item) const;

    HWND m_hwnd = nullptr;
    HINSTANCE m_instance = nullptr;
    HFONT m_font = nullptr; // the caller's
    std::vector<WorkingText> m_lines;
    std::vector<WorkingLineLayout> m_layouts; // by line
    std::vector<HWND> m_lineWindows;          // created as lines are first needed, kept
};

} // namespace zelvanu::win
