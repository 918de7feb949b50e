#include "app/OdbcAdmin.h"

#include <string>

#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "shell/KWShellClass.h"

namespace tolvane {

namespace {
constexpr std::int32_t kSystemX86 = 41;  // CSIDL_SYSTEMX86
constexpr std::int32_t kSystem = 37;     // CSIDL_SYSTEM
constexpr std::size_t kPathLimit = 1024;
}  // namespace

void LaunchODBCAdmin() {
    KWShellClass shell;
    // The 32-bit administrator lies in the 32-bit system folder.
    const std::string folder = text::Cut(
        shell.IsWow64() ? shell.GetSpecialFolder(kSystemX86) : shell.GetSpecialFolder(kSystem),
        kPathLimit);
    const std::string program = text::Cut(folder + "\\odbcad32.exe", kPathLimit);
    const std::int32_t process = shell.KWRun(program, "", "", 0, 1, 1, 0);
    // The administrator runs on its own; its handle is not needed.
    if (process != 0) Current().shell->Close(process);
    shell.DebugOutput("32Bit ODBC Administrator: " + program, 0);
}

}  // namespace tolvane
