// The window's commands: calculate, clear, quit and the version box. Each reads the boxes, asks
// the kernel or the host, and writes the labels; none keeps state of its own.

#include "ui/form1.h"

#include "host/error_report.h"
#include "host/message_boxes.h"
#include "host/program_version.h"
#include "ui/result_label.h"

#include <QLabel>
#include <QLineEdit>

namespace zelvanu {

namespace {

const QString kErrorTitle = QStringLiteral("エラーメッセージ");

std::string utf8(const QLineEdit* box) {
    return box->text().toStdString();
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Writes the text unless it is blank; the labels were blanked before the calculation.
void showIfSet(ResultLabel* label, const std::string& text) {
    if (!text.empty())
        label->setResult(qt(text));
}

} // namespace

QString versionBoxText(int versionMajor, int versionMinor, int versionRevision) {
    return QStringLiteral("Zelvanuver%1.%2.%3\r%4")
        .arg(versionMajor)
        .arg(versionMinor)
        .arg(versionRevision)
        .arg(QStringLiteral("二つの帯分数のたし算　Zelvanu 開発チーム"));
}

// Denominator, numerator, sign, whole part: the order both calculate and clear blank them in.
void Form1::blankResult() {
    for (ResultLabel* result : {Label1, Label2, Label5, Label6})
        result->setResult({});
    speakAnswer();
}

void Form1::speakAnswer() {
    m_answer->setAccessibleName(
        spokenAnswer(Label5->text(), Label6->text(), Label2->text(), Label1->text()));
}

void Form1::Command1_Click() {
    blankResult();

    CalcOutcome outcome;
    try {
        outcome = m_calculator.calculate(utf8(Text1), utf8(Text2), utf8(Text3), utf8(Text4),
                                         utf8(Text5), utf8(Text6));
    } catch (const RunTimeError& error) {
        // The one place an arithmetic fault stops: the labels are still blank.
        reportUnhandledError(m_boxes, this, error);
        return;
    }

    if (const auto* message = std::get_if<std::string>(&outcome)) {
        m_boxes.show(this, qt(*message), kErrorTitle, MessageIcon::Critical);
        return;
    }
    const auto& fields = std::get<ResultFields>(outcome);
    showIfSet(Label6, fields.whole);
    showIfSet(Label5, fields.sign);
    showIfSet(Label1, fields.denominator);
    showIfSet(Label2, fields.numerator);
    speakAnswer();
}

void Form1::Command2_Click() {
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6})
        box->clear();
    blankResult();
}

void Form1::Command3_Click() {
    close();
}

void Form1::MenEnd_Click() {
    close();
}

void Form1::MenVer_Click() {
    const ProgramVersion v = programVersion();
    m_boxes.show(this, versionBoxText(v.versionMajor, v.versionMinor, v.versionRevision),
                 QStringLiteral("バージョン情報"), MessageIcon::Information);
}

} // namespace zelvanu
