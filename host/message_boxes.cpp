#include "host/message_boxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace zelvanu {

namespace {

// The narrowest box whose title a window manager can show whole, in logical pixels.
int minimumWidthForTitle(const QString& title) {
    // Title bars often use a larger, bold font, and keep room for the window icon and the
    // buttons beside the title.
    constexpr int kTitleBarButtons = 128;
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(title);
    return titleWidth * 5 / 4 + kTitleBarButtons;
}

} // namespace

void QtMessageBoxes::show(QWidget* parent, const QString& text, const QString& title,
                          MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // what the user typed never turns into markup
    // A box as narrow as a short text makes the window manager cut its title
    // ("エラー…ージ"); an invisible row as wide as the title keeps the box wider than that.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(minimumWidthForTitle(title), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
}

} // namespace zelvanu
