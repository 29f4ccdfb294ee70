#include "ui/result_label.h"

namespace zelvanu {

ResultLabel::ResultLabel(const QString& role, QWidget* parent) : QLabel(parent) {
    setAccessibleName(role);
}

void ResultLabel::setResult(const QString& text, const QString& spokenName) {
    setText(text);
    // A label with a name of its own reports no change of its text, so the name carries the
    // text and its change is what a screen reader hears.
    setAccessibleName(spokenName);
}

} // namespace zelvanu
