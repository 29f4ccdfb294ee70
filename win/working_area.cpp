#include "win/working_area.h"

#include "win/dpi.h"
#include "win/wide_text.h"
#include "win/window_procedure.h"

#include <algorithm>

namespace zelvanu::win {

namespace {

constexpr wchar_t kClassName[] = L"ZelvanuWorking";

// A line's window has the line's index + 1 as its id: 0 would be no id.
int lineId(std::size_t index) {
    return static_cast<int>(index) + 1;
}

} // namespace

void WorkingArea::create(HWND parent, int id, const RECT& place, HINSTANCE instance) {
    m_instance = instance;
    // Written on the window's own colours, as the boxes are, so that a high-contrast theme
    // recolours it with them.
    registerWindowClass<WorkingArea>(instance, kClassName, COLOR_WINDOW);
    CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, place.left,
                    place.top, place.right - place.left, place.bottom - place.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void WorkingArea::setLines(const std::vector<WorkingText>& lines) {
    m_lines = lines;
    while (m_lineWindows.size() < m_lines.size()) {
        // Owner-drawn: the area paints it. Its text is what a screen reader reads.
        m_lineWindows.push_back(CreateWindowExW(
            0, L"STATIC", L"", WS_CHILD | SS_OWNERDRAW | SS_NOPREFIX, 0, 0, 0, 0, m_hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(lineId(m_lineWindows.size()))), m_instance,
            nullptr));
    }
    for (std::size_t i = 0; i < m_lineWindows.size(); ++i) {
        const bool shown = i < m_lines.size();
        SetWindowTextW(m_lineWindows[i], shown ? widen(m_lines[i].spoken).c_str() : L"");
        ShowWindow(m_lineWindows[i], shown ? SW_SHOWNA : SW_HIDE);
    }
    layOut();
}

void WorkingArea::layOut() {
    if (!m_hwnd || m_lines.empty()) // hidden lines need no place
        return;
    HDC dc = GetDC(m_hwnd);
    const HGDIOBJ old = SelectObject(dc, m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const WorkingMetrics metrics{
        [dc](std::string_view text) {
            const std::wstring wide = widen(text);
            SIZE size{};
            GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
            return static_cast<int>(size.cx);
        },
        static_cast<int>(tm.tmHeight),
        std::max(1, MulDiv(1, static_cast<int>(GetDpiForWindow(m_hwnd)), kDefaultDpi))};
    m_layouts.clear();
    int total = 0;
    std::vector<WorkingLineLayout*> layouts;
    for (const WorkingText& line : m_lines) {
        m_layouts.push_back(layOutWorkingLine(line, metrics));
        total += m_layouts.back().height;
    }
    for (WorkingLineLayout& layout : m_layouts)
        layouts.push_back(&layout);
    alignStepNames(layouts);
    SelectObject(dc, old);
    ReleaseDC(m_hwnd, dc);

    // Half a line's height around and between the lines, less where the longest working
    // needs the room.
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int margin = std::max(1, metrics.textHeight / 2);
    const int lines = static_cast<int>(m_layouts.size());
    const int space = std::clamp(static_cast<int>(client.bottom - total) / (lines + 1), 0, margin);
    int top = space;
    for (std::size_t i = 0; i < m_layouts.size(); ++i) {
        SetWindowPos(m_lineWindows[i], nullptr, margin, top, client.right - 2 * margin,
                     m_layouts[i].height, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(m_lineWindows[i], nullptr, TRUE);
        top += m_layouts[i].height + space;
    }
}

void WorkingArea::paintLine(const DRAWITEMSTRUCT& item) const {
    const std::size_t index = item.CtlID - 1;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (index >= m_layouts.size())
        return;
    const HGDIOBJ old = SelectObject(item.hDC, m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(item.hDC, TRANSPARENT);
    for (const WorkingPiece& piece : m_layouts[index].pieces) {
        if (piece.kind == WorkingPiece::Kind::Bar) {
            const RECT bar{piece.x, piece.y, piece.x + piece.width, piece.y + piece.height};
            FillRect(item.hDC, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
            continue;
        }
        // The step's name is a note beside the line, not part of it.
        SetTextColor(item.hDC,
                     GetSysColor(piece.kind == WorkingPiece::Kind::Name ? COLOR_GRAYTEXT
                                                                        : COLOR_WINDOWTEXT));
        const std::wstring text = widen(piece.text);
        TextOutW(item.hDC, piece.x, piece.y, text.c_str(), static_cast<int>(text.size()));
    }
    SelectObject(item.hDC, old);
}

LRESULT WorkingArea::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT:
        m_font = reinterpret_cast<HFONT>(wParam);
        layOut();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    case WM_SIZE:
        layOut();
        return 0;
    case WM_DRAWITEM:
        paintLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

} // namespace zelvanu::win
