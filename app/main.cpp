// Starts the program: answers --help and --version, or prepares the application, shows the one
// window (with the working shown after --working) and runs until it closes.

#include "host/command_line.h"
#include "host/message_boxes.h"
#include "host/startup.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const auto answer = zelvanu::answerCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&answer))
        return *status;

    QApplication app(argc, argv);
    zelvanu::prepareApplication(app);

    zelvanu::QtMessageBoxes boxes;
    zelvanu::Form1 window(boxes, std::get<zelvanu::WindowOptions>(answer).workingShown);
    window.show();
    return QApplication::exec();
}
