// Starts the program: answers --help and --version, or prepares the application, shows the one
// window and runs until it closes.

#include "host/command_line.h"
#include "host/message_boxes.h"
#include "host/startup.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = zelvanu::answerCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    zelvanu::prepareApplication(app);

    zelvanu::QtMessageBoxes boxes;
    zelvanu::Form1 window(boxes);
    window.show();
    return QApplication::exec();
}
