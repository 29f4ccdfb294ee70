#pragma once
// A Form1 whose message boxes are recorded, shown and active as the user would meet it.

#include "recording_boxes.h"
#include "ui/form1.h"

#include <QTest>

namespace zelvanu {

struct WindowUnderTest {
    RecordingBoxes boxes;
    Form1 window{boxes};

    [[nodiscard]] bool showActive() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace zelvanu
