// INI files through the private-profile functions of kernel32.
#pragma once

#include "platform/ProfileStore.h"

namespace tolvane::win32 {

class Win32ProfileStore : public ProfileStore {
  public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue,
                           std::size_t bufferSize) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool DeleteKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
};

}  // namespace tolvane::win32
