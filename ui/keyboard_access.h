#pragma once
// Two keys that desktop users reach for and that the toolkit leaves unbound in this window: F10
// leads into the menu bar exactly as Alt pressed alone does, and Enter (or keypad Enter) presses
// the focused push button as Space does. It adds no shortcut, no access key and no default
// button, so Enter and Esc in a text box still trigger nothing.

#include <QList>

class QMainWindow;
class QPushButton;

namespace zelvanu {

void addKeyboardAccess(QMainWindow* window, const QList<QPushButton*>& buttons);

} // namespace zelvanu
