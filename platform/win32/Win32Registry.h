// The registry through advapi32's ANSI functions.
#pragma once

#include "platform/Registry.h"

namespace tolvane::win32 {

class Win32Registry : public Registry {
  public:
    std::int32_t WriteValue(RegRoot root, const std::string& keyPath, const std::string& name,
                            const RegistryValue& value) override;
    std::optional<RegistryValue> ReadValue(RegRoot root, const std::string& keyPath,
                                           const std::string& name, std::uint32_t access) override;
};

}  // namespace tolvane::win32
