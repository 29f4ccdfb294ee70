// The Windows window's tests run as the program does: aware of each screen's DPI, with COM for
// the screen-reader names.

#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>

int main(int argc, char** argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
