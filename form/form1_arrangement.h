#pragma once
// The window rearranged for a tall, narrow screen (a phone held upright, a tablet split in two),
// where the designed window, twice as wide as it is high, would be too small to read or touch.
// The sum is written downwards, as on paper: the first operand; "+" and the second operand; "="
// and the answer; then the three buttons, and below them the working area, as wide as the window
// allows. Each part keeps the design's own shape and spacing (the groups of the table of
// controls); only where the parts stand changes, and a whole-part box grows to the height of a
// fraction box so that a finger can hit it. Like the design, the
// result is in twips of a client area; the focus order, names and commands stay as they are.

#include "form/form1_controls.h"

#include <algorithm>
#include <array>

namespace zelvanu::arrangement {

struct Row {
    std::array<Group, 3> groups; // left to right; Group::None fills the rest
    // Right: the row ends where the other right-aligned rows end, as the numbers of a written
    // sum do. Center: the row is centred in the window.
    Align align;
};

constexpr std::array<Row, 4> kNarrowRows{{
    {{Group::FirstOperand}, Align::Right},
    {{Group::Plus, Group::SecondOperand}, Align::Right},
    {{Group::Equals, Group::Result}, Align::Right},
    {{Group::Quit, Group::Clear, Group::Calculate}, Align::Center},
}};

// The design's own distances: its left margin, the gap between "+" and the second operand, and
// the height of a fraction box.
constexpr int kMargin = 120;
constexpr int kGroupGap = 105;
constexpr int kRowGap = 240;
constexpr int kTouchHeight = 495;

struct Arrangement {
    int clientWidth = 0, clientHeight = 0;
    int clientHeightWithWorking = 0;            // the client area while the working area shows
    std::array<Rect, kControls.size()> rects{}; // by ControlId; the menus keep none
    constexpr const Rect& of(ControlId id) const { return rects[static_cast<std::size_t>(id)]; }
};

// The window as it was designed.
constexpr Arrangement designed() {
    Arrangement a{layout::kClientWidth, layout::kClientHeight, layout::kClientHeightWithWorking};
    for (const Control& c : kControls)
        a.rects[static_cast<std::size_t>(c.id)] = c.rect;
    return a;
}

// The smallest rectangle around a group's controls in the design.
constexpr Rect boundsOf(Group group) {
    int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
    for (const Control& c : kControls)
        if (c.group == group) {
            left = std::min(left, c.rect.left);
            top = std::min(top, c.rect.top);
            right = std::max(right, c.rect.left + c.rect.width);
            bottom = std::max(bottom, c.rect.top + c.rect.height);
        }
    return {left, top, right - left, bottom - top};
}

// Whole pixels, so that the arrangement scales as cleanly as the design.
constexpr int toPixelGrid(int twips) {
    return twips / layout::kTwipsPerPixel * layout::kTwipsPerPixel;
}

constexpr int rowWidth(const Row& row) {
    int width = 0;
    for (Group g : row.groups)
        if (g != Group::None)
            width += (width ? kGroupGap : 0) + boundsOf(g).width;
    return width;
}

constexpr int rowHeight(const Row& row) {
    int height = 0;
    for (Group g : row.groups)
        if (g != Group::None)
            height = std::max(height, boundsOf(g).height);
    return height;
}

constexpr Arrangement narrow() {
    Arrangement a;
    int widest = 0, widestRight = 0;
    for (const Row& row : kNarrowRows) {
        widest = std::max(widest, rowWidth(row));
        if (row.align == Align::Right)
            widestRight = std::max(widestRight, rowWidth(row));
    }
    a.clientWidth = widest + 2 * kMargin;
    const int rightEdge = toPixelGrid((a.clientWidth + widestRight) / 2);

    int top = kMargin;
    for (const Row& row : kNarrowRows) {
        const int height = rowHeight(row);
        int left = row.align == Align::Right ? rightEdge - rowWidth(row)
                                             : toPixelGrid((a.clientWidth - rowWidth(row)) / 2);
        for (Group g : row.groups) {
            if (g == Group::None)
                continue;
            const Rect bounds = boundsOf(g);
            // Each group is centred in its row's height, its controls moved with it.
            const int dx = left - bounds.left;
            const int dy = toPixelGrid(top + (height - bounds.height) / 2) - bounds.top;
            for (const Control& c : kControls)
                if (c.group == g) {
                    Rect r{c.rect.left + dx, c.rect.top + dy, c.rect.width, c.rect.height};
                    if (c.kind == ControlKind::TextBox && r.height < kTouchHeight) {
                        r.top -= (kTouchHeight - r.height) / 2;
                        r.height = kTouchHeight;
                    }
                    a.rects[static_cast<std::size_t>(c.id)] = r;
                }
            left += bounds.width + kGroupGap;
        }
        top += height + kRowGap;
    }
    a.clientHeight = top - kRowGap + kMargin;

    // The working area, which belongs to no part of the sum, follows the buttons across the
    // window at the margin's distance, as high as in the design.
    const Rect& working = control(ControlId::WorkingArea).rect;
    a.rects[static_cast<std::size_t>(ControlId::WorkingArea)] = {
        kMargin, a.clientHeight, a.clientWidth - 2 * kMargin, working.height};
    a.clientHeightWithWorking = a.clientHeight + working.height + kMargin;
    return a;
}

} // namespace zelvanu::arrangement
