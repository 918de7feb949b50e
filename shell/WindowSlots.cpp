// The window services of the shell object. They answer neutrally until the
// window enumeration is wired in.
#include "shell/KWShellClass.h"

namespace tolvane {

std::int32_t KWShellClass::FindTopWindow(const std::string&, Flag, Flag) { return 0; }

void KWShellClass::DebugWindowInfo(const std::string&) {}

std::int32_t KWShellClass::GetTopWindows() {
    return TOPWINDOWS ? static_cast<std::int32_t>(TOPWINDOWS->size()) : 0;
}

std::string KWShellClass::GetWindowModuleName(Handle) { return std::string(); }

std::int32_t KWShellClass::GetWindowProcessID(Handle) { return 0; }

}  // namespace tolvane
