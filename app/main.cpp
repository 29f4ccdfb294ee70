// Starts the program: prepares the application, shows the one window and runs until it closes.

#include "host/message_boxes.h"
#include "host/startup.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelvanu::prepareApplication(app);

    zelvanu::QtMessageBoxes boxes;
    zelvanu::Form1 window(boxes);
    window.show();
    return QApplication::exec();
}
