#pragma once
// Prepares the application before the window is built: its name and version, Japanese as the
// locale, Qt's own Japanese texts (context menus, box buttons, the command-line help) and the
// Japanese fonts the window is designed with. It creates no window and runs no event loop.

#include "form/form1_controls.h"

#include <QString>

class QApplication;
class QCoreApplication;

namespace zelvanu {

// The font family the window was designed with. It is absent outside Windows, so
// prepareApplication maps it onto installed Japanese fonts that draw the same characters.
inline QString designFontFamily() {
    return QString::fromUtf8(layout::kDesignFontFamily.data(),
                             static_cast<qsizetype>(layout::kDesignFontFamily.size()));
}

// The window's default font: the fixed-pitch sibling of the design font. Its half-width digits
// (six pixels at 9 points) let every box show a whole 16-bit value, sign included, where the
// proportional family's wider digits would scroll the first ones out of sight.
inline QString defaultFontFamily() {
    return QStringLiteral("ＭＳ ゴシック");
}

// Names and version, the Japanese locale and Qt's Japanese texts: all the command line needs.
void prepareCommandLine(QCoreApplication& app);
// The above, then the desktop entry the window belongs to and the fonts.
void prepareApplication(QApplication& app);

} // namespace zelvanu
