// Starts the Windows program: shows the one window and runs until it closes, or says why it
// could not open it and ends with status 1. The option /working (or --working) opens it with the
// working shown; other arguments are ignored.

#include "win/command_line.h"
#include "win/form1.h"
#include "win/message_boxes.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
    zelvanu::win::SystemMessageBoxes boxes;
    zelvanu::win::Form1 window(instance, boxes);
    if (zelvanu::win::hasOption(arguments, zelvanu::kWorkingSwitch))
        window.showWorking(true);
    window.show(show);
    return window.run();
}
