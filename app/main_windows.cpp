// Starts the Windows program: shows the one window and runs until it closes, or says why it
// could not open it and ends with status 1. The program takes no arguments.

#include "win/form1.h"
#include "win/message_boxes.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    zelvanu::win::SystemMessageBoxes boxes;
    zelvanu::win::Form1 window(instance, boxes);
    window.show(show);
    return window.run();
}
