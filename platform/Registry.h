// The registry as the program needs it: write one value, read one value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

enum class RegRoot : std::uint32_t { LocalMachine = 0x80000002u };

// The value types the program writes or understands, with their Windows numbers.
enum class RegType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4
};

struct RegistryValue {
    RegType type = RegType::None;
    std::vector<std::uint8_t> data;  // exactly as stored: REG_SZ with its zero byte
};

// A string value (REG_SZ, or REG_EXPAND_SZ): the characters and one zero byte.
RegistryValue StringValue(const std::string& text, RegType type = RegType::String);
// A REG_DWORD value: 32 bits, little-endian.
RegistryValue DwordValue(std::uint32_t number);

class Registry {
  public:
    virtual ~Registry() = default;
    // Creates the key and any missing parents with write access and no view
    // flag, sets the value and closes the key. Returns the Windows status.
    virtual std::int32_t WriteValue(RegRoot root, const std::string& keyPath,
                                    const std::string& name, const RegistryValue& value) = 0;
    // Opens the key with `access`, asks for the value's type and size, reads
    // it and closes the key; nothing when any step fails.
    virtual std::optional<RegistryValue> ReadValue(RegRoot root, const std::string& keyPath,
                                                   const std::string& name,
                                                   std::uint32_t access) = 0;
};

}  // namespace tolvane
