#include "form/form1_commands.h"

#include "form/form1_texts.h"

namespace zelvanu {

bool Form1Commands::click(std::string_view controlName) {
    const Control* clicked = controlNamed(controlName);
    switch (clicked ? clicked->command : Command::None) {
    case Command::Calculate:
        calculate();
        return true;
    case Command::Clear:
        clear();
        return true;
    case Command::Quit:
        quit();
        return true;
    case Command::ShowVersion:
        showVersion();
        return true;
    case Command::ToggleWorking:
        showWorking(!m_workingShown);
        return true;
    case Command::None:
        break;
    }
    return false;
}

void Form1Commands::setResult(ControlId label, std::string_view text) {
    m_window.setCaption(label, text, spokenLabel(control(label).spokenName, text));
}

void Form1Commands::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    m_window.showMessage(withLineFeeds(text), title, icon);
}

// Denominator, numerator, sign, whole part: the order both calculate and clear blank them in.
// The working goes with the answer.
void Form1Commands::blankResult() {
    using enum ControlId;
    for (ControlId label : {ResultDenominator, ResultNumerator, ResultSign, ResultWhole})
        setResult(label, {});
    m_window.announceAnswer({});
    m_window.setWorking({});
}

void Form1Commands::calculate() {
    blankResult();

    CalcOutcome outcome;
    try {
        // In the calculation's own order: the denominators, the numerators, the whole parts.
        const auto& box = kBoxesInCalculationOrder;
        outcome = m_calculator.calculate(m_window.text(box[0]), m_window.text(box[1]),
                                         m_window.text(box[2]), m_window.text(box[3]),
                                         m_window.text(box[4]), m_window.text(box[5]));
    } catch (const RunTimeError& error) {
        // The one place an arithmetic fault stops: the labels are still blank, and the working
        // shows the steps reached and the number that did not fit.
        m_window.setWorking(workingText(m_calculator.working(), &error.overflowed()));
        showMessage(runTimeErrorText(error), kRunTimeErrorTitle, MessageIcon::Critical);
        return;
    }

    if (const auto* message = std::get_if<std::string>(&outcome)) {
        showMessage(*message, kErrorTitle, MessageIcon::Critical);
        return;
    }
    // Blank fields leave their labels blank from above.
    using enum ControlId;
    const auto& fields = std::get<ResultFields>(outcome);
    const std::pair<ControlId, const std::string&> shown[] = {
        {ResultWhole, fields.whole},
        {ResultSign, fields.sign},
        {ResultDenominator, fields.denominator},
        {ResultNumerator, fields.numerator},
    };
    for (const auto& [label, text] : shown)
        if (!text.empty())
            setResult(label, text);
    m_window.announceAnswer(
        spokenAnswer(fields.sign, fields.whole, fields.numerator, fields.denominator));
    m_window.setWorking(workingText(m_calculator.working()));
}

void Form1Commands::clear() {
    for (ControlId box : controlsOf<ControlKind::TextBox>())
        m_window.setText(box, {});
    blankResult();
}

void Form1Commands::quit() {
    m_window.unload();
}

void Form1Commands::showVersion() {
    showMessage(versionBoxText(programVersion()), kVersionTitle, MessageIcon::Information);
}

void Form1Commands::showWorking(bool shown) {
    m_workingShown = shown;
    m_window.showWorkingArea(shown);
}

} // namespace zelvanu
