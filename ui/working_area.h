#pragma once
// The working (途中の式) below the buttons: one line a step, top to bottom, each painted where the
// shared layout puts its texts and fraction bars (form/working_layout.h), in the boxes' font and
// the window's palette, the step's name in a softer shade of the text colour. Each line is a
// child of its own that a screen reader reads by the line's spoken text; neither the area nor its
// lines take the focus. It shows the lines it is handed and decides nothing about them.

#include "form/form1_working.h"
#include "form/working_layout.h"

#include <QWidget>

#include <vector>

namespace zelvanu {

// One line of the working; a screen reader calls it by the line's spoken text.
class WorkingAreaLine final : public QWidget {
    Q_OBJECT

public:
    WorkingAreaLine(const WorkingText& line, QWidget* parent);

    QString spoken() const;

    // Lays the line out in the font these metrics measure, and takes the size it needs.
    void layOut(const QFontMetrics& metrics);
    // Where its parts go; after a change, fitLayout() takes the size the layout needs.
    WorkingLineLayout& layout() { return m_layout; }
    void fitLayout() { resize(m_layout.width, m_layout.height); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WorkingText m_line;
    WorkingLineLayout m_layout;
};

class WorkingArea final : public QWidget {
    Q_OBJECT

public:
    explicit WorkingArea(QWidget* parent);

    // Replaces the lines; none empties the area.
    void setLines(const std::vector<WorkingText>& lines);

protected:
    void changeEvent(QEvent* event) override;

private:
    void placeLines();

    std::vector<WorkingAreaLine*> m_lines;
};

} // namespace zelvanu
