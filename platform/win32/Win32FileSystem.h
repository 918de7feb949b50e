#pragma once

#include "platform/FileSystem.h"

namespace tolvane::win32 {

class Win32FileSystem : public FileSystem {
  public:
    std::string CurrentDirectory() override;
    bool ChangeDirectory(const std::string& path) override;
    std::string ShortPath(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
};

}  // namespace tolvane::win32
