#pragma once
// The program's only window: two mixed numbers, "+", "=", the result, and the quit, clear and
// calculate buttons, laid out as the sum is written on paper. Its click handlers read the boxes,
// ask the Calculator, and write the labels or hand a message to the host's boxes; the window
// itself decides nothing about the arithmetic. Closing it ends the program.

#include "kernel/calculator.h"
#include "ui/result_label.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zelvanu {

class FractionBar;
class MessageBoxes;

class Form1 final : public QMainWindow {
    Q_OBJECT

public:
    // The boxes must outlive the window.
    explicit Form1(MessageBoxes& boxes, QWidget* parent = nullptr);

    const CalcState& calcState() const { return m_calculator.state(); }

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
    void blankResult();
    void speakAnswer();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MenEnd_Click();
    void MenVer_Click();

    // Shows nothing; a screen reader reads the whole answer from its name in one step.
    QLabel* m_answer;

    Calculator m_calculator;
    MessageBoxes& m_boxes;
};

// The version box's text: "Zelvanuver" and the version, a carriage return, then the credits.
QString versionBoxText(int versionMajor, int versionMinor, int versionRevision);

} // namespace zelvanu
