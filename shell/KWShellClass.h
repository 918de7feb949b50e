// The shell object: starts programs and opens documents through the Windows
// shell, finds special folders, tells a 32-bit process on 64-bit Windows,
// reports failed system calls, and finds top-level windows.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/KWStringClass.h"
#include "platform/Types.h"

namespace tolvane {

struct TEnvVarRecord {
    LimitedText<100> VARNAME;
    LimitedText<8191> VARVALUE;
};

class KWShellClass : public KWStringClass {
  public:
    KWShellClass();
    ~KWShellClass();

    // Slots 1 and 2, DebugOutput and DebugMessage, come from KWBaseClass.
    // Slot 3: records the thread's last error, writes it to the debug output
    // and shows it in a message box under `caption`.
    virtual void APIErrorHandler(const std::string& caption);
    // Slot 4: the first top-level window whose title (byTitle) or program
    // file matches `searchText`, or 0.
    virtual std::int32_t FindTopWindow(const std::string& searchText, Flag byTitle,
                                       Flag exactMatch);
    // Slot 5: a report of the current window's position to the debug output.
    virtual void DebugWindowInfo(const std::string& caller);
    // Slot 6: opens `document` with the shell verb "open".
    virtual void ShellOpen(const std::string& document);

    // Starts `file` through the shell. With `wait`, the program's exit code;
    // without, its process handle, which the caller closes; 0 when nothing
    // was started.
    std::int32_t KWRun(const std::string& file, const std::string& parameters,
                       const std::string& directory, std::int32_t wait, Flag ignoreParameters,
                       Flag useFileFolder, Flag runElevated);
    // ShellExecuteA with the given verb; returns the call's result.
    std::int32_t ShellExecuteVerb(const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& directory,
                                  Handle ownerWindow, Flag ignoreParameters,
                                  Flag useCurrentDirectory, std::int32_t showCommand);

    // The path of the special folder `folderId` (a CSIDL), or empty.
    std::string GetSpecialFolder(std::int32_t folderId);
    // True for a 32-bit process on 64-bit Windows.
    bool IsWow64();

    // The window enumeration behind FindTopWindow: rebuilds TOPWINDOWS and
    // returns its number of records.
    std::int32_t GetTopWindows();
    // The main program file of the process that owns `window`, or empty.
    std::string GetWindowModuleName(Handle window);
    // The identifier of the process that owns `window`, or 0.
    std::int32_t GetWindowProcessID(Handle window);

    // This level's destruction step; the destructor runs it.
    void ShellDestruction();

    std::int32_t SHOWSETTING = 0;
    OwnedList<TEnvVarRecord> ENVVARS;
};

}  // namespace tolvane
