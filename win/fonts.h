#pragma once
// The window's fonts at one DPI. The "+", "=" and sign labels use the design font at their own
// sizes; where that family is not installed (it is an optional feature of non-Japanese Windows),
// an installed Japanese proportional family stands in, chosen here rather than by the font
// mapper. Labels and buttons use the default font, the system's message font; the boxes use the
// same family, made smaller where needed until each box shows its widest value (-32768 in a
// whole-part box, 32767 in a fraction box) whole, inside its margins and with the caret after
// it.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace zelvanu::win {

class Fonts {
public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts();

    // Creates the fonts for the DPI, replacing any earlier ones (the controls must be given the
    // new ones). `window` is used to measure text.
    void create(HWND window, UINT dpi);

    HFONT defaultFont() const { return m_default; }
    HFONT boxFont() const { return m_box; }
    // The design font at the size, one of the sizes the layout names.
    HFONT designFont(double points) const;
    // The family the design font is drawn in: the design family or its stand-in.
    const std::wstring& designFamily() const { return m_designFamily; }

    // The margin a box keeps between its text and its border on either side, in pixels.
    static int boxMargin(UINT dpi);
    // The room a box of that width leaves for its text, in pixels at the DPI.
    static int textRoom(int boxWidthTwips, UINT dpi);

private:
    void release();

    HFONT m_default = nullptr;
    HFONT m_box = nullptr;
    std::vector<std::pair<double, HFONT>> m_design;
    std::wstring m_designFamily;
};

} // namespace zelvanu::win
