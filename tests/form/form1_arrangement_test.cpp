#include "form/form1_arrangement.h"

#include <gtest/gtest.h>

namespace zelvanu {
namespace {

constexpr arrangement::Arrangement kNarrow = arrangement::narrow();

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Every control of a group moves by the same distance, so each part of the sum keeps the
// design's shape; a whole-part box only grows about its centre, to a fraction box's height.
TEST(NarrowArrangement, KeepsEachGroupsShapeAndGrowsOnlyTheWholePartBoxes) {
    for (const Control& c : kControls) {
        if (c.group == Group::None)
            continue;
        const Control* first = nullptr;
        for (const Control& other : kControls)
            if (other.group == c.group && !first)
                first = &other;
        const Rect moved = kNarrow.of(c.id), anchor = kNarrow.of(first->id);
        EXPECT_EQ(moved.left - anchor.left, c.rect.left - first->rect.left) << c.name;
        EXPECT_EQ(moved.width, c.rect.width) << c.name;
        EXPECT_EQ(2 * moved.top + moved.height - 2 * anchor.top - anchor.height,
                  2 * c.rect.top + c.rect.height - 2 * first->rect.top - first->rect.height)
            << c.name << ": its centre";
        EXPECT_EQ(moved.height, c.widestValue.starts_with('-') ? 495 : c.rect.height) << c.name;
    }
}

TEST(NarrowArrangement, IsTallerThanWideWithNoControlOverAnotherOrOutside) {
    EXPECT_GT(kNarrow.clientHeight, kNarrow.clientWidth);
    for (const Control& a : kControls) {
        if (a.group == Group::None)
            continue;
        const Rect r = kNarrow.of(a.id);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= kNarrow.clientWidth &&
                    r.top + r.height <= kNarrow.clientHeight)
            << a.name;
        for (const Control& b : kControls) {
            const bool both = b.group != Group::None && &a < &b && a.kind != ControlKind::Bar &&
                              b.kind != ControlKind::Bar;
            if (both) {
                EXPECT_FALSE(overlap(r, kNarrow.of(b.id))) << a.name << " and " << b.name;
            }
        }
    }
}

// In both arrangements the working area lies below the buttons, within the window's width, and
// the window grows by just what it takes to hold it.
TEST(Arrangements, PutTheWorkingAreaBelowTheButtons) {
    for (const arrangement::Arrangement& a : {arrangement::designed(), kNarrow}) {
        const Rect area = a.of(ControlId::WorkingArea);
        const Rect button = a.of(ControlId::CalculateButton);
        EXPECT_GE(area.top, button.top + button.height);
        EXPECT_LE(area.top, a.clientHeight);
        EXPECT_EQ(2 * area.left + area.width, a.clientWidth);
        EXPECT_EQ(area.top + area.height + area.left, a.clientHeightWithWorking);
    }
}

} // namespace
} // namespace zelvanu
