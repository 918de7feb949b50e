#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include "platform/Text.h"

namespace tolvane::win32 {

namespace {

// Closes the key however the function is left.
class KeyHandle {
  public:
    KeyHandle() = default;
    ~KeyHandle() {
        if (key_ != nullptr) ::RegCloseKey(key_);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

HKEY RootKey(RegRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<std::uint32_t>(root)));
}

}  // namespace

std::int32_t Win32Registry::WriteValue(RegRoot root, const std::string& keyPath,
                                       const std::string& name, const RegistryValue& value) {
    // Plain write access and no view flag: a 32-bit process on 64-bit
    // Windows so writes the view that the 32-bit driver manager reads.
    KeyHandle key;
    LONG status =
        ::RegCreateKeyExA(RootKey(root), text::TrimRight(keyPath).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.Receive(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    return ::RegSetValueExA(key.Get(), text::TrimRight(name).c_str(), 0,
                            static_cast<DWORD>(value.type), value.data.data(),
                            static_cast<DWORD>(value.data.size()));
}

std::optional<RegistryValue> Win32Registry::ReadValue(RegRoot root, const std::string& keyPath,
                                                      const std::string& name,
                                                      std::uint32_t access) {
    KeyHandle key;
    if (::RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, access, key.Receive()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    RegistryValue value;
    value.type = static_cast<RegType>(type);
    value.data.resize(size);
    if (size > 0 && ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, value.data.data(),
                                       &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

}  // namespace tolvane::win32
