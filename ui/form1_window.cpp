// The Qt window as the shared commands see it (FormWindow): the boxes' texts, the result labels,
// message boxes, the answer for screen readers, the working and its area, and closing. Clicks
// reach the commands from the connections made in form1.cpp.

#include "ui/form1.h"

#include "host/message_boxes.h"
#include "ui/answer_region.h"
#include "ui/result_label.h"
#include "ui/working_area.h"

#include <QAction>
#include <QLineEdit>

namespace zelvanu {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::string Form1::text(ControlId box) const {
    return as<QLineEdit>(box)->text().toStdString();
}

void Form1::setText(ControlId box, std::string_view text) {
    as<QLineEdit>(box)->setText(qt(text));
}

void Form1::setCaption(ControlId label, std::string_view text, std::string_view spokenName) {
    as<ResultLabel>(label)->setResult(qt(text), qt(spokenName));
}

void Form1::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    m_boxes.show(this, qt(text), qt(title), icon);
}

void Form1::announceAnswer(std::string_view phrase) {
    m_answer->announce(qt(phrase));
}

void Form1::setWorking(const std::vector<WorkingText>& lines) {
    as<WorkingArea>(ControlId::WorkingArea)->setLines(lines);
}

// The client area grows downward to hold the area, so every designed control keeps its place.
void Form1::showWorkingArea(bool shown) {
    as<WorkingArea>(ControlId::WorkingArea)->setVisible(shown);
    centralWidget()->setFixedHeight(
        layout::twipsToPixels(shown ? layout::kClientHeightWithWorking : layout::kClientHeight));
    as<QAction>(ControlId::WorkingItem)->setChecked(shown);
}

void Form1::unload() {
    close();
}

} // namespace zelvanu
