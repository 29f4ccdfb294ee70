#pragma once
// The bar between a numerator and a denominator: a one-pixel line in the window's text colour.
// It only draws; it takes no focus and reacts to nothing.

#include <QWidget>

namespace zelvanu {

class FractionBar final : public QWidget {
    Q_OBJECT

public:
    explicit FractionBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zelvanu
