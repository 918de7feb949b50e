// The real Windows services, installed for one test or one helper program.
#pragma once

#include "platform/Services.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32WindowSystem.h"

namespace tolvane::testing {

struct Win32Services {
    Win32Services() {
        Services s;
        s.system = &system;
        s.registry = &registry;
        s.files = &files;
        s.shell = &shell;
        s.windows = &windows;
        previous = Install(s);
    }
    ~Win32Services() { Install(previous); }

    win32::Win32System system;
    win32::Win32Registry registry;
    win32::Win32FileSystem files;
    win32::Win32Shell shell;
    win32::Win32WindowSystem windows;
    Services previous;
};

}  // namespace tolvane::testing
