#pragma once
// The program's only window on Qt: two mixed numbers, "+", "=", the result, and the quit, clear
// and calculate buttons, laid out as the sum is written on paper. It builds one widget for each
// row of the shared table of controls, named after the row's design name, and hands every click
// to the shared commands by that name; they read and write it through FormWindow
// (form1_window.cpp). The window itself decides nothing. Closing it ends the program.

#include "form/form1_commands.h"
#include "form/form_window.h"

#include <QMainWindow>

#include <array>

namespace zelvanu {

class AnswerRegion;
class MessageBoxes;

class Form1 final : public QMainWindow, private FormWindow {
    Q_OBJECT

public:
    // The boxes must outlive the window. It opens with the working shown when asked to (the
    // command line's --working), and without it otherwise.
    explicit Form1(MessageBoxes& boxes, bool workingShown = false, QWidget* parent = nullptr);

    const CalcState& calcState() const { return m_commands.calcState(); }

    // The control's widget (QLineEdit, QLabel, ResultLabel, FractionBar, QPushButton,
    // WorkingArea), menu (QMenu) or menu item (QAction), whose object name is its design name.
    QObject* control(ControlId id) const { return m_controls[static_cast<std::size_t>(id)]; }

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void connectCommands();
    template <typename T> T* as(ControlId id) const { return static_cast<T*>(control(id)); }

    // FormWindow
    std::string text(ControlId box) const override;
    void setText(ControlId box, std::string_view text) override;
    void setCaption(ControlId label, std::string_view text, std::string_view spokenName) override;
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    void announceAnswer(std::string_view phrase) override;
    void setWorking(const std::vector<WorkingText>& lines) override;
    void showWorkingArea(bool shown) override;
    void unload() override;

    std::array<QObject*, kControls.size()> m_controls{};
    AnswerRegion* m_answer;

    MessageBoxes& m_boxes;
    Form1Commands m_commands{*this};
};

} // namespace zelvanu
