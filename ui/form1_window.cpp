// The Qt window as the shared commands see it (FormWindow): the boxes' texts, the result labels,
// message boxes, the answer for screen readers, and closing. Clicks reach the commands from the
// connections made in form1.cpp.

#include "ui/form1.h"

#include "host/message_boxes.h"
#include "ui/answer_region.h"
#include "ui/result_label.h"

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

void Form1::unload() {
    close();
}

} // namespace zelvanu
