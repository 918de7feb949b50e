// The window information report: top-level windows found by title or by
// program file, the window records behind that search, and a position report
// of the current window to the debug output.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/KWWindowsClass.h"
#include "platform/Types.h"

namespace tolvane::windowinfo {

// The first top-level window whose title (byTitle) or program file name
// matches `searchText`, whole (exactMatch) or in part; 0 when none does.
std::int32_t FindTopWindow(KWWindowsClass& self, const std::string& searchText, Flag byTitle,
                           Flag exactMatch);
// Rebuilds self.TOPWINDOWS with one record per top-level window, in the
// system's order; returns the number of records.
std::int32_t GetTopWindows(KWWindowsClass& self);
// The full path of the main program file of the process that owns
// `window`; empty when it cannot be found.
std::string GetWindowModuleName(Handle window);
// The identifier of the process that owns `window`, or 0.
std::int32_t GetWindowProcessID(Handle window);
// Fourteen lines on the current window's position and size, through
// self's DebugOutput at level 0.
void DebugWindowInfo(KWBaseClass& self, const std::string& caller);

}  // namespace tolvane::windowinfo
