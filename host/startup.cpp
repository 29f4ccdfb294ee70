#include "host/startup.h"

#include "zelvanu_version.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zelvanu {

namespace {

// Families from Debian's Japanese font packages that stand in for the two fonts, with the same
// characters and similar metrics: proportional for the design font, fixed-pitch (half-width
// Latin and digits) for the default font.
const QStringList kDesignFontStandIns = {
    QStringLiteral("IPAPGothic"),
    QStringLiteral("IPAPゴシック"),
    QStringLiteral("Noto Sans CJK JP"),
    QStringLiteral("VL PGothic"),
};
const QStringList kDefaultFontStandIns = {
    QStringLiteral("IPAGothic"),
    QStringLiteral("IPAゴシック"),
    QStringLiteral("Noto Sans Mono CJK JP"),
    QStringLiteral("VL Gothic"),
};

} // namespace

void prepareCommandLine(QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Zelvanu"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELVANU_VERSION_STRING));

    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);

    auto* translator = new QTranslator(&app);
    if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void prepareApplication(QApplication& app) {
    prepareCommandLine(app);
    // The window names its desktop entry, so that Wayland compositors and docks find its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELVANU_APP_ID));

    QFont::insertSubstitutions(designFontFamily(), kDesignFontStandIns);
    QFont::insertSubstitutions(defaultFontFamily(), kDefaultFontStandIns);
    QApplication::setFont(QFont(defaultFontFamily(), 9));
}

} // namespace zelvanu
