// The entry point: everything up to the first paint, then the message loop.
#include <windows.h>

#include "app/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (StartProgram(instance, showCommand) == NULL) return 0;
    return RunMessageLoop();
}
