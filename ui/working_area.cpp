#include "ui/working_area.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace zelvanu {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A line is read as text by its spoken text. The name is the interface's own rather than the
// widget's accessible name, so that the lines of each calculation come and go without a name
// change that a screen reader would announce after the answer.
class LineAccessible final : public QAccessibleWidget {
public:
    explicit LineAccessible(WorkingAreaLine* line)
        : QAccessibleWidget(line, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<WorkingAreaLine*>(widget())->spoken()
                                      : QAccessibleWidget::text(t);
    }
};

// Screen readers read a line as text, and the area as a group of them.
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (!object)
        return nullptr;
    if (className == QLatin1String(WorkingAreaLine::staticMetaObject.className()))
        return new LineAccessible(static_cast<WorkingAreaLine*>(object));
    if (className == QLatin1String(WorkingArea::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

// The step's name stands back from the figures, yet stays well readable on the window's own
// background, light or dark: two parts text colour to one part background.
QColor softer(const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    const QColor back = palette.color(QPalette::Window);
    return QColor((2 * text.red() + back.red()) / 3, (2 * text.green() + back.green()) / 3,
                  (2 * text.blue() + back.blue()) / 3);
}

} // namespace

WorkingAreaLine::WorkingAreaLine(const WorkingText& line, QWidget* parent)
    : QWidget(parent), m_line(line) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    layOut(fontMetrics());
}

void WorkingAreaLine::layOut(const QFontMetrics& metrics) {
    m_layout = layOutWorkingLine(
        m_line, {[&metrics](std::string_view text) { return metrics.horizontalAdvance(qt(text)); },
                 metrics.height(), std::max(1, metrics.lineWidth())});
    fitLayout();
}

QString WorkingAreaLine::spoken() const {
    return qt(m_line.spoken);
}

void WorkingAreaLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor name = softer(palette());
    for (const WorkingPiece& piece : m_layout.pieces) {
        const QRect place(piece.x, piece.y, piece.width, piece.height);
        if (piece.kind == WorkingPiece::Kind::Bar) {
            painter.fillRect(place, text);
            continue;
        }
        painter.setPen(piece.kind == WorkingPiece::Kind::Name ? name : text);
        painter.drawText(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, qt(piece.text));
    }
}

WorkingArea::WorkingArea(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void WorkingArea::setLines(const std::vector<WorkingText>& lines) {
    for (WorkingAreaLine* line : m_lines)
        delete line;
    m_lines.clear();
    for (const WorkingText& text : lines)
        m_lines.push_back(new WorkingAreaLine(text, this));
    placeLines();
    for (WorkingAreaLine* line : m_lines)
        line->show();
}

void WorkingArea::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The lines take the area's font.
    if (event->type() == QEvent::FontChange) {
        for (WorkingAreaLine* line : m_lines)
            line->layOut(fontMetrics());
        placeLines();
    }
}

// Top to bottom from the area's top edge, half a line of text apart, as lines in a notebook,
// with the steps' names in a column of their own.
void WorkingArea::placeLines() {
    std::vector<WorkingLineLayout*> layouts;
    for (WorkingAreaLine* line : m_lines)
        layouts.push_back(&line->layout());
    alignStepNames(layouts);
    const int gap = fontMetrics().height() / 2;
    int top = 0;
    for (WorkingAreaLine* line : m_lines) {
        line->fitLayout();
        line->move(0, top);
        top += line->height() + gap;
    }
}

} // namespace zelvanu
