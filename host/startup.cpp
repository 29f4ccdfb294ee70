#include "host/startup.h"

#include "zelvanu_version.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zelvanu {

namespace {

// Families from Debian's Japanese font packages that stand in for the design font, with the
// same characters and similar metrics.
const QStringList kDesignFontStandIns = {
    QStringLiteral("IPAPGothic"),
    QStringLiteral("IPAPゴシック"),
    QStringLiteral("Noto Sans CJK JP"),
    QStringLiteral("VL PGothic"),
};

} // namespace

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Zelvanu"));
    QApplication::setApplicationVersion(QStringLiteral(ZELVANU_VERSION_STRING));

    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);

    auto* translator = new QTranslator(&app);
    if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QFont::insertSubstitutions(designFontFamily(), kDesignFontStandIns);
    QApplication::setFont(QFont(designFontFamily(), 9));
}

} // namespace zelvanu
