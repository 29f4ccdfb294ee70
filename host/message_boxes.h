#pragma once
// Modal message boxes with an OK button only; the answer is never used. The window talks to the
// MessageBoxes interface so that tests can record boxes instead of blocking on them. This layer
// decides nothing about what a box says.

#include "form/form_window.h"

#include <QString>

class QWidget;

namespace zelvanu {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns when the user has closed it.
    virtual void show(QWidget* parent, const QString& text, const QString& title,
                      MessageIcon icon) = 0;
};

// The real boxes, QMessageBox.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text, const QString& title,
              MessageIcon icon) override;
};

} // namespace zelvanu
