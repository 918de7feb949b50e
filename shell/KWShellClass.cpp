#include "shell/KWShellClass.h"

#include <optional>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "platform/WindowSystem.h"

namespace tolvane {

namespace {

constexpr std::int32_t kShowNormal = 1;           // SW_SHOWNORMAL
constexpr std::uint32_t kNoCloseProcess = 0x40;   // SEE_MASK_NOCLOSEPROCESS
constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;  // INFINITE
constexpr std::size_t kDirectoryLimit = 259;
constexpr std::size_t kHandlerMessageLimit = 1024;

bool IsBareDrive(const std::string& s) {
    return s.size() == 2 && s[1] == ':' &&
           ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

// A working directory in its short form: blank means the current directory,
// and a bare drive names that drive's root, which needs its backslash.
std::string ShortFolder(const std::string& folder) {
    FileSystem& files = *Current().files;
    std::string f = text::TrimRight(folder);
    if (f.empty()) return files.ShortPath(files.CurrentDirectory());
    if (IsBareDrive(f)) f += '\\';
    return files.ShortPath(f);
}

Handle DesktopWindow() { return Current().windows->DesktopWindow(); }

}  // namespace

KWShellClass::KWShellClass() {
    SHOWSETTING = kShowNormal;
    ENVVARS = NewList<TEnvVarRecord>();
}

KWShellClass::~KWShellClass() { ShellDestruction(); }

void KWShellClass::ShellDestruction() {
    if (ENVVARS) ENVVARS->clear();
    ENVVARS.reset();
}

std::int32_t KWShellClass::KWRun(const std::string& file, const std::string& parameters,
                                 const std::string& directory, std::int32_t wait,
                                 Flag ignoreParameters, Flag useFileFolder, Flag runElevated) {
    // 1. Nothing to start.
    if (text::IsBlank(file)) return 0;

    // 2.-4. File, parameters (none at all rather than an empty text), and
    // the working directory.
    const std::string fileText = text::TrimRight(file);
    std::optional<std::string> parametersText;
    if (!ignoreParameters && !text::IsBlank(parameters)) parametersText = parameters;
    std::string folder;
    if (useFileFolder) {
        folder = GetFileParts(fileText, kDrive | kDirectory);
    } else {
        folder = directory;
    }
    folder = text::Cut(ShortFolder(folder), kDirectoryLimit);

    // 5. Elevation needs Vista's "runas"; older systems start plainly.
    const std::string verb = runElevated && ISVISTA ? "runas" : "open";

    // 6.-7. The shell call, keeping the process handle.
    ShellExecuteRecord record;
    record.size = 60;
    record.mask = kNoCloseProcess;
    record.owner = 0;
    record.verb = verb;
    record.file = fileText;
    record.parameters = parametersText;
    record.directory = folder;
    record.show = SHOWSETTING;
    record.process = 0;
    Shell& shell = *Current().shell;
    Handle process = 0;
    if (shell.ExecuteEx(record)) {
        process = record.process;
    } else {
        GetLastAPIError("KWShellClass.KWRun");
    }

    // 8. A request taken over by a running program gives no process.
    if (process == 0) return 0;
    if (!wait) return process;
    shell.Wait(process, kInfinite);
    std::uint32_t exitCode = 0;
    const std::int32_t result =
        shell.ExitCode(process, exitCode) ? static_cast<std::int32_t>(exitCode) : 0;
    shell.Close(process);
    return result;
}

std::int32_t KWShellClass::ShellExecuteVerb(const std::string& verb, const std::string& file,
                                            const std::string& parameters,
                                            const std::string& directory, Handle ownerWindow,
                                            Flag ignoreParameters, Flag useCurrentDirectory,
                                            std::int32_t showCommand) {
    std::optional<std::string> parametersText;
    if (!ignoreParameters) parametersText = text::TrimRight(parameters);
    const std::string folder =
        useCurrentDirectory ? text::TrimRight(ShortFolder("")) : text::TrimRight(directory);
    return Current().shell->Execute(ownerWindow, text::TrimRight(verb), text::TrimRight(file),
                                    parametersText, folder, showCommand);
}

void KWShellClass::ShellOpen(const std::string& document) {
    ShellExecuteVerb("open", document, "", "", DesktopWindow(), 1, 1, kShowNormal);
}

std::string KWShellClass::GetSpecialFolder(std::int32_t folderId) {
    std::string path;
    if (Current().system->SpecialFolderPath(DesktopWindow(), folderId, path) != Lookup::Called) {
        return std::string();
    }
    return path;
}

bool KWShellClass::IsWow64() {
    bool wow64 = false;
    return Current().system->IsWow64(wow64) == Lookup::Called && wow64;
}

void KWShellClass::APIErrorHandler(const std::string& caption) {
    // 1. The holder starts at 0, so the thread's last error is taken.
    std::int32_t code = 0;
    const std::string message =
        text::Cut(GetLastAPIError("KWShellClass.APIErrorHandler", &code), kHandlerMessageLimit);
    // 2.
    DebugOutput("", 0);
    DebugOutput("Error in KWShellClass, " + text::TrimRight(caption), 0);
    DebugOutput("(" + text::Decimal(code) + ") " + message, 0);
    // 3. "|" is the message box's line break.
    Current().dialogs->ShowMessage(
        "Error in ShellClass.||(" + text::Decimal(code) + ") " + text::TrimRight(message), caption,
        MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace tolvane
