// The Qt window's side of its commands: each click hands its command to Form1Commands, which
// reads and writes the window through the FormWindow functions here and nothing else.

#include "ui/form1.h"

#include "host/message_boxes.h"
#include "ui/answer_region.h"
#include "ui/result_label.h"

#include <QLabel>
#include <QLineEdit>

namespace zelvanu {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::string Form1::text(TextBoxId box) const {
    const QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4, Text5, Text6};
    return boxes[static_cast<std::size_t>(box)]->text().toStdString();
}

void Form1::setText(TextBoxId box, std::string_view text) {
    QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4, Text5, Text6};
    boxes[static_cast<std::size_t>(box)]->setText(qt(text));
}

void Form1::setCaption(ResultLabelId label, std::string_view text) {
    ResultLabel* const labels[] = {Label1, Label2, Label5, Label6};
    labels[static_cast<std::size_t>(label)]->setResult(qt(text));
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

void Form1::Command1_Click() {
    m_commands.calculate();
}

void Form1::Command2_Click() {
    m_commands.clear();
}

void Form1::Command3_Click() {
    m_commands.quit();
}

void Form1::MenEnd_Click() {
    m_commands.quit();
}

void Form1::MenVer_Click() {
    m_commands.showVersion();
}

} // namespace zelvanu
