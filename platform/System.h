// Facts about the program and Windows, system errors, debug output, and the
// optional system functions looked up by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace tolvane {

// The members of OSVERSIONINFOA that the program reads.
struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
    std::string servicePack;  // szCSDVersion
};

class System {
  public:
    virtual ~System() = default;

    // Program and machine facts; texts come through buffers of `bufferSize`
    // bytes. `ok` is the call's own result.
    virtual std::string ModuleFileName(std::size_t bufferSize) = 0;
    virtual std::string CommandLine() = 0;  // the whole line, program name first
    virtual std::string ComputerName(std::size_t bufferSize, bool& ok) = 0;
    virtual std::string UserName(std::size_t bufferSize, bool& ok) = 0;
    // GetVersionExA with a zeroed record of `recordSize` bytes; the result is not tested.
    virtual OsVersion QueryVersion(std::uint32_t recordSize) = 0;

    // The thread's last-error value, and the system's text for a code.
    virtual std::int32_t LastError() = 0;
    virtual std::string MessageText(std::uint32_t flags, std::int32_t code,
                                    std::uint32_t languageId, std::size_t bufferSize) = 0;

    // Debug output: one OutputDebugStringA call.
    virtual void DebugString(const std::string& text) = 0;

    // "SHGetSpecialFolderPathA" from "shell32.dll", called with the create
    // flag off; `path` holds what the call wrote into its 260-byte buffer.
    virtual Lookup SpecialFolderPath(Handle owner, std::int32_t csidl, std::string& path) = 0;
    // "IsWow64Process" from "Kernel32.dll" on the current process; `wow64`
    // is set only when the call succeeded.
    virtual Lookup IsWow64(bool& wow64) = 0;
};

}  // namespace tolvane
