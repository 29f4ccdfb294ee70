#pragma once
// Prepares the application before the window is built: its name and version, Japanese as the
// locale, Qt's own Japanese texts (context menus, box buttons) and the Japanese fonts the window
// is designed with. It creates no window and runs no event loop.

#include <QString>

class QApplication;

namespace zelvanu {

// The font family the window was designed with. It is absent outside Windows, so
// prepareApplication maps it onto installed Japanese fonts that draw the same characters.
inline QString designFontFamily() {
    return QStringLiteral("ＭＳ Ｐゴシック");
}

void prepareApplication(QApplication& app);

} // namespace zelvanu
