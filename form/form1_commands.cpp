#include "form/form1_commands.h"

#include "form/form1_texts.h"

namespace zelvanu {

// Denominator, numerator, sign, whole part: the order both calculate and clear blank them in.
void Form1Commands::blankResult() {
    for (ResultLabelId label : {ResultLabelId::Label1, ResultLabelId::Label2, ResultLabelId::Label5,
                                ResultLabelId::Label6})
        m_window.setCaption(label, {});
    m_window.announceAnswer({});
}

void Form1Commands::calculate() {
    blankResult();

    using enum TextBoxId;
    CalcOutcome outcome;
    try {
        outcome = m_calculator.calculate(m_window.text(Text1), m_window.text(Text2),
                                         m_window.text(Text3), m_window.text(Text4),
                                         m_window.text(Text5), m_window.text(Text6));
    } catch (const RunTimeError& error) {
        // The one place an arithmetic fault stops: the labels are still blank.
        m_window.showMessage(runTimeErrorText(error), kRunTimeErrorTitle, MessageIcon::Critical);
        return;
    }

    if (const auto* message = std::get_if<std::string>(&outcome)) {
        m_window.showMessage(*message, kErrorTitle, MessageIcon::Critical);
        return;
    }
    // Blank fields leave their labels blank from above.
    const auto& fields = std::get<ResultFields>(outcome);
    const std::pair<ResultLabelId, const std::string&> shown[] = {
        {ResultLabelId::Label6, fields.whole},
        {ResultLabelId::Label5, fields.sign},
        {ResultLabelId::Label1, fields.denominator},
        {ResultLabelId::Label2, fields.numerator},
    };
    for (const auto& [label, text] : shown)
        if (!text.empty())
            m_window.setCaption(label, text);
    m_window.announceAnswer(
        spokenAnswer(fields.sign, fields.whole, fields.numerator, fields.denominator));
}

void Form1Commands::clear() {
    for (TextBoxId box : {TextBoxId::Text1, TextBoxId::Text2, TextBoxId::Text3, TextBoxId::Text4,
                          TextBoxId::Text5, TextBoxId::Text6})
        m_window.setText(box, {});
    blankResult();
}

void Form1Commands::quit() {
    m_window.unload();
}

void Form1Commands::showVersion() {
    m_window.showMessage(versionBoxText(programVersion()), kVersionTitle, MessageIcon::Information);
}

bool Form1Commands::click(std::string_view controlName) {
    if (controlName == "Command1")
        calculate();
    else if (controlName == "Command2")
        clear();
    else if (controlName == "Command3" || controlName == "MenEnd")
        quit();
    else if (controlName == "MenVer")
        showVersion();
    else
        return false;
    return true;
}

} // namespace zelvanu
