// Every Win32 service of the program, owned together.
#pragma once

#include <windows.h>

#include "platform/Services.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32WindowSystem.h"

namespace tolvane::win32 {

struct Win32Platform {
    // `instance` is the module whose resources hold the main window.
    explicit Win32Platform(HINSTANCE instance = ::GetModuleHandleA(nullptr)) : dialogs(instance) {}
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Services AsServices() {
        Services s;
        s.registry = &registry;
        s.profile = &profile;
        s.dialogs = &dialogs;
        s.system = &system;
        s.files = &files;
        s.shell = &shell;
        s.windows = &windows;
        return s;
    }

    Win32Registry registry;
    Win32ProfileStore profile;
    Win32Dialogs dialogs;
    Win32System system;
    Win32FileSystem files;
    Win32Shell shell;
    Win32WindowSystem windows;
};

}  // namespace tolvane::win32
