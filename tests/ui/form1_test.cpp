// The window as designed: every control's place, fonts, texts, focus order, menus and the names a
// screen reader speaks, driven through real widgets on the offscreen platform.

#include "host/message_boxes.h"
#include "support/contrast.h"
#include "test_main.h"
#include "ui/form1.h"
#include "ui/fraction_bar.h"
#include "window_under_test.h"

#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <limits>
#include <memory>

using namespace zelvanu;

Q_DECLARE_METATYPE(zelvanu::MessageIcon)
Q_DECLARE_METATYPE(zelvanu::RunTimeError::Kind)

class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> m_ui;

    template <typename W = QWidget> W* control(const char* name) {
        auto* w = m_ui->window.findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control named %s", name);
        return w;
    }

private slots:
    void init() {
        m_ui = std::make_unique<WindowUnderTest>();
        QVERIFY(m_ui->showActive());
    }
    void cleanup() { m_ui.reset(); }

    void geometry_data() {
        // Pixels at 15 twips each, worked out by hand from the design's twips.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Text5 whole 1") << "Text5" << QRect(8, 40, 41, 25);
        QTest::newRow("Text3 numerator 1") << "Text3" << QRect(72, 8, 33, 33);
        QTest::newRow("Line1 bar 1") << "Line1" << QRect(56, 48, 64, 1);
        QTest::newRow("Text1 denominator 1") << "Text1" << QRect(72, 56, 33, 33);
        QTest::newRow("Label3 plus") << "Label3" << QRect(128, 32, 17, 33);
        QTest::newRow("Text6 whole 2") << "Text6" << QRect(152, 40, 41, 25);
        QTest::newRow("Text4 numerator 2") << "Text4" << QRect(208, 8, 33, 33);
        QTest::newRow("Line2 bar 2") << "Line2" << QRect(200, 48, 48, 1);
        QTest::newRow("Text2 denominator 2") << "Text2" << QRect(208, 56, 33, 33);
        QTest::newRow("Label4 equals") << "Label4" << QRect(264, 32, 17, 33);
        QTest::newRow("Label5 sign") << "Label5" << QRect(288, 32, 17, 25);
        QTest::newRow("Label6 whole") << "Label6" << QRect(312, 40, 41, 25);
        QTest::newRow("Label2 numerator") << "Label2" << QRect(368, 8, 49, 25);
        QTest::newRow("Line3 result bar") << "Line3" << QRect(360, 48, 64, 1);
        QTest::newRow("Label1 denominator") << "Label1" << QRect(368, 64, 49, 25);
        QTest::newRow("Command3 quit") << "Command3" << QRect(48, 120, 65, 41);
        QTest::newRow("Command2 clear") << "Command2" << QRect(184, 120, 65, 41);
        QTest::newRow("Command1 calculate") << "Command1" << QRect(312, 120, 73, 41);
        QTest::newRow("PicWorking working") << "PicWorking" << QRect(8, 169, 416, 239);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QWidget* w = control(name.toLatin1().constData());
        QCOMPARE(w->geometry(), expected);
        QCOMPARE(w->parentWidget(), m_ui->window.centralWidget());
    }

    void clientAreaIsFixed() {
        QCOMPARE(m_ui->window.centralWidget()->size(), QSize(432, 190));
        QCOMPARE(m_ui->window.minimumSize(), m_ui->window.maximumSize());
        QVERIFY(m_ui->window.menuBar()->isVisible());
        QCOMPARE(m_ui->window.windowTitle(), QStringLiteral("Zelvanu"));
        const QIcon icon = m_ui->window.windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes().value(0), QSize(32, 32));
        // A window that cannot grow offers no maximise button.
        const Qt::WindowFlags flags = m_ui->window.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    }

    void boxesShowTheWidestValuesWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        for (const char* whole : {"Text5", "Text6"})
            for (const char* value : {"-32768", "32767"})
                QTest::addRow("%s %s", whole, value) << whole << value;
        for (const char* fraction : {"Text3", "Text1", "Text4", "Text2"})
            for (const char* value : {"32767", "9999", "-999"})
                QTest::addRow("%s %s", fraction, value) << fraction << value;
    }
    void boxesShowTheWidestValuesWhole() {
        // Given the value typed into the box with the caret after it, then the box has not
        // scrolled: from the caret at the start to the caret at the end lies the whole text,
        // as wide as the real font draws it.
        QFETCH(QString, name);
        QFETCH(QString, value);
        auto* box = control<QLineEdit>(name.toLatin1().constData());
        QCOMPARE(QFontInfo(box->font()).family(), QStringLiteral("IPAGothic"));
        box->setFocus();
        QTest::keyClicks(box, value);
        const auto caretX = [box] {
            box->repaint(); // the box scrolls its text when it paints
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        };
        const int end = caretX();
        QTest::keyClick(box, Qt::Key_Home);
        QCOMPARE(end - caretX(), box->fontMetrics().horizontalAdvance(value));
    }

    void barsAndSignsLeaveInk() {
        // Given 1 1/2 + 2/3 calculated with the working shown, when the window is drawn, then
        // each bar and each text of the sum, and each line of the working, puts pixels where it
        // sits that a person tells from the background (3 : 1 at least).
        m_ui->named<QAction>("MenWorking")->trigger();
        m_ui->named<QLineEdit>("Text5")->setText(QStringLiteral("1"));
        m_ui->named<QLineEdit>("Text3")->setText(QStringLiteral("1"));
        m_ui->named<QLineEdit>("Text1")->setText(QStringLiteral("2"));
        m_ui->named<QLineEdit>("Text4")->setText(QStringLiteral("2"));
        m_ui->named<QLineEdit>("Text2")->setText(QStringLiteral("3"));
        m_ui->named<QPushButton>("Command1")->click();
        QWidget* client = m_ui->window.centralWidget();
        const QImage image = client->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        const QRgb background = client->palette().color(QPalette::Window).rgb();
        QList<QWidget*> drawn = control("PicWorking")->findChildren<QWidget*>();
        QCOMPARE(drawn.size(), 5);
        for (const char* name :
             {"Line1", "Line2", "Line3", "Label3", "Label4", "Label6", "Label2", "Label1"})
            drawn << control(name);
        for (QWidget* w : drawn) {
            const QRect r(w->parentWidget()->mapTo(client, w->pos()), w->size());
            const QString name =
                w->objectName() + QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            double ink = 1;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    ink = std::max(ink,
                                   test::contrastRatio(image.pixel(QPoint(x, y) * scale) & 0xFFFFFF,
                                                       background & 0xFFFFFF));
            QVERIFY2(ink >= 3, qPrintable(QStringLiteral("%1: %2").arg(name).arg(ink)));
        }
    }

    void f10AndAltLeadIntoTheMenus_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("F10") << Qt::Key_F10;
        QTest::newRow("Alt") << Qt::Key_Alt;
    }
    void f10AndAltLeadIntoTheMenus() {
        QFETCH(Qt::Key, key);
        QMenuBar* bar = m_ui->window.menuBar();
        QTest::keyClick(control("Text5"), key);
        QCOMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(bar->activeAction(), m_ui->named<QMenu>("MewnFile")->menuAction());
        QVERIFY(!m_ui->named<QMenu>("MewnFile")->isVisible()); // selected, not yet open
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), m_ui->named<QMenu>("MenView")->menuAction());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), m_ui->named<QMenu>("MenHelp")->menuAction());
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), control("Text5"));
        QVERIFY(!bar->activeAction());

        // Down opens the help menu and Enter chooses its item.
        QTest::keyClick(control("Text5"), key);
        QTest::keyClick(bar, Qt::Key_Left); // round from the first menu to the last
        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_VERIFY(m_ui->named<QMenu>("MenHelp")->isVisible());
        QTest::keyClick(m_ui->named<QMenu>("MenHelp"), Qt::Key_Return);
        QTRY_COMPARE(m_ui->boxes.boxes.size(), 1);
        QCOMPARE(m_ui->boxes.boxes[0].title, QStringLiteral("バージョン情報"));
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
    }
    void enterPressesTheFocusedButton() {
        QFETCH(Qt::Key, key);
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClicks(control("Text3"), "1");
        QTest::keyClicks(control("Text1"), "2");
        QTest::keyClicks(control("Text4"), "1");
        QTest::keyClicks(control("Text2"), "3");
        QTest::keyClick(control("Text2"), key, modifiers); // a box: nothing
        QVERIFY(control<QLabel>("Label1")->text().isEmpty());
        QTest::keyClick(control("Command1"), key, modifiers);
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("6"));
        QTest::keyClick(control("Command2"), key, modifiers);
        QVERIFY(control<QLineEdit>("Text3")->text().isEmpty());
        QCOMPARE(m_ui->runUntilClosed([this, key, modifiers] {
            QTest::keyClick(control("Command3"), key, modifiers);
        }),
                 0);
    }

    void workingItemGrowsTheWindowAndShrinksItBack() {
        // 途中の式 grows the window down to hold the area, which no Tab reaches, and shrinks it
        // back; the controls and the focus stay where they were.
        auto* item = m_ui->named<QAction>("MenWorking");
        const int designedHeight = m_ui->window.height();
        for (const bool shown : {true, false}) {
            item->trigger();
            QCOMPARE(item->isChecked(), shown);
            QCOMPARE(control("PicWorking")->isVisible(), shown);
            QTRY_COMPARE(m_ui->window.height(), designedHeight + (shown ? 226 : 0));
            QCOMPARE(control("Command1")->geometry(), QRect(312, 120, 73, 41));
            QCOMPARE(QApplication::focusWidget(), control("Text5"));
        }
        QCOMPARE(control("PicWorking")->focusPolicy(), Qt::NoFocus);
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points"); // 0: the window's default font
        QTest::newRow("plus 24") << "Label3" << qreal(24);
        QTest::newRow("equals 24") << "Label4" << qreal(24);
        QTest::newRow("sign 21.75") << "Label5" << qreal(21.75);
        QTest::newRow("whole default") << "Label6" << qreal(0);
        QTest::newRow("numerator default") << "Label2" << qreal(0);
        QTest::newRow("box default") << "Text3" << qreal(0);
        QTest::newRow("button default") << "Command1" << qreal(0);
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        const QFont font = control(name.toLatin1().constData())->font();
        if (points == 0) {
            QCOMPARE(font, QApplication::font());
            return;
        }
        QCOMPARE(font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // Where the design font is absent, an installed Japanese font must stand in for it.
        const QString shown = QFontInfo(font).family();
        QVERIFY2(QFont::substitutes(font.family()).contains(shown, Qt::CaseInsensitive),
                 qPrintable(shown));
    }

    void defaultFontDrawsJapanese() {
        const QFontMetrics metrics(QApplication::font());
        for (const QChar c :
             QStringLiteral("計算消す終了ファイルヘルプバージョン情報エラーメッセージ"))
            QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }

    void startsEmpty() {
        for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
            QVERIFY(control<QLineEdit>(box)->text().isEmpty());
            QCOMPARE(control<QLineEdit>(box)->maxLength(), std::numeric_limits<int>::max());
        }
        for (const char* label : {"Label1", "Label2", "Label5", "Label6"})
            QVERIFY(control<QLabel>(label)->text().isEmpty());
        QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("+"));
        QCOMPARE(control<QLabel>("Label4")->text(), QStringLiteral("="));
        QCOMPARE(control<QPushButton>("Command1")->text(), QStringLiteral("計算"));
        QCOMPARE(control<QPushButton>("Command2")->text(), QStringLiteral("消す"));
        QCOMPARE(control<QPushButton>("Command3")->text(), QStringLiteral("終了"));
        QCOMPARE(m_ui->window.findChildren<FractionBar*>().size(), 3);
        QCOMPARE(QApplication::focusWidget(), control("Text5"));
    }

    void tabVisitsBoxesThenButtons() {
        const char* expected[] = {"Text3",    "Text1",    "Text6",    "Text4", "Text2",
                                  "Command3", "Command2", "Command1", "Text5"};
        for (const char* name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void labelsAndBarsRefuseFocus() {
        for (QLabel* label : m_ui->window.findChildren<QLabel*>()) {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), control("Text5"));
        }
        for (FractionBar* bar : m_ui->window.findChildren<FractionBar*>())
            QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
    }

    void enterAndEscapeInABoxDoNothing() {
        QTest::keyClicks(control("Text3"), "1");
        QTest::keyClicks(control("Text1"), "2");
        QTest::keyClicks(control("Text4"), "1");
        QTest::keyClicks(control("Text2"), "3");
        for (const char* box : {"Text5", "Text3", "Text2"})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(control(box), key);
        QVERIFY(control<QLabel>("Label1")->text().isEmpty());
        QVERIFY(control<QLabel>("Label2")->text().isEmpty());
        QVERIFY(m_ui->boxes.boxes.isEmpty());
        QVERIFY(m_ui->window.isVisible());
        for (QPushButton* button : m_ui->window.findChildren<QPushButton*>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
    }

    void menus_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("menuName");
        QTest::addColumn<QString>("menuTitle");
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("itemText");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("file") << 0 << "MewnFile"
                              << "ファイル"
                              << "MenEnd"
                              << "終了" << false;
        QTest::newRow("view") << 1 << "MenView"
                              << "表示"
                              << "MenWorking"
                              << "途中の式" << true;
        QTest::newRow("help") << 2 << "MenHelp"
                              << "ヘルプ"
                              << "MenVer"
                              << "バージョン情報" << false;
    }
    void menus() {
        QFETCH(int, index);
        QFETCH(QString, menuName);
        QFETCH(QString, menuTitle);
        QFETCH(QString, itemName);
        QFETCH(QString, itemText);
        QFETCH(bool, checkable);
        const QList<QAction*> bar = m_ui->window.menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QMenu* menu = bar.at(index)->menu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), menuName);
        QCOMPARE(menu->title(), menuTitle);
        QCOMPARE(menu->actions().size(), 1);
        QAction* item = menu->actions().first();
        QCOMPARE(item->objectName(), itemName);
        QCOMPARE(item->text(), itemText);
        QVERIFY(item->shortcut().isEmpty());
        QCOMPARE(item->isCheckable(), checkable);
        QVERIFY(!item->isChecked()); // the working is off at start
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("whole 1") << "Text5"
                                 << "1つ目の数の整数部分";
        QTest::newRow("numerator 1") << "Text3"
                                     << "1つ目の数の分子";
        QTest::newRow("denominator 1") << "Text1"
                                       << "1つ目の数の分母";
        QTest::newRow("whole 2") << "Text6"
                                 << "2つ目の数の整数部分";
        QTest::newRow("numerator 2") << "Text4"
                                     << "2つ目の数の分子";
        QTest::newRow("denominator 2") << "Text2"
                                       << "2つ目の数の分母";
        QTest::newRow("sign") << "Label5"
                              << "答えの符号";
        QTest::newRow("result whole") << "Label6"
                                      << "答えの整数部分";
        QTest::newRow("result numerator") << "Label2"
                                          << "答えの分子";
        QTest::newRow("result denominator") << "Label1"
                                            << "答えの分母";
        QTest::newRow("quit") << "Command3"
                              << "終了";
        QTest::newRow("clear") << "Command2"
                               << "消す";
        QTest::newRow("calculate") << "Command1"
                                   << "計算";
    }
    void accessibleNames() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(control(name.toLatin1().constData()));
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), spoken);
    }

    void stockTextsAreJapanese() {
        std::unique_ptr<QMenu> menu(control<QLineEdit>("Text3")->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QVERIFY2(texts.join(' ').contains(QStringLiteral("元に戻す")), qPrintable(texts.join(',')));
        QVERIFY2(texts.join(' ').contains(QStringLiteral("貼り付け")), qPrintable(texts.join(',')));
    }

    void closingEndsTheEventLoop() {
        QCOMPARE(m_ui->runUntilClosed([this] { m_ui->window.windowHandle()->close(); }), 0);
        QVERIFY(!m_ui->window.isVisible());
    }

    void realMessageBoxShowsTwoLinesAndCloses_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shownIcon");
        QTest::newRow("information") << MessageIcon::Information << QMessageBox::Information;
        QTest::newRow("critical") << MessageIcon::Critical << QMessageBox::Critical;
    }
    void realMessageBoxShowsTwoLinesAndCloses() {
        // Given the real boxes, when a text with a lone carriage return is shown, then the box
        // is modal, has only OK, and shows the text as two lines; a timer answers it.
        QFETCH(MessageIcon, icon);
        QFETCH(QMessageBox::Icon, shownIcon);
        QString seenText;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        QString seenTitle;
        int buttons = 0;
        int width = 0;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenText = box->text();
            seenIcon = box->icon();
            seenTitle = box->windowTitle();
            buttons = static_cast<int>(box->buttons().size());
            width = box->width();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const QString title = QStringLiteral("エラーメッセージ");
        QtMessageBoxes().show(&m_ui->window, QStringLiteral("一行目\n二行目"), title, icon);
        QCOMPARE(seenText, QStringLiteral("一行目\n二行目"));
        QCOMPARE(seenIcon, shownIcon);
        QCOMPARE(seenTitle, title);
        QCOMPARE(buttons, 1);
        // Wide enough for the whole title and three title-bar buttons beside it.
        QVERIFY2(width >= QFontMetrics(QApplication::font()).horizontalAdvance(title) + 3 * 32,
                 qPrintable(QString::number(width)));
    }
};

ZELVANU_TEST_MAIN(TestForm1)
#include "form1_test.moc"
