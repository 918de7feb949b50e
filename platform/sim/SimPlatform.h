// Every sim service, wired together: the sims that record calls share one
// log, the shell starts programs on the sim system, and the main window
// sits in the sim window system. The profile store is left to the test,
// which usually points an IniFile at a folder of its own.
#pragma once

#include "platform/Services.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSystem.h"
#include "platform/sim/SimWindowSystem.h"

namespace tolvane::sim {

struct SimPlatform {
    SimPlatform() : shell(&system) {
        registry.log = &log;
        system.log = &log;
        shell.log = &log;
        dialogs.log = &log;
        dialogs.files = &files;
        dialogs.mainWindow.log = &log;
        dialogs.mainWindow.windows = &windows;
    }
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Services AsServices() {
        Services s;
        s.registry = &registry;
        s.dialogs = &dialogs;
        s.system = &system;
        s.files = &files;
        s.shell = &shell;
        s.windows = &windows;
        return s;
    }

    SimLog log;
    SimRegistry registry;
    SimDialogs dialogs;
    SimSystem system;
    SimFileSystem files;
    SimShell shell;
    SimWindowSystem windows;
};

}  // namespace tolvane::sim
