#include "ui/answer_region.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace zelvanu {

namespace {

QAccessibleInterface* notificationFor(const QString& className, QObject* object) {
    if (className == QLatin1String(AnswerRegion::staticMetaObject.className()) && object)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

AnswerRegion::AnswerRegion(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("answer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void AnswerRegion::announce(const QString& phrase) {
    hide();
    setAccessibleName(phrase);
    if (!phrase.isEmpty())
        show();
}

} // namespace zelvanu
