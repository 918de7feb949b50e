// Tolvane.exe's entry: puts the Win32 services in place and runs the program.
#include <windows.h>

#include "app/Program.h"
#include "platform/Services.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tolvane::win32::Win32Platform platform(instance);
    tolvane::Install(platform.AsServices());
    // The program sets no exit code of its own.
    tolvane::RunProgram();
    return 0;
}
