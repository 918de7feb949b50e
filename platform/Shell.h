// The Windows shell and the processes it starts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace tolvane {

// The members of a 60-byte SHELLEXECUTEINFOA that the program fills.
struct ShellExecuteRecord {
    std::uint32_t size = 60;
    std::uint32_t mask = 0;
    Handle owner = 0;
    std::string verb;
    std::string file;
    std::optional<std::string> parameters;  // nothing: a null pointer
    std::string directory;
    std::int32_t show = 0;
    Handle process = 0;  // filled by the shell
};

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteExA; fills record.process. False when the call fails, with
    // the reason in the thread's last error.
    virtual bool ExecuteEx(ShellExecuteRecord& record) = 0;
    // ShellExecuteA; its instance value (above 32 is success).
    virtual std::int32_t Execute(Handle owner, const std::string& verb, const std::string& file,
                                 const std::optional<std::string>& parameters,
                                 const std::string& directory, std::int32_t show) = 0;
    virtual std::uint32_t Wait(Handle object, std::uint32_t milliseconds) = 0;
    virtual bool ExitCode(Handle process, std::uint32_t& exitCode) = 0;
    virtual bool Close(Handle object) = 0;
};

}  // namespace tolvane
