// Starts the Windows program: shows the one window and runs until it closes. The program takes
// no arguments.

#include "win/form1.h"
#include "win/message_boxes.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The screen-reader names go through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status;
    {
        zelvanu::win::SystemMessageBoxes boxes;
        zelvanu::win::Form1 window(instance, boxes);
        window.show(show);
        status = window.run();
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
