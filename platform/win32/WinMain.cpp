// Tolvane.exe's entry: puts the Win32 services in place and runs the program.
#include <windows.h>

#include "app/Program.h"
#include "platform/Services.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32WindowSystem.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tolvane;
    win32::Win32Registry registry;
    win32::Win32ProfileStore profile;
    win32::Win32Dialogs dialogs(instance);
    win32::Win32System system;
    win32::Win32FileSystem files;
    win32::Win32Shell shell;
    win32::Win32WindowSystem windows;
    Services services;
    services.registry = &registry;
    services.profile = &profile;
    services.dialogs = &dialogs;
    services.system = &system;
    services.files = &files;
    services.shell = &shell;
    services.windows = &windows;
    Install(services);
    // The program sets no exit code of its own.
    RunProgram();
    return 0;
}
