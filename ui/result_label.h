#pragma once
// One of the four labels that show the answer. Its accessible name carries what it is and what
// it shows now ("答えの分子 1"), and changing it is announced, so the answer reaches a screen
// reader as it appears. It decides nothing about the answer: it only presents the text it gets.

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

} // namespace zelvanu
