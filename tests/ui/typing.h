#pragma once
// Typing into a box as a keyboard does, for any text.

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace zelvanu {

// QTest::keyClicks knows only ASCII; other characters arrive as key events carrying their text,
// as a keyboard layout would send them.
inline void typeText(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

} // namespace zelvanu
