// The real Windows services, installed for one test or one helper program.
#pragma once

#include "platform/Services.h"
#include "platform/win32/Win32Platform.h"

namespace tolvane::testing {

struct Win32Services : win32::Win32Platform {
    ScopedServices installed{AsServices()};
};

}  // namespace tolvane::testing
