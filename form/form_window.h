#pragma once
// The narrow view of the main window that its commands work through: read and write a box,
// write a result label, show a modal message box, tell a screen reader the answer, close. Each
// front end implements it on its toolkit and decides nothing else; the commands (Form1Commands)
// are written once against it. Texts are UTF-8.

#include <array>
#include <string>
#include <string_view>

namespace zelvanu {

enum class TextBoxId { Text1, Text2, Text3, Text4, Text5, Text6 };
// The four labels that show the answer; the "+" and "=" labels never change.
enum class ResultLabelId { Label1, Label2, Label5, Label6 };
enum class MessageIcon { Critical, Information };

constexpr std::string_view nameOf(TextBoxId id) {
    constexpr std::array<std::string_view, 6> names{"Text1", "Text2", "Text3",
                                                    "Text4", "Text5", "Text6"};
    return names[static_cast<std::size_t>(id)];
}
constexpr std::string_view nameOf(ResultLabelId id) {
    constexpr std::array<std::string_view, 4> names{"Label1", "Label2", "Label5", "Label6"};
    return names[static_cast<std::size_t>(id)];
}

class FormWindow {
public:
    virtual ~FormWindow() = default;

    virtual std::string text(TextBoxId box) const = 0;
    virtual void setText(TextBoxId box, std::string_view text) = 0;
    // The empty text blanks the label.
    virtual void setCaption(ResultLabelId label, std::string_view text) = 0;
    // Modal, OK only; returns when the user has closed it. A lone carriage return in the text
    // ends a line.
    virtual void showMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    // The whole answer as one phrase for a screen reader (spokenAnswer), or empty when no answer
    // is shown.
    virtual void announceAnswer(std::string_view phrase) = 0;
    // Closes the window, which ends the program.
    virtual void unload() = 0;
};

} // namespace zelvanu
