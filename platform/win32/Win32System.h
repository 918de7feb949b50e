#pragma once

#include "platform/System.h"

namespace tolvane::win32 {

class Win32System : public System {
  public:
    std::string ModuleFileName(std::size_t bufferSize) override;
    std::string CommandLine() override;
    std::string ComputerName(std::size_t bufferSize, bool& ok) override;
    std::string UserName(std::size_t bufferSize, bool& ok) override;
    OsVersion QueryVersion(std::uint32_t recordSize) override;
    std::int32_t LastError() override;
    std::string MessageText(std::uint32_t flags, std::int32_t code, std::uint32_t languageId,
                            std::size_t bufferSize) override;
    void DebugString(const std::string& text) override;
    Lookup SpecialFolderPath(Handle owner, std::int32_t csidl, std::string& path) override;
    Lookup IsWow64(bool& wow64) override;
};

}  // namespace tolvane::win32
