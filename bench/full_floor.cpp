// The second floor for the start-up benchmark: the program's window built bare in Qt, with what
// the window shows hard-coded and no description, commands or accessibility of its own. The
// same client size, 15 controls and three bars at their places, the menu bar with its three
// menus, the design font at 24 and 21.75 points and the Japanese default font through the same
// substitutions, and Qt's Japanese translations. Whatever the program takes beyond this before
// its first frame is its own.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    QTranslator translator;
    if (translator.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("VL Gothic")});
    QApplication::setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    auto* client = new QWidget(&window);
    client->setFixedSize(432, 190);
    window.setCentralWidget(client);
    for (const QRect& r : {QRect(8, 40, 41, 25), QRect(72, 8, 33, 33), QRect(72, 56, 33, 33),
                           QRect(152, 40, 41, 25), QRect(208, 8, 33, 33), QRect(208, 56, 33, 33)})
        (new QLineEdit(client))->setGeometry(r);
    for (const QRect& r : {QRect(56, 48, 64, 1), QRect(200, 48, 48, 1), QRect(360, 48, 64, 1)}) {
        auto* bar = new QFrame(client);
        bar->setFrameShape(QFrame::HLine);
        bar->setGeometry(r);
    }
    QFont design(QStringLiteral("ＭＳ Ｐゴシック"));
    struct Text {
        const char* text;
        QRect place;
        qreal points;
    };
    for (const Text& t :
         {Text{"+", QRect(128, 32, 17, 33), 24}, Text{"=", QRect(264, 32, 17, 33), 24},
          Text{"", QRect(288, 32, 17, 25), 21.75}, Text{"", QRect(312, 40, 41, 25), 0},
          Text{"", QRect(368, 8, 49, 25), 0}, Text{"", QRect(368, 64, 49, 25), 0}}) {
        auto* label = new QLabel(QString::fromUtf8(t.text), client);
        label->setGeometry(t.place);
        if (t.points > 0) {
            design.setPointSizeF(t.points);
            label->setFont(design);
        }
    }
    for (const auto& [caption, place] :
         {std::pair{"終了", QRect(48, 120, 65, 41)}, std::pair{"消す", QRect(184, 120, 65, 41)},
          std::pair{"計算", QRect(312, 120, 73, 41)}})
        (new QPushButton(QString::fromUtf8(caption), client))->setGeometry(place);
    window.menuBar()->addMenu(QStringLiteral("ファイル"))->addAction(QStringLiteral("終了"));
    window.menuBar()
        ->addMenu(QStringLiteral("表示"))
        ->addAction(QStringLiteral("途中の式"))
        ->setCheckable(true);
    window.menuBar()
        ->addMenu(QStringLiteral("ヘルプ"))
        ->addAction(QStringLiteral("バージョン情報"));
    window.show();
    return QApplication::exec();
}
