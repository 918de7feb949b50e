#include "platform/Registry.h"

namespace tolvane {

RegistryValue StringValue(const std::string& text, RegType type) {
    RegistryValue v{type, std::vector<std::uint8_t>(text.begin(), text.end())};
    v.data.push_back(0);
    return v;
}

RegistryValue DwordValue(std::uint32_t number) {
    RegistryValue v{RegType::Dword, {}};
    for (int i = 0; i < 4; ++i) v.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
    return v;
}

}  // namespace tolvane
