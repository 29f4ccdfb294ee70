#pragma once
// One of the four labels that show the answer, and the phrase a screen reader speaks for the
// whole answer. A result label's accessible name carries what it is and what it shows now
// ("答えの分子 1"), and changing it is announced, so the answer reaches a screen reader as it
// appears. Neither decides anything about the answer: they only present the texts they get.

#include <QLabel>

namespace zelvanu {

class ResultLabel final : public QLabel {
    Q_OBJECT

public:
    // `role` names the label for a screen reader, e.g. "答えの分子".
    ResultLabel(const QString& role, QWidget* parent);

    // Shows the text (blank when empty) and names the label after its role and the text.
    void setResult(const QString& text);

private:
    QString m_role;
};

// The whole answer as one phrase, from the texts of the sign, whole-part, numerator and
// denominator labels: "答え マイナス 2 と 6分の1", "答え 0"; empty when no answer is shown.
QString spokenAnswer(const QString& sign, const QString& whole, const QString& numerator,
                     const QString& denominator);

} // namespace zelvanu
