#include "host/startup.h"

#include "zelvanu_version.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zelvanu {

namespace {

// The window was designed with this font, which is absent outside Windows. These families,
// from Debian's Japanese font packages, draw the same characters with similar metrics.
const QString kDesignFont = QStringLiteral("ＭＳ Ｐゴシック");
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

    QFont::insertSubstitutions(kDesignFont, kDesignFontStandIns);
    QApplication::setFont(QFont(kDesignFont, 9));
}

} // namespace zelvanu
