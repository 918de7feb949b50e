// Constructs a utility object with the real services and prints the facts
// it gathered, one "NAME=value" line each, for the tests that start it.
#include <cstdio>

#include "foundation/KWWindowsClass.h"
#include "tests/foundation/Win32Services.h"

int main() {
    tolvane::testing::Win32Services services;
    tolvane::KWWindowsClass probe;
    std::printf("PROGRAMDEBUGON=%d\n", probe.PROGRAMDEBUGON);
    std::printf("PROGRAMCOMMANDLINE=[%s]\n", probe.PROGRAMCOMMANDLINE.Value().c_str());
    std::printf("EXENAME=%s\n", probe.EXENAME.Value().c_str());
    std::printf("PROGPATH=%s\n", probe.PROGPATH.Value().c_str());
    std::printf("VISTAHASUAC=%d\n", probe.VISTAHASUAC);
    return 0;
}
