// The window's commands driven as a user drives them: typing, input-method commits, clicks on
// the buttons and menu items; the message boxes are recorded instead of shown.

#include "test_main.h"
#include "typing.h"
#include "ui/form1.h"
#include "ui/result_label.h"
#include "window_under_test.h"
#include "zelvanu_version.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <memory>

using namespace zelvanu;

namespace {
const QString kEnter = QStringLiteral("数値を入れてください");
const QString kDenominator = QStringLiteral("分母を１以上の整数にしてください。");
const QString kErrorTitle = QStringLiteral("エラーメッセージ");
} // namespace

class TestCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> m_ui;

    // Types the six texts into Text1..Text6 (after emptying them).
    void type(const QStringList& texts) {
        QLineEdit* boxes[] = {m_ui->named<QLineEdit>("Text1"), m_ui->named<QLineEdit>("Text2"),
                              m_ui->named<QLineEdit>("Text3"), m_ui->named<QLineEdit>("Text4"),
                              m_ui->named<QLineEdit>("Text5"), m_ui->named<QLineEdit>("Text6")};
        for (int i = 0; i < 6; ++i) {
            boxes[i]->clear();
            typeText(boxes[i], texts.value(i));
        }
    }
    void calculate() { QTest::mouseClick(m_ui->named<QPushButton>("Command1"), Qt::LeftButton); }
    // Sign, whole, numerator, denominator as shown.
    QStringList shown() const {
        return {
            m_ui->named<ResultLabel>("Label5")->text(), m_ui->named<ResultLabel>("Label6")->text(),
            m_ui->named<ResultLabel>("Label2")->text(), m_ui->named<ResultLabel>("Label1")->text()};
    }
    static QStringList blank() { return {"", "", "", ""}; }
    QStringList boxTexts() const {
        return {m_ui->named<QLineEdit>("Text1")->text(), m_ui->named<QLineEdit>("Text2")->text(),
                m_ui->named<QLineEdit>("Text3")->text(), m_ui->named<QLineEdit>("Text4")->text(),
                m_ui->named<QLineEdit>("Text5")->text(), m_ui->named<QLineEdit>("Text6")->text()};
    }

    // The working as a screen reader finds it: the area's lines by their names, top to bottom.
    QStringList spokenWorking() const {
        QAccessibleInterface* area =
            QAccessible::queryAccessibleInterface(m_ui->named<QWidget>("PicWorking"));
        QStringList lines;
        for (int i = 0; i < area->childCount(); ++i)
            lines << area->child(i)->text(QAccessible::Name);
        return lines;
    }

