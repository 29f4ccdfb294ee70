#pragma once
// A MessageBoxes that records each box instead of showing it, so that tests never block.

#include "host/message_boxes.h"

#include <QList>

namespace zelvanu {

struct RecordedBox {
    QString text;
    QString title;
    MessageIcon icon;
    QWidget* parent;
};

class RecordingBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text, const QString& title,
              MessageIcon icon) override {
        boxes.append({text, title, icon, parent});
    }
    QList<RecordedBox> boxes;
};

} // namespace zelvanu
