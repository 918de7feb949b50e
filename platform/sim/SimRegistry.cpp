#include "platform/sim/SimRegistry.h"

#include "platform/Text.h"
#include "platform/Types.h"
#include "platform/sim/SimLog.h"

namespace tolvane::sim {

namespace {
constexpr std::int32_t kFileNotFound = 2;
}

std::string SimRegistry::KeyOf(RegRoot root, const std::string& keyPath) {
    return text::Decimal(static_cast<long long>(root)) + "\\" + text::Upper(keyPath);
}

void SimRegistry::CreateKey(RegRoot root, const std::string& keyPath) {
    // Every parent exists as a key of its own, as in the real tree.
    std::size_t pos = 0;
    while (true) {
        std::size_t slash = keyPath.find('\\', pos);
        std::string part = slash == std::string::npos ? keyPath : keyPath.substr(0, slash);
        Key& key = keys_[KeyOf(root, part)];
        if (key.path.empty()) key.path = part;
        if (slash == std::string::npos) break;
        pos = slash + 1;
    }
}

std::int32_t SimRegistry::WriteValue(RegRoot root, const std::string& keyPath,
                                     const std::string& name, const RegistryValue& value) {
    ++writes_;
    std::int32_t status = writes_ == failWrite ? failStatus : kErrorSuccess;
    calls.push_back(SimRegistryCall{true, root, keyPath, name, value, 0, status});
    if (log != nullptr) log->Add("RegWrite " + keyPath + " " + name);
    if (status != kErrorSuccess) return status;
    CreateKey(root, keyPath);
    keys_[KeyOf(root, keyPath)].values[text::Upper(name)] = {name, value};
    return kErrorSuccess;
}

std::optional<RegistryValue> SimRegistry::ReadValue(RegRoot root, const std::string& keyPath,
                                                    const std::string& name, std::uint32_t access) {
    const RegistryValue* found = Find(root, keyPath, name);
    calls.push_back(SimRegistryCall{false, root, keyPath, name,
                                    found != nullptr ? *found : RegistryValue{}, access,
                                    found != nullptr ? kErrorSuccess : kFileNotFound});
    if (log != nullptr) log->Add("RegRead " + keyPath + " " + name);
    if (found == nullptr) return std::nullopt;
    return *found;
}

void SimRegistry::Set(RegRoot root, const std::string& keyPath, const std::string& name,
                      const RegistryValue& value) {
    CreateKey(root, keyPath);
    keys_[KeyOf(root, keyPath)].values[text::Upper(name)] = {name, value};
}

const RegistryValue* SimRegistry::Find(RegRoot root, const std::string& keyPath,
                                       const std::string& name) const {
    auto key = keys_.find(KeyOf(root, keyPath));
    if (key == keys_.end()) return nullptr;
    auto value = key->second.values.find(text::Upper(name));
    return value == key->second.values.end() ? nullptr : &value->second.second;
}

bool SimRegistry::KeyExists(RegRoot root, const std::string& keyPath) const {
    return keys_.count(KeyOf(root, keyPath)) != 0;
}

std::vector<std::string> SimRegistry::ValueNames(RegRoot root, const std::string& keyPath) const {
    std::vector<std::string> names;
    auto key = keys_.find(KeyOf(root, keyPath));
    if (key == keys_.end()) return names;
    for (const auto& v : key->second.values) names.push_back(v.second.first);
    return names;
}

}  // namespace tolvane::sim
