#pragma once

#include "platform/Shell.h"

namespace tolvane::win32 {

class Win32Shell : public Shell {
  public:
    bool ExecuteEx(ShellExecuteRecord& record) override;
    std::int32_t Execute(Handle owner, const std::string& verb, const std::string& file,
                         const std::optional<std::string>& parameters, const std::string& directory,
                         std::int32_t show) override;
    std::uint32_t Wait(Handle object, std::uint32_t milliseconds) override;
    bool ExitCode(Handle process, std::uint32_t& exitCode) override;
    bool Close(Handle object) override;
};

}  // namespace tolvane::win32
