#include "ui/form1.h"

#include "form/form1_layout.h"
#include "host/startup.h"
#include "ui/answer_region.h"
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
#include <type_traits>

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

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The "+", "=" and sign labels are drawn in the design font at its own sizes; the other
// controls use the window's default font.
QFont designFont(qreal points) {
    QFont font(designFontFamily());
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

Qt::Alignment alignment(layout::Align align) {
    switch (align) {
    case layout::Align::Center:
        return Qt::AlignCenter;
    case layout::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case layout::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A control as the layout describes it: place, caption, font, alignment and spoken name.
template <typename Widget> Widget* addControl(QWidget* client, std::string_view name) {
    const layout::Box& box = layout::boxNamed(name);
    Widget* w;
    if constexpr (std::is_same_v<Widget, ResultLabel>)
        w = new ResultLabel(qt(box.spokenName), client);
    else
        w = new Widget(client);
    w->setObjectName(qt(name));
    w->setGeometry(pixels(box));
    if constexpr (std::is_same_v<Widget, QLabel> || std::is_same_v<Widget, ResultLabel>)
        w->setAlignment(alignment(box.align));
    if constexpr (!std::is_same_v<Widget, QLineEdit>)
        w->setText(qt(box.caption));
    if constexpr (!std::is_same_v<Widget, ResultLabel>)
        if (!box.spokenName.empty())
            w->setAccessibleName(qt(box.spokenName));
    if (box.designFontPoints > 0)
        w->setFont(designFont(box.designFontPoints));
    return w;
}

FractionBar* addBar(QWidget* client, std::string_view name) {
    auto* bar = new FractionBar(client);
    bar->setObjectName(qt(name));
    bar->setGeometry(pixels(layout::barNamed(name)));
    return bar;
}

} // namespace

Form1::Form1(MessageBoxes& boxes, QWidget* parent) : QMainWindow(parent), m_boxes(boxes) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qt(layout::kWindowTitle));
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
    Label3 = addControl<QLabel>(client, "Label3");
    Text6 = addControl<QLineEdit>(client, "Text6");
    Text4 = addControl<QLineEdit>(client, "Text4");
    Line2 = addBar(client, "Line2");
    Text2 = addControl<QLineEdit>(client, "Text2");
    Label4 = addControl<QLabel>(client, "Label4");
    m_answer = new AnswerRegion(client); // under the result labels, which it spans
    Label5 = addControl<ResultLabel>(client, "Label5");
    Label6 = addControl<ResultLabel>(client, "Label6");
    Label2 = addControl<ResultLabel>(client, "Label2");
    Line3 = addBar(client, "Line3");
    Label1 = addControl<ResultLabel>(client, "Label1");
    m_answer->setGeometry(Label5->geometry() | Label6->geometry() | Label2->geometry() |
                          Label1->geometry());
    Command3 = addControl<QPushButton>(client, "Command3");
    Command2 = addControl<QPushButton>(client, "Command2");
    Command1 = addControl<QPushButton>(client, "Command1");

    for (std::size_t i = 1; i < layout::kTabOrder.size(); ++i)
        setTabOrder(client->findChild<QWidget*>(qt(layout::kTabOrder[i - 1])),
                    client->findChild<QWidget*>(qt(layout::kTabOrder[i])));
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
    const auto& [file, help] = layout::kMenus;
    MewnFile = menuBar()->addMenu(qt(file.caption));
    MewnFile->setObjectName(qt(file.name));
    MenEnd = MewnFile->addAction(qt(file.itemCaption));
    MenEnd->setObjectName(qt(file.itemName));

    MenHelp = menuBar()->addMenu(qt(help.caption));
    MenHelp->setObjectName(qt(help.name));
    MenVer = MenHelp->addAction(qt(help.itemCaption));
    MenVer->setObjectName(qt(help.itemName));
}

void Form1::connectCommands() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(MenEnd, &QAction::triggered, this, &Form1::MenEnd_Click);
    connect(MenVer, &QAction::triggered, this, &Form1::MenVer_Click);
}

} // namespace zelvanu
