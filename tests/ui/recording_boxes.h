#pragma once
// A MessageBoxes that records each box instead of showing it, so that tests never block.

#include "host/message_boxes.h"

#include <QList>

namespace zelvanu {

struct RecordedBox {
    QString text;
    QString title;
    MessageIcon icon;
};

class RecordingBoxes final : public MessageBoxes {
public:
    void show(QWidget*, const QString& text, const QString& title, MessageIcon icon) override {
        boxes.append({text, title, icon});
    }
    QList<RecordedBox> boxes;
};

} // namespace zelvanu
