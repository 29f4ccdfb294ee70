#pragma once
// The Win32 control and menu identifiers, derived from the shared table of controls so that a
// control is found by its design name (GetDlgItem(window, controlId("Text5"))) and a menu item's
// WM_COMMAND names its row. None is IDOK or IDCANCEL, so the dialog keys Enter and Esc never
// reach a command.

#include "form/form1_controls.h"

#include <string_view>

namespace zelvanu::win {

constexpr int kFirstControlId = 100;

constexpr int controlId(ControlId id) {
    return kFirstControlId + static_cast<int>(id);
}

// 0 for a name the table does not know.
constexpr int controlId(std::string_view name) {
    const Control* c = controlNamed(name);
    return c ? controlId(c->id) : 0;
}

// The row with the identifier, or nullptr.
constexpr const Control* controlWithId(int id) {
    const int index = id - kFirstControlId;
    return index >= 0 && index < static_cast<int>(kControls.size()) ? &kControls[index] : nullptr;
}

} // namespace zelvanu::win
