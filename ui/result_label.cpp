#include "ui/result_label.h"

#include "form/form1_texts.h"

namespace zelvanu {

ResultLabel::ResultLabel(const QString& role, QWidget* parent) : QLabel(parent), m_role(role) {
    setAccessibleName(m_role);
}

void ResultLabel::setResult(const QString& text) {
    setText(text);
    // A label with a name of its own reports no change of its text, so the name carries the
    // text and its change is what a screen reader hears.
    setAccessibleName(
        QString::fromStdString(spokenLabel(m_role.toStdString(), text.toStdString())));
}

} // namespace zelvanu
