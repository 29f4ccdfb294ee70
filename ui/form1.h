#pragma once
// The program's only window on Qt: two mixed numbers, "+", "=", the result, and the quit, clear
// and calculate buttons, laid out as the sum is written on paper. It builds its controls from the
// shared layout and hands every click to the shared commands, which read and write it through
// FormWindow; the window itself decides nothing. Closing it ends the program.

#include "form/form1_commands.h"
#include "form/form_window.h"
#include "ui/result_label.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zelvanu {

class AnswerRegion;
class FractionBar;
class MessageBoxes;

class Form1 final : public QMainWindow, private FormWindow {
    Q_OBJECT

public:
    // The boxes must outlive the window.
    explicit Form1(MessageBoxes& boxes, QWidget* parent = nullptr);

    const CalcState& calcState() const { return m_commands.calcState(); }

    // The controls, under the names the window was designed with.
    QLineEdit* Text1;    // denominator, first operand
    QLineEdit* Text2;    // denominator, second operand
    QLineEdit* Text3;    // numerator, first operand
    QLineEdit* Text4;    // numerator, second operand
    QLineEdit* Text5;    // whole part, first operand
    QLineEdit* Text6;    // whole part, second operand
    ResultLabel* Label1; // result denominator
    ResultLabel* Label2; // result numerator
    QLabel* Label3;      // "+"
    QLabel* Label4;      // "="
    ResultLabel* Label5; // result sign
    ResultLabel* Label6; // result whole part
    FractionBar* Line1;
    FractionBar* Line2;
    FractionBar* Line3;
    QPushButton* Command1; // calculate
    QPushButton* Command2; // clear
    QPushButton* Command3; // quit
    QMenu* MewnFile;
    QAction* MenEnd;
    QMenu* MenHelp;
    QAction* MenVer;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void connectCommands();

    // FormWindow
    std::string text(TextBoxId box) const override;
    void setText(TextBoxId box, std::string_view text) override;
    void setCaption(ResultLabelId label, std::string_view text) override;
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    void announceAnswer(std::string_view phrase) override;
    void unload() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MenEnd_Click();
    void MenVer_Click();

    AnswerRegion* m_answer;

    MessageBoxes& m_boxes;
    Form1Commands m_commands{*this};
};

} // namespace zelvanu
