#include "ui/keyboard_access.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>

namespace zelvanu {

namespace {

class KeyboardAccess final : public QObject {
public:
    KeyboardAccess(QMainWindow* window, const QList<QPushButton*>& buttons)
        : QObject(window), m_window(window) {
        // The window sees the key presses that no control inside it took, F10 among them.
        window->installEventFilter(this);
        for (QPushButton* button : buttons)
            button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::NoModifier || key->isAutoRepeat())
            return false;

        if (watched == m_window) {
            if (key->key() != Qt::Key_F10)
                return false;
            enterMenuBar();
            return true;
        }
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }

private:
    // The menu bar reaches its keyboard mode (first title selected, arrows move, Esc leaves and
    // gives the focus back) only through its own handling of a lone Alt key, so F10 hands it
    // that key: the press as the shortcut check sees it, then the release. A second F10 leaves
    // the menu bar again, as a second Alt does. (A key event for Alt reports the Alt modifier
    // flipped, as X11 does, so the press is built without it to read as Alt held down.)
    void enterMenuBar() {
        QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &release);
    }

    QMainWindow* m_window;
};

} // namespace

void addKeyboardAccess(QMainWindow* window, const QList<QPushButton*>& buttons) {
    new KeyboardAccess(window, buttons); // owned by the window
}

} // namespace zelvanu
