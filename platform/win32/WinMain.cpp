// Tolvane.exe's entry: puts the Win32 services in place and runs the program.
#include <windows.h>

#include "app/resource.h"
#include "platform/Services.h"
#include "platform/Window.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32WindowSystem.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tolvane;
    win32::Win32Registry registry;
    win32::Win32ProfileStore profile;
    win32::Win32Dialogs dialogs(instance);
    win32::Win32FileSystem files;
    win32::Win32WindowSystem windows;
    Services services;
    services.registry = &registry;
    services.profile = &profile;
    services.dialogs = &dialogs;
    services.files = &files;
    services.windows = &windows;
    Install(services);

    auto window = dialogs.CreateMainWindow();
    if (!window->Open()) return 1;
    window->SetFocus(IDC_ODBCPATH_PROMPT);
    window->RunEventLoop([&](int control) {
        if (control == IDC_CANCEL) window->Close();
    });
    window->Destroy();
    return 0;
}
