// The answer as a screen reader meets it: each result label's name carries its value, the
// result area speaks the whole answer in one phrase, and every change is announced; the result
// area is a notification that appears once the answer is complete, and only then. Runs on a
// real X server with the accessibility bus up, since the toolkit sends no accessibility events
// while no assistive technology could listen.

#include "test_main.h"
#include "typing.h"
#include "ui/form1.h"
#include "ui/result_label.h"
#include "window_under_test.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace zelvanu;

namespace {

QList<QObject*> g_renamed; // objects whose accessible name changed, in order
QList<QObject*> g_shown;   // objects that appeared

void recordNameChanges(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged)
        g_renamed.append(event->object());
    if (event->type() == QAccessible::ObjectShow)
        g_shown.append(event->object());
}

bool showing(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a && !a->state().invisible;
}

QString spokenName(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QStringLiteral("(not accessible)");
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> m_ui;

    QObject* answerArea() { return m_ui->window.findChild<QObject*>(QStringLiteral("answer")); }

    // Sign, whole part, numerator, denominator, then the whole answer, as a screen reader reads
    // them.
    QStringList spokenResult() {
        return {spokenName(m_ui->named<ResultLabel>("Label5")),
                spokenName(m_ui->named<ResultLabel>("Label6")),
                spokenName(m_ui->named<ResultLabel>("Label2")),
                spokenName(m_ui->named<ResultLabel>("Label1")), spokenName(answerArea())};
    }

private slots:
    void initTestCase() {
        // Ask the session bus for the accessibility bus, as a screen reader's start does.
        QDBusConnection::sessionBus().interface()->startService(QStringLiteral("org.a11y.Bus"));
        QTRY_VERIFY2_WITH_TIMEOUT(QAccessible::isActive(), "no accessibility bus", 15000);
        QAccessible::installUpdateHandler(recordNameChanges);
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    void init() {
        m_ui = std::make_unique<WindowUnderTest>();
        QVERIFY(m_ui->showActive());
        g_renamed.clear();
    }
    void cleanup() { m_ui.reset(); }

    void answerIsSpokenAndAnnounced_data() {
        QTest::addColumn<QStringList>("boxes"); // Text1..Text6
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("1 1/2 + 2/3")
            << QStringList{"2", "3", "1", "2", "1", ""}
            << QStringList{"答えの符号", "答えの整数部分 2", "答えの分子 1", "答えの分母 6",
                           "答え 2 と 6分の1"};
        QTest::newRow("-(2 1/2) + -(1 1/3)")
            << QStringList{"2", "3", "1", "1", "-2", "-1"}
            << QStringList{"答えの符号 -", "答えの整数部分 3", "答えの分子 5", "答えの分母 6",
                           "答え マイナス 3 と 6分の5"};
        QTest::newRow("-1/2 + 1/3") << QStringList{"2", "3", "1", "1", "-", ""}
                                    << QStringList{"答えの符号 -", "答えの整数部分", "答えの分子 1",
                                                   "答えの分母 6", "答え マイナス 6分の1"};
        QTest::newRow("zero") << QStringList{"2", "2", "1", "1", "", "-"}
                              << QStringList{"答えの符号", "答えの整数部分 0", "答えの分子",
                                             "答えの分母", "答え 0"};
        QTest::newRow("message leaves it blank")
            << QStringList{"0", "3", "1", "1", "", ""}
            << QStringList{"答えの符号", "答えの整数部分", "答えの分子", "答えの分母", ""};
    }
    void answerIsSpokenAndAnnounced() {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, spoken);
        QLineEdit* const texts[] = {
            m_ui->named<QLineEdit>("Text1"), m_ui->named<QLineEdit>("Text2"),
            m_ui->named<QLineEdit>("Text3"), m_ui->named<QLineEdit>("Text4"),
            m_ui->named<QLineEdit>("Text5"), m_ui->named<QLineEdit>("Text6")};
        for (int i = 0; i < 6; ++i)
            typeText(texts[i], boxes[i]);
        g_renamed.clear();
        g_shown.clear();
        QTest::mouseClick(m_ui->named<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(spokenResult(), spoken);
        QCOMPARE(QAccessible::queryAccessibleInterface(answerArea())->role(),
                 QAccessible::Notification);
        // The notification appears once, complete, or not at all when a message box answers.
        const bool answered = !spoken.last().isEmpty();
        QCOMPARE(g_shown.count(answerArea()), answered ? 1 : 0);
        QCOMPARE(showing(answerArea()), answered);
        // Every label calculate writes, and the answer area, announce their new names.
        for (QObject* written :
             {static_cast<QObject*>(m_ui->named<ResultLabel>("Label1")),
              static_cast<QObject*>(m_ui->named<ResultLabel>("Label2")),
              static_cast<QObject*>(m_ui->named<ResultLabel>("Label5")),
              static_cast<QObject*>(m_ui->named<ResultLabel>("Label6")), answerArea()})
            QVERIFY2(g_renamed.contains(written), qPrintable(written->objectName()));
        QCOMPARE(g_renamed.last(), answerArea()); // the whole answer comes once it is complete

        g_renamed.clear();
        m_ui->named<QPushButton>("Command2")->click();
        QCOMPARE(spokenResult(),
                 (QStringList{"答えの符号", "答えの整数部分", "答えの分子", "答えの分母", ""}));
        QCOMPARE(g_renamed.size(), 5);
        QVERIFY(!showing(answerArea())); // nothing stale to find after clearing
    }
};

ZELVANU_TEST_MAIN(TestAccessibility)
#include "accessibility_test.moc"
