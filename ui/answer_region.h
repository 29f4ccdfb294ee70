#pragma once
// Where a screen reader hears the whole answer: a region under the result labels that draws
// nothing, carries the answer as one phrase in its accessible name ("答え 2 と 6分の1"), and is a
// notification that appears once each answer is complete. Screen readers read a notification
// out as it appears, without the user moving (Orca drops mere name changes of labels), so it is
// hidden while there is no answer: before each calculation, after a message, after clearing. It
// decides nothing about the answer.

#include <QWidget>

namespace zelvanu {

class AnswerRegion final : public QWidget {
    Q_OBJECT

public:
    explicit AnswerRegion(QWidget* parent);

    // Hides the region; with a phrase, names it after the answer and shows it again.
    void announce(const QString& phrase);
};

} // namespace zelvanu
