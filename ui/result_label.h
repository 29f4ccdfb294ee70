#pragma once
// One of the four labels that show the answer. Its accessible name carries what it is and what
// it shows now ("答えの分子 1"), and changing it is announced, so the answer reaches a screen
// reader as it appears. It decides nothing about the answer: it only presents the text and the
// name it gets.

#include <QLabel>

namespace zelvanu {

class ResultLabel final : public QLabel {
    Q_OBJECT

public:
    // `role` names the label for a screen reader until it shows a result, e.g. "答えの分子".
    ResultLabel(const QString& role, QWidget* parent);

    // Shows the text (blank when empty) under its spoken name.
    void setResult(const QString& text, const QString& spokenName);
};

} // namespace zelvanu
