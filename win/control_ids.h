#pragma once
// The Win32 control and menu identifiers, derived from the shared layout so that a control is
// found by its designed name (GetDlgItem(window, controlId("Text5"))). None is IDOK or IDCANCEL,
// so the dialog keys Enter and Esc never reach a command.

#include "form/form1_layout.h"

#include <string_view>

namespace zelvanu::win {

constexpr int kFirstControlId = 100;
constexpr int kMenEndId = 200;
constexpr int kMenVerId = 201;

// Text boxes, labels and buttons, numbered in that order from kFirstControlId; 0 for a name
// the layout does not know.
constexpr int controlId(std::string_view name) {
    int id = kFirstControlId;
    for (const auto& group : {layout::kTextBoxes, layout::kLabels})
        for (const layout::Box& box : group) {
            if (box.name == name)
                return id;
            ++id;
        }
    for (const layout::Box& box : layout::kButtons) {
        if (box.name == name)
            return id;
        ++id;
    }
    return 0;
}

constexpr int menuItemId(std::string_view name) {
    return name == "MenEnd" ? kMenEndId : name == "MenVer" ? kMenVerId : 0;
}

} // namespace zelvanu::win
