#pragma once

#include "platform/FileSystem.h"

namespace tolvane::win32 {

class Win32FileSystem : public FileSystem {
  public:
    std::string GetCurrentDirectory() override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::string GetShortPathName(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
};

}  // namespace tolvane::win32
