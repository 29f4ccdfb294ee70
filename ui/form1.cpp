#include "ui/form1.h"

#include "host/startup.h"
#include "ui/answer_region.h"
#include "ui/fraction_bar.h"
#include "ui/keyboard_access.h"
#include "ui/result_label.h"
#include "ui/working_area.h"

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

QRect pixels(const Control& c) {
    using layout::twipsToPixels;
    // A bar is a line one pixel high.
    return {twipsToPixels(c.rect.left), twipsToPixels(c.rect.top), twipsToPixels(c.rect.width),
            c.kind == ControlKind::Bar ? 1 : twipsToPixels(c.rect.height)};
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

Qt::Alignment alignment(Align align) {
    switch (align) {
    case Align::Center:
        return Qt::AlignCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QLineEdit* newBox(QWidget* client) {
    auto* box = new QLineEdit(client);
    // Whatever is typed or pasted reaches the calculation whole: the boxes set no length limit
    // (Qt's default would cut a paste at 32767 characters) and filter nothing. The negative
    // margins take back the two pixels a side that Qt keeps inside the frame, so a whole-part
    // box shows -32768 and a fraction box 32767 in full instead of scrolling their first digits
    // out of sight.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setTextMargins(-2, 0, -2, 0);
    return box;
}

QLabel* newLabel(const Control& c, QWidget* client) {
    QLabel* label = c.kind == ControlKind::ResultLabel ? new ResultLabel(qt(c.spokenName), client)
                                                       : new QLabel(qt(c.caption), client);
    label->setAlignment(alignment(c.align));
    return label;
}

QPushButton* newButton(const Control& c, QWidget* client) {
    auto* button = new QPushButton(qt(c.caption), client);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// A control of the client area as its row describes it: place, caption, font, alignment and
// spoken name.
QWidget* newControl(const Control& c, QWidget* client) {
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::TextBox:
        w = newBox(client);
        break;
    case ControlKind::Label:
    case ControlKind::ResultLabel:
        w = newLabel(c, client);
        break;
    case ControlKind::Bar:
        w = new FractionBar(client);
        break;
    case ControlKind::Button:
        w = newButton(c, client);
        break;
    case ControlKind::WorkingArea:
        w = new WorkingArea(client); // hidden until the working is turned on
        break;
    case ControlKind::Menu:
    case ControlKind::MenuItem:
        return nullptr;
    }
    w->setObjectName(qt(c.name));
    w->setGeometry(pixels(c));
    if (c.kind != ControlKind::ResultLabel && !c.spokenName.empty())
        w->setAccessibleName(qt(c.spokenName));
    if (c.designFontPoints > 0)
        w->setFont(designFont(c.designFontPoints));
    return w;
}

} // namespace

Form1::Form1(MessageBoxes& boxes, bool workingShown, QWidget* parent)
    : QMainWindow(parent), m_boxes(boxes) {
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
    if (workingShown)
        m_commands.showWorking(true);

    // The controls keep their places, so the window keeps its size: the design's, or the taller
    // one while the working shows.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    as<QWidget>(tabOrder().front())->setFocus();
}

void Form1::buildControls(QWidget* client) {
    m_answer = new AnswerRegion(client); // first, so that it lies under the result labels
    QRect answer;
    QList<QPushButton*> buttons;
    for (const Control& c : kControls) {
        QWidget* w = newControl(c, client);
        if (!w)
            continue;
        m_controls[static_cast<std::size_t>(c.id)] = w;
        if (c.kind == ControlKind::ResultLabel)
            answer |= w->geometry();
        if (c.kind == ControlKind::Button)
            buttons.append(static_cast<QPushButton*>(w));
    }
    m_answer->setGeometry(answer);

    const auto order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(as<QWidget>(order[i - 1]), as<QWidget>(order[i]));
    addKeyboardAccess(this, buttons);
}

void Form1::buildMenus() {
    QMenu* menu = nullptr;
    for (const Control& c : kControls) {
        QObject* made;
        if (c.kind == ControlKind::Menu) {
            made = menu = menuBar()->addMenu(qt(c.caption));
        } else if (c.kind == ControlKind::MenuItem) {
            QAction* item = menu->addAction(qt(c.caption));
            item->setCheckable(c.checkable);
            made = item;
        } else {
            continue;
        }
        made->setObjectName(qt(c.name));
        m_controls[static_cast<std::size_t>(c.id)] = made;
    }
}

// Every button and menu item hands its clicks to the commands by its design name.
void Form1::connectCommands() {
    for (const Control& c : kControls) {
        const auto click = [this, name = c.name] {
            m_commands.click(name);
        };
        if (c.kind == ControlKind::Button)
            connect(as<QPushButton>(c.id), &QPushButton::clicked, this, click);
        else if (c.kind == ControlKind::MenuItem)
            connect(as<QAction>(c.id), &QAction::triggered, this, click);
    }
}

} // namespace zelvanu
