// A long seeded random session in the real window: typing and pasting all kinds of text into
// random boxes, calculating, clearing and opening the version box. After every calculation the
// labels must show what a fresh Calculator gives for the boxes' texts, or stay blank when it
// gives a message or a fault; nothing may crash. Set ZELVANU_RANDOM_SEED to try other sessions.

#include "form/form1_texts.h"
#include "test_main.h"
#include "typing.h"
#include "ui/form1.h"
#include "ui/result_label.h"
#include "window_under_test.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <random>

using namespace zelvanu;

namespace {

// Characters a user might type or paste, weighted towards the ones that make numbers.
const QString kAlphabet =
    QStringLiteral("0123456789012345678901234-+-. \t　０１２３４５６７８９－＋．ーー−abcxyz,eE");

class Session {
public:
    explicit Session(unsigned seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString text() {
        switch (below(12)) {
        case 0:
            return {}; // empty
        case 1:        // very long: a pasted page of digits, sometimes beyond the box's limit
            return QString(below(2) ? 40000 : 300, QLatin1Char('0' + below(10)));
        case 2:
            return QStringLiteral("-");
        case 3:
        case 4:
        case 5:
        case 6:
        case 7: { // a small number, the usual input
            const QString n = QString::number(below(40) - 8);
            return below(4) ? n : toFullWidth(n);
        }
        default: {
            QString s;
            for (int n = 1 + below(6); n > 0; --n)
                s += kAlphabet.at(below(static_cast<int>(kAlphabet.size())));
            return s;
        }
        }
    }

    static QString toFullWidth(QString s) {
        for (QChar& c : s)
            c = c == QLatin1Char('-') ? QChar(0xFF0D) : QChar(c.unicode() - '0' + 0xFF10);
        return s;
    }

private:
    std::mt19937 m_random;
};

} // namespace

class TestRandomInput : public QObject {
    Q_OBJECT

private slots:
    void randomSessionMatchesTheKernel() {
        bool seedOk = false;
        const unsigned seed = qEnvironmentVariableIntValue("ZELVANU_RANDOM_SEED", &seedOk);
        Session session(seedOk ? seed : 20261207u);
        qInfo("seed %u", seedOk ? seed : 20261207u);

        WindowUnderTest ui;
        QVERIFY(ui.showActive());
        Form1& w = ui.window;
        RecordingBoxes& boxes = ui.boxes;
        QLineEdit* const texts[] = {ui.named<QLineEdit>("Text1"), ui.named<QLineEdit>("Text2"),
                                    ui.named<QLineEdit>("Text3"), ui.named<QLineEdit>("Text4"),
                                    ui.named<QLineEdit>("Text5"), ui.named<QLineEdit>("Text6")};
        int calculations = 0, results = 0, messages = 0, faults = 0;

        for (int action = 0; action < 20000; ++action) {
            QLineEdit* box = texts[session.below(6)];
            switch (session.below(32)) {
            case 0: // paste over everything
            case 1:
            case 2: {
                const QString pasted = session.text();
                QApplication::clipboard()->setText(pasted);
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                if (!pasted.isEmpty()) // pasting nothing leaves the selected text
                    QCOMPARE(box->text(), pasted);
                break;
            }
            case 3: // erase
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Backspace);
                break;
            case 4: // type at the end
            case 5:
                QTest::keyClick(box, Qt::Key_End);
                typeText(box, session.text().left(8));
                break;
            case 6: // clear everything
                QTest::mouseClick(ui.named<QPushButton>("Command2"), Qt::LeftButton);
                for (QLineEdit* t : texts)
                    QVERIFY(t->text().isEmpty());
                break;
            case 7: // the version box
                ui.named<QAction>("MenVer")->trigger();
                QCOMPARE(boxes.boxes.last().title, QStringLiteral("バージョン情報"));
                break;
            case 8:
            case 9:
            case 10:
            case 11:
            case 12:
            case 13:
            case 14: { // calculate, and compare with a fresh calculator
                const int boxesBefore = static_cast<int>(boxes.boxes.size());
                QTest::mouseClick(ui.named<QPushButton>("Command1"), Qt::LeftButton);
                ++calculations;
                ResultFields expected;
                QString expectedBox;
                Calculator fresh;
                try {
                    const CalcOutcome out =
                        fresh.calculate(ui.named<QLineEdit>("Text1")->text().toStdString(),
                                        ui.named<QLineEdit>("Text2")->text().toStdString(),
                                        ui.named<QLineEdit>("Text3")->text().toStdString(),
                                        ui.named<QLineEdit>("Text4")->text().toStdString(),
                                        ui.named<QLineEdit>("Text5")->text().toStdString(),
                                        ui.named<QLineEdit>("Text6")->text().toStdString());
                    if (const auto* fields = std::get_if<ResultFields>(&out)) {
                        expected = *fields;
                        ++results;
                    } else {
                        expectedBox = QString::fromStdString(std::get<std::string>(out));
                        ++messages;
                    }
                } catch (const RunTimeError& e) {
                    expectedBox = QString::fromStdString(withLineFeeds(runTimeErrorText(e)));
                    ++faults;
                }
                const QStringList shown{ui.named<ResultLabel>("Label5")->text(),
                                        ui.named<ResultLabel>("Label6")->text(),
                                        ui.named<ResultLabel>("Label2")->text(),
                                        ui.named<ResultLabel>("Label1")->text()};
                const QStringList wanted{QString::fromStdString(expected.sign),
                                         QString::fromStdString(expected.whole),
                                         QString::fromStdString(expected.numerator),
                                         QString::fromStdString(expected.denominator)};
                QCOMPARE(shown, wanted);
                if (expectedBox.isEmpty()) {
                    QCOMPARE(boxes.boxes.size(), boxesBefore);
                } else {
                    QCOMPARE(boxes.boxes.size(), boxesBefore + 1);
                    QCOMPARE(boxes.boxes.last().text, expectedBox);
                }
                break;
            }
            default: // type over what is there
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                typeText(box, session.text().left(8));
            }
            boxes.boxes.clear();
        }
        QVERIFY(w.isVisible());
        qInfo("%d calculations: %d results, %d messages, %d run-time errors", calculations, results,
              messages, faults);
        // The session must exercise every kind of outcome, or it proves little.
        QVERIFY(results > 100 && messages > 100 && faults > 10);
    }
};

ZELVANU_TEST_MAIN(TestRandomInput)
#include "random_input_test.moc"
