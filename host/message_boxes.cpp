#include "host/message_boxes.h"

#include <QMessageBox>

namespace zelvanu {

QString withLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void QtMessageBoxes::show(QWidget* parent, const QString& text, const QString& title,
                          MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    title, withLineFeeds(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // what the user typed never turns into markup
    box.exec();
}

} // namespace zelvanu
