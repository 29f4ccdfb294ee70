#include "win/fonts.h"

#include "form/form1_controls.h"
#include "win/dpi.h"
#include "win/wide_text.h"

#include <algorithm>
#include <cwchar>

namespace zelvanu::win {

namespace {

// Families that carry the design font's Japanese characters with proportional Latin, in the
// order a stand-in is preferred: the design family under its English name, then the Japanese
// families Windows ships.
const wchar_t* const kDesignStandIns[] = {
    L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI", L"Yu Gothic", L"Meiryo", L"MS UI Gothic",
};

using JapaneseFamilies = std::vector<LOGFONTW>;

// The message font's size where the system gives none.
constexpr double kFallbackPoints = 9;

// A Japanese font of the family at the size, normal weight, upright, neither underlined nor
// struck out.
HFONT createJapaneseFont(const wchar_t* family, double points, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = fontHeight(points, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(font.lfFaceName, family, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

int CALLBACK collectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    reinterpret_cast<JapaneseFamilies*>(data)->push_back(*font);
    return 1;
}

bool contains(const JapaneseFamilies& families, const std::wstring& family) {
    return std::ranges::any_of(families,
                               [&](const LOGFONTW& font) { return family == font.lfFaceName; });
}

// The installed font families with Japanese characters, from one enumeration.
JapaneseFamilies japaneseFamilies(HDC dc) {
    LOGFONTW query{};
    query.lfCharSet = SHIFTJIS_CHARSET;
    JapaneseFamilies families;
    EnumFontFamiliesExW(dc, &query, collectFamily, reinterpret_cast<LPARAM>(&families), 0);
    return families;
}

// Whether the font mapper draws the family under its own name: it is installed, or the system
// declares a substitute for it. One font is cheap to ask for; enumerating every Japanese family
// costs about half of building the window's fonts.
bool drawnUnderItsName(HDC dc, const std::wstring& family) {
    // At the mapper's default height: only the face is asked about.
    const HFONT font = createJapaneseFont(family.c_str(), 0, kDefaultDpi);
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteObject(font);
    return family == face;
}

std::wstring chooseDesignFamily(HDC dc) {
    const std::wstring design = widen(layout::kDesignFontFamily);
    if (drawnUnderItsName(dc, design))
        return design;
    const JapaneseFamilies families = japaneseFamilies(dc);
    for (const wchar_t* family : kDesignStandIns)
        if (contains(families, family))
            return family;
    // Any proportional family with Japanese characters; vertical-writing ones ("@…") never.
    for (const LOGFONTW& font : families)
        if (font.lfFaceName[0] != L'@' && (font.lfPitchAndFamily & 3) != FIXED_PITCH)
            return font.lfFaceName;
    return design;
}

LOGFONTW messageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        LOGFONTW fallback{};
        fallback.lfHeight = fontHeight(kFallbackPoints, dpi);
        fallback.lfCharSet = DEFAULT_CHARSET;
        wcscpy(fallback.lfFaceName, L"MS Shell Dlg 2");
        return fallback;
    }
    return metrics.lfMessageFont;
}

int textWidth(HDC dc, HFONT font, const wchar_t* text) {
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    return size.cx;
}

// Whether every box shows its widest value whole in the font.
bool boxesShowWidestValues(HDC dc, HFONT font, UINT dpi) {
    for (const Control& c : kControls)
        if (c.kind == ControlKind::TextBox &&
            textWidth(dc, font, widen(c.widestValue).c_str()) > Fonts::textRoom(c.rect.width, dpi))
            return false;
    return true;
}

} // namespace

Fonts::~Fonts() {
    release();
}

void Fonts::release() {
    if (m_default)
        DeleteObject(m_default);
    if (m_box)
        DeleteObject(m_box);
    for (const auto& [points, font] : m_design)
        DeleteObject(font);
    m_default = nullptr;
    m_box = nullptr;
    m_design.clear();
}

int Fonts::boxMargin(UINT dpi) {
    return std::max(1, MulDiv(1, static_cast<int>(dpi), kDefaultDpi));
}

int Fonts::textRoom(int boxWidthTwips, UINT dpi) {
    // The border and the margin on both sides, and the caret after the last character.
    const int borders = 2 * GetSystemMetricsForDpi(SM_CXBORDER, dpi);
    const int caret = std::max(1, GetSystemMetricsForDpi(SM_CXBORDER, dpi));
    return twipsToPixels(boxWidthTwips, dpi) - borders - 2 * boxMargin(dpi) - caret;
}

HFONT Fonts::designFont(double points) const {
    for (const auto& [size, font] : m_design)
        if (size == points)
            return font;
    return m_default;
}

void Fonts::create(HWND window, UINT dpi) {
    release();
    HDC dc = GetDC(window);
    m_designFamily = chooseDesignFamily(dc);
    for (const Control& c : kControls) {
        if (c.designFontPoints <= 0 || designFont(c.designFontPoints) != m_default)
            continue;
        m_design.emplace_back(c.designFontPoints,
                              createJapaneseFont(m_designFamily.c_str(), c.designFontPoints, dpi));
    }

    // Labels and buttons: the message font. The boxes: the same family, a pixel smaller at a
    // time until the widest values fit, so that they keep one face at every DPI.
    LOGFONTW chosen = messageFont(dpi);
    m_default = CreateFontIndirectW(&chosen);
    m_box = CreateFontIndirectW(&chosen);
    while (!boxesShowWidestValues(dc, m_box, dpi) && std::abs(chosen.lfHeight) > 6) {
        chosen.lfHeight += chosen.lfHeight < 0 ? 1 : -1;
        DeleteObject(m_box);
        m_box = CreateFontIndirectW(&chosen);
    }
    ReleaseDC(window, dc);
}

} // namespace zelvanu::win
