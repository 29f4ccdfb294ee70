#include "host/error_report.h"

namespace zelvanu {

QString runTimeErrorText(const RunTimeError& error) {
    const QString kind = error.kind() == RunTimeError::Kind::Overflow
                             ? QStringLiteral("オーバーフローしました。")
                             : QStringLiteral("浮動小数点演算でエラーが発生しました。");
    return QStringLiteral("実行時エラー '%1':\r\r%2").arg(error.number()).arg(kind);
}

void reportUnhandledError(MessageBoxes& boxes, QWidget* parent, const RunTimeError& error) {
    boxes.show(parent, runTimeErrorText(error), QStringLiteral("Zelvanu"), MessageIcon::Critical);
}

} // namespace zelvanu
