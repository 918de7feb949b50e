// The program's main routine: start-up, the one run of Main, shutdown.
#pragma once

namespace tolvane {

// Runs the program over the installed services (registry, profile store,
// dialogs, system, files, shell, window system); creates the error manager
// and the settings manager for the run. The program sets no exit code.
int RunProgram();

}  // namespace tolvane
