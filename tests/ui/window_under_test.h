#pragma once
// A Form1 whose message boxes are recorded, shown and active as the user would meet it.

#include "recording_boxes.h"
#include "ui/form1.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace zelvanu {

struct WindowUnderTest {
    RecordingBoxes boxes;
    Form1 window{boxes};

    // The window's control with this design name.
    template <typename W> W* named(const char* name) const {
        return window.findChild<W*>(QLatin1String(name));
    }

    [[nodiscard]] bool showActive() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // Runs the event loop, does `quit` from inside it, and returns the loop's exit status once
    // closing the window has ended it; 99 when it never ends (a guard, not a wait).
    int runUntilClosed(const std::function<void()>& quit) {
        QTimer::singleShot(0, &window, quit);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }
};

} // namespace zelvanu
