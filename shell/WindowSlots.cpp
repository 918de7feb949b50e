// The window services of the shell object, slots 4 and 5 of its operation
// table, over the window information report.
#include "shell/KWShellClass.h"
#include "window/WindowReport.h"

namespace tolvane {

std::int32_t KWShellClass::FindTopWindow(const std::string& searchText, Flag byTitle,
                                         Flag exactMatch) {
    return windowinfo::FindTopWindow(*this, searchText, byTitle, exactMatch);
}

void KWShellClass::DebugWindowInfo(const std::string& caller) {
    windowinfo::DebugWindowInfo(*this, caller);
}

std::int32_t KWShellClass::GetTopWindows() { return windowinfo::GetTopWindows(*this); }

std::string KWShellClass::GetWindowModuleName(Handle window) {
    return windowinfo::GetWindowModuleName(window);
}

std::int32_t KWShellClass::GetWindowProcessID(Handle window) {
    return windowinfo::GetWindowProcessID(window);
}

}  // namespace tolvane
