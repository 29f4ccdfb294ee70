#include "ui/form1.h"

#include "host/startup.h"
#include "ui/form1_layout.h"
#include "ui/fraction_bar.h"
#include "ui/keyboard_access.h"
#include "ui/result_label.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <limits>

#include "ui/icons/zelvanu.xpm" // defines zelvanu_icon

namespace zelvanu {

namespace {

QRect pixels(const layout::Box& b) {
    using layout::twipsToPixels;
    return {twipsToPixels(b.left), twipsToPixels(b.top), twipsToPixels(b.width),
            twipsToPixels(b.height)};
}

QRect pixels(const layout::Bar& b) {
    using layout::twipsToPixels;
    return {twipsToPixels(b.x1), twipsToPixels(b.y), twipsToPixels(b.x2 - b.x1), 1};
}

QString objectName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename Widget, typename... Args>
Widget* addControl(QWidget* client, std::string_view name, Args&&... args) {
    auto* w = new Widget(std::forward<Args>(args)..., client);
    w->setObjectName(objectName(name));
    w->setGeometry(pixels(layout::boxNamed(name)));
    return w;
}

FractionBar* addBar(QWidget* client, std::string_view name) {
    auto* bar = new FractionBar(client);
    bar->setObjectName(objectName(name));
    bar->setGeometry(pixels(layout::barNamed(name)));
    return bar;
}

// The "+", "=" and sign labels are drawn in the design font at its own sizes; the other
// controls use the window's default font.
QFont designFont(qreal points) {
    QFont font(designFontFamily());
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

Form1::Form1(MessageBoxes& boxes, QWidget* parent) : QMainWindow(parent), m_boxes(boxes) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zelvanu"));
    // The window keeps its size, so it offers minimise and close but no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // Built from the XPM compiled into the program: no image plug-ins to look up at start-up.
    setWindowIcon(QIcon(QPixmap(zelvanu_icon)));

    auto* client = new QWidget(this);
    client->setFixedSize(layout::twipsToPixels(layout::kClientWidth),
                         layout::twipsToPixels(layout::kClientHeight));
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    connectCommands();
    addKeyboardAccess(this, {Command1, Command2, Command3});

    // The controls keep their places, so the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Text5->setFocus();
}

void Form1::buildControls(QWidget* client) {
    // Created from left to right as they appear on screen.
    Text5 = addControl<QLineEdit>(client, "Text5");
    Text3 = addControl<QLineEdit>(client, "Text3");
    Line1 = addBar(client, "Line1");
    Text1 = addControl<QLineEdit>(client, "Text1");
    Label3 = addControl<QLabel>(client, "Label3", QStringLiteral("+"));
    Text6 = addControl<QLineEdit>(client, "Text6");
    Text4 = addControl<QLineEdit>(client, "Text4");
    Line2 = addBar(client, "Line2");
    Text2 = addControl<QLineEdit>(client, "Text2");
    Label4 = addControl<QLabel>(client, "Label4", QStringLiteral("="));
    m_answer = new QLabel(client); // under the result labels, which it spans
    m_answer->setObjectName(QStringLiteral("answer"));
    m_answer->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label5 = addControl<ResultLabel>(client, "Label5", QStringLiteral("答えの符号"));
    Label6 = addControl<ResultLabel>(client, "Label6", QStringLiteral("答えの整数部分"));
    Label2 = addControl<ResultLabel>(client, "Label2", QStringLiteral("答えの分子"));
    Line3 = addBar(client, "Line3");
    Label1 = addControl<ResultLabel>(client, "Label1", QStringLiteral("答えの分母"));
    m_answer->setGeometry(Label5->geometry() | Label6->geometry() | Label2->geometry() |
                          Label1->geometry());
    Command3 = addControl<QPushButton>(client, "Command3", QStringLiteral("終了"));
    Command2 = addControl<QPushButton>(client, "Command2", QStringLiteral("消す"));
    Command1 = addControl<QPushButton>(client, "Command1", QStringLiteral("計算"));

    Label3->setFont(designFont(24));
    Label4->setFont(designFont(24));
    Label5->setFont(designFont(21.75));

    // The result reads like the operands: the whole part beside the bar, numerator and
    // denominator centred over and under it.
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {Label5, Label2, Label1})
        label->setAlignment(Qt::AlignCenter);

    // What a screen reader says for each box and sign; the result labels name themselves and
    // the buttons speak their captions.
    const std::pair<QWidget*, QString> spoken[] = {
        {Text5, QStringLiteral("1つ目の数の整数部分")},
        {Text3, QStringLiteral("1つ目の数の分子")},
        {Text1, QStringLiteral("1つ目の数の分母")},
        {Text6, QStringLiteral("2つ目の数の整数部分")},
        {Text4, QStringLiteral("2つ目の数の分子")},
        {Text2, QStringLiteral("2つ目の数の分母")},
        {Label3, QStringLiteral("たす")},
        {Label4, QStringLiteral("イコール")},
    };
    for (const auto& [widget, name] : spoken)
        widget->setAccessibleName(name);

    // Tab visits each operand's whole part, numerator and denominator, then quit, clear and
    // calculate. No button is a default button: Enter in a box does not calculate.
    QWidget* const tabOrder[] = {Text5, Text3,    Text1,    Text6,   Text4,
                                 Text2, Command3, Command2, Command1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    for (QPushButton* button : {Command1, Command2, Command3}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    // Whatever is typed or pasted reaches the calculation whole: the boxes set no length limit
    // (Qt's default would cut a paste at 32767 characters) and filter nothing. The negative
    // margins take back the two pixels a side that Qt keeps inside the frame, so a whole-part
    // box shows -32768 and a fraction box 32767 in full instead of scrolling their first digits
    // out of sight.
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6}) {
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setTextMargins(-2, 0, -2, 0);
    }
}

void Form1::buildMenus() {
    MewnFile = menuBar()->addMenu(QStringLiteral("ファイル"));
    MewnFile->setObjectName(QStringLiteral("MewnFile"));
    MenEnd = MewnFile->addAction(QStringLiteral("終了"));
    MenEnd->setObjectName(QStringLiteral("MenEnd"));

    MenHelp = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    MenHelp->setObjectName(QStringLiteral("MenHelp"));
    MenVer = MenHelp->addAction(QStringLiteral("バージョン情報"));
    MenVer->setObjectName(QStringLiteral("MenVer"));
}

void Form1::connectCommands() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(MenEnd, &QAction::triggered, this, &Form1::MenEnd_Click);
    connect(MenVer, &QAction::triggered, this, &Form1::MenVer_Click);
}

} // namespace zelvanu
