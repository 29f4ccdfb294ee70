#include "ui/result_label.h"

#include <QStringList>

namespace zelvanu {

ResultLabel::ResultLabel(const QString& role, QWidget* parent) : QLabel(parent), m_role(role) {
    setAccessibleName(m_role);
}

void ResultLabel::setResult(const QString& text) {
    setText(text);
    // A label with a name of its own reports no change of its text, so the name carries the
    // text and its change is what a screen reader hears.
    setAccessibleName(text.isEmpty() ? m_role : m_role + QLatin1Char(' ') + text);
}

QString spokenAnswer(const QString& sign, const QString& whole, const QString& numerator,
                     const QString& denominator) {
    if (whole.isEmpty() && numerator.isEmpty())
        return {};
    QStringList words{QStringLiteral("答え")};
    if (!sign.isEmpty())
        words << QStringLiteral("マイナス");
    if (!whole.isEmpty())
        words << whole;
    if (!whole.isEmpty() && !numerator.isEmpty())
        words << QStringLiteral("と");
    if (!numerator.isEmpty())
        words << denominator + QStringLiteral("分の") + numerator;
    return words.join(QLatin1Char(' '));
}

} // namespace zelvanu