private slots:
    void init() {
        m_ui = std::make_unique<WindowUnderTest>();
        QVERIFY(m_ui->showActive());
    }
    void cleanup() { m_ui.reset(); }

    void calculateShowsTheSum_data() {
        // Boxes in the order Text1..Text6: denominators, numerators, whole parts.
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("expected"); // sign, whole, numerator, denominator
        QTest::newRow("1/2 + 1/3")
            << QStringList{"2", "3", "1", "1", "", ""} << QStringList{"", "", "5", "6"};
        QTest::newRow("1 1/2 + 2/3")
            << QStringList{"2", "3", "1", "2", "1", ""} << QStringList{"", "2", "1", "6"};
        QTest::newRow("halves make 1")
            << QStringList{"2", "2", "1", "1", "", ""} << QStringList{"", "1", "", ""};
        QTest::newRow("-1/2 + 1/3")
            << QStringList{"2", "3", "1", "1", "-", ""} << QStringList{"-", "", "1", "6"};
        QTest::newRow("-2/3 + 0/2")
            << QStringList{"3", "2", "2", "0", "-", ""} << QStringList{"-", "", "2", "3"};
        QTest::newRow("-(1 1/2) + 0")
            << QStringList{"2", "1", "1", "0", "-1", ""} << QStringList{"-", "1", "1", "2"};
        QTest::newRow("negative whole-number sum")
            << QStringList{"2", "2", "1", "1", "-", "-"} << QStringList{"-", "1", "", ""};
        QTest::newRow("zero sum") << QStringList{"2", "2", "1", "1", "", "-"}
                                  << QStringList{"", "0", "", ""};
        QTest::newRow("full-width typed")
            << QStringList{"４", "４", "１", "１", "", ""} << QStringList{"", "", "1", "2"};
        QTest::newRow("-(2 1/2) + -(1 1/3)")
            << QStringList{"2", "3", "1", "1", "-2", "-1"} << QStringList{"-", "3", "5", "6"};
    }
    void calculateShowsTheSum() {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, expected);
        type(boxes);
        calculate();
        QCOMPARE(shown(), expected);
        QVERIFY(m_ui->boxes.boxes.isEmpty());
        QCOMPARE(boxTexts(), boxes);
    }

    void validationMessages_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty numerator") << QStringList{"2", "3", "", "1", "1", "1"} << kEnter;
        QTest::newRow("empty wins over zero denominator")
            << QStringList{"0", "", "1", "1", "", ""} << kEnter;
        QTest::newRow("zero denominator")
            << QStringList{"0", "3", "1", "1", "", ""} << kDenominator;
        QTest::newRow("negative denominator")
            << QStringList{"2", "-3", "1", "1", "", ""} << kDenominator;
        QTest::newRow("letters denominator")
            << QStringList{"abc", "3", "1", "1", "", ""} << kDenominator;
    }
    void validationMessages() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        type({"2", "3", "1", "1", "", ""});
        calculate(); // a result first: the message must blank it
        type(boxes);
        calculate();
        QCOMPARE(m_ui->boxes.boxes.size(), 1);
        QCOMPARE(m_ui->boxes.boxes[0].text, message);
        QCOMPARE(m_ui->boxes.boxes[0].title, kErrorTitle);
        QCOMPARE(m_ui->boxes.boxes[0].icon, MessageIcon::Critical);
        QCOMPARE(m_ui->boxes.boxes[0].parent, &m_ui->window);
        QCOMPARE(shown(), blank());
        QCOMPARE(boxTexts(), boxes);
    }

    void workingShowsEachStep_data() {
        // Lines as a pupil reads them aloud, worked out by hand from the school method.
        QTest::addColumn<QStringList>("boxes"); // Text1..Text6
        QTest::addColumn<QString>("spoken");    // the lines, parted by "|"
        QTest::newRow("1 1/2 + 2/3") << QStringList{"2", "3", "1", "2", "1", ""}
                                     << "1 と 2分の1 たす 3分の2|仮分数に直す 2分の3 たす 3分の2|"
                                        "通分する 6分の9 たす 6分の4|分子をたす 6分の13|"
                                        "帯分数に直す 2 と 6分の1";
        QTest::newRow("1/6 + 1/3") << QStringList{"6", "3", "1", "1", "", ""}
                                   << "6分の1 たす 3分の1|通分する 6分の1 たす 6分の2|"
                                      "分子をたす 6分の3|約分する 2分の1";
        QTest::newRow("1 1/4 + 1 1/4") << QStringList{"4", "4", "1", "1", "1", "1"}
                                       << "1 と 4分の1 たす 1 と 4分の1|仮分数に直す 4分の5 たす "
                                          "4分の5|分子をたす 4分の10|帯分数に直す 2 と 4分の2|"
                                          "約分する 2 と 2分の1";
        QTest::newRow("-2 1/3 + 1/2")
            << QStringList{"3", "2", "1", "1", "-2", ""}
            << "マイナス 2 と 3分の1 たす 2分の1|仮分数に直す マイナス 3分の7 たす 2分の1|"
               "通分する マイナス 6分の14 たす 6分の3|分子をたす マイナス 6分の11|"
               "帯分数に直す マイナス 1 と 6分の5";
        QTest::newRow("-1/2 + (-1/2)") << QStringList{"2", "2", "1", "1", "-", "-"}
                                       << "マイナス 2分の1 たす マイナス 2分の1|"
                                          "分子をたす マイナス 2分の2|整数に直す マイナス 1";
        QTest::newRow("1/2 + (-1/2)")
            << QStringList{"2", "2", "1", "1", "", "-"}
            << "2分の1 たす マイナス 2分の1|分子をたす 2分の0|整数に直す 0";
        QTest::newRow("six lines, the most there are")
            << QStringList{"6", "3", "1", "1", "1", ""}
            << "1 と 6分の1 たす 3分の1|仮分数に直す 6分の7 たす 3分の1|通分する 6分の7 たす "
               "6分の2|分子をたす 6分の9|帯分数に直す 1 と 6分の3|約分する 1 と 2分の1";
        QTest::newRow("overflow") << QStringList{"200", "200", "1", "1", "", ""}
                                  << "200分の1 たす 200分の1|通分する 200 かける 200 は "
                                     "40000、32767 より大きいので オーバーフロー";
        QTest::newRow("message") << QStringList{"0", "3", "1", "1", "", ""} << QString();
    }
    void workingShowsEachStep() {
        // Given the working shown and an answer on it, when the boxes are calculated, then the
        // area holds their own working, every line inside it; clearing empties it.
        QFETCH(QStringList, boxes);
        QFETCH(QString, spoken);
        m_ui->named<QAction>("MenWorking")->trigger();
        type({"2", "3", "1", "1", "", ""});
        calculate();
        type(boxes);
        calculate();
        QCOMPARE(spokenWorking(), spoken.split('|', Qt::SkipEmptyParts));
        auto* area = m_ui->named<QWidget>("PicWorking");
        for (QWidget* line : area->findChildren<QWidget*>())
            QVERIFY2(area->rect().contains(line->geometry()), qPrintable(spoken));
        m_ui->named<QPushButton>("Command2")->click();
        QCOMPARE(spokenWorking(), QStringList{});
    }

    void runTimeErrorIsReportedAndTheProgramGoesOn() {
        type({"2", "3", "1", "1", "", ""});
        calculate();
        type({"200", "200", "1", "1", "", ""}); // the denominators' product overflows
        calculate();
        QCOMPARE(shown(), blank());
        QCOMPARE(m_ui->boxes.boxes.size(), 1);
        QCOMPARE(m_ui->boxes.boxes[0].icon, MessageIcon::Critical);
        QCOMPARE(m_ui->boxes.boxes[0].title, QStringLiteral("Zelvanu"));
        QCOMPARE(m_ui->boxes.boxes[0].parent, &m_ui->window);
        QVERIFY(m_ui->boxes.boxes[0].text.contains(QStringLiteral("'6'")));
        QVERIFY(m_ui->boxes.boxes[0].text.contains(QStringLiteral("オーバーフロー")));
        QVERIFY(m_ui->window.isVisible());
        type({"20", "30", "1", "1", "", ""});
        calculate();
        QCOMPARE(shown(), (QStringList{"", "", "1", "12"}));
    }

    void calculatingTwiceShowsTheSame() {
        type({"12", "18", "5", "7", "-2", ""});
        calculate();
        const QStringList first = shown();
        QCOMPARE(first, (QStringList{"-", "2", "1", "36"}));
        calculate();
        QCOMPARE(shown(), first);
    }

    void secondCalculationBlanksTheFirst() {
        type({"2", "3", "1", "2", "1", ""}); // 2 1/6
        calculate();
        type({"2", "3", "1", "1", "", ""}); // 5/6: no whole part
        calculate();
        QCOMPARE(shown(), (QStringList{"", "", "5", "6"}));
    }

    void clearEmptiesBoxesAndResults() {
        type({"2", "3", "1", "2", "1", "4"});
        calculate();
        const CalcState before = m_ui->window.calcState();
        m_ui->named<QLineEdit>("Text4")->setFocus();
        QTest::keyClick(m_ui->named<QLineEdit>("Text4"), Qt::Key_Tab); // focus now on Text2
        QWidget* focused = QApplication::focusWidget();
        m_ui->named<QPushButton>("Command2")->click();
        QCOMPARE(boxTexts(), (QStringList{"", "", "", "", "", ""}));
        QCOMPARE(shown(), blank());
        QCOMPARE(m_ui->named<QLabel>("Label3")->text(), QStringLiteral("+"));
        QCOMPARE(m_ui->named<QLabel>("Label4")->text(), QStringLiteral("="));
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(m_ui->window.calcState().LcmVal, before.LcmVal);
        QCOMPARE(m_ui->window.calcState().SumNum, before.SumNum);
    }

    void inputMethodCommitOfFullWidthDigits() {
        // Given a Japanese input method, when it commits full-width digits into the boxes,
        // then they count as the digits they stand for.
        const std::pair<QLineEdit*, QString> commits[] = {
            {m_ui->named<QLineEdit>("Text3"), QStringLiteral("１")},
            {m_ui->named<QLineEdit>("Text1"), QStringLiteral("２")},
            {m_ui->named<QLineEdit>("Text4"), QStringLiteral("１")},
            {m_ui->named<QLineEdit>("Text2"), QStringLiteral("３")},
            {m_ui->named<QLineEdit>("Text5"), QStringLiteral("ー")},
        };
        for (const auto& [box, text] : commits) {
            box->setFocus();
            QInputMethodEvent preedit(text, {});
            QApplication::sendEvent(box, &preedit);
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
            QCOMPARE(box->text(), text);
        }
        calculate();
        // "ー" alone is not the minus text, and reads as no number: a zero whole part.
        QCOMPARE(shown(), (QStringList{"", "", "5", "6"}));
    }

    void versionMenuShowsTheVersionBox() {
        m_ui->named<QAction>("MenVer")->trigger();
        QCOMPARE(m_ui->boxes.boxes.size(), 1);
        QVERIFY(m_ui->boxes.boxes[0].text.startsWith(
            QStringLiteral("Zelvanuver" ZELVANU_VERSION_STRING "\n")));
        QCOMPARE(m_ui->boxes.boxes[0].title, QStringLiteral("バージョン情報"));
        QCOMPARE(m_ui->boxes.boxes[0].icon, MessageIcon::Information);
        QCOMPARE(m_ui->boxes.boxes[0].parent, &m_ui->window);
    }

    void quitEndsTheProgram_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("quit button") << 0;
        QTest::newRow("quit menu item") << 1;
        QTest::newRow("close box") << 2;
    }
    void quitEndsTheProgram() {
        QFETCH(int, how);
        const int status = m_ui->runUntilClosed([this, how] {
            if (how == 0)
                QTest::mouseClick(m_ui->named<QPushButton>("Command3"), Qt::LeftButton);
            else if (how == 1)
                m_ui->named<QAction>("MenEnd")->trigger();
            else
                m_ui->window.windowHandle()->close();
        });
        QCOMPARE(status, 0);
        QVERIFY(!m_ui->window.isVisible());
        QVERIFY(m_ui->boxes.boxes.isEmpty()); // no confirmation asked
    }
};

ZELVANU_TEST_MAIN(TestCommands)
#include "commands_test.moc"
