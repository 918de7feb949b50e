// An in-memory registry: a tree of keys with typed values, matched in any
// case as Windows does; every write and read is recorded, and a switch makes
// one write fail with a given status.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace tolvane::sim {

class SimLog;

struct SimRegistryCall {
    bool write = false;
    RegRoot root = RegRoot::LocalMachine;
    std::string path;
    std::string name;
    RegistryValue value;       // written, or what the read found
    std::uint32_t access = 0;  // reads only
    std::int32_t status = 0;   // writes only
};

class SimRegistry : public Registry {
  public:
    std::int32_t WriteValue(RegRoot root, const std::string& keyPath, const std::string& name,
                            const RegistryValue& value) override;
    std::optional<RegistryValue> ReadValue(RegRoot root, const std::string& keyPath,
                                           const std::string& name, std::uint32_t access) override;

    // Puts a value in place without recording a call.
    void Set(RegRoot root, const std::string& keyPath, const std::string& name,
             const RegistryValue& value);
    // The stored value, or null.
    const RegistryValue* Find(RegRoot root, const std::string& keyPath,
                              const std::string& name) const;
    bool KeyExists(RegRoot root, const std::string& keyPath) const;
    // Every stored value as "path\name" in stored spelling, in key order.
    std::vector<std::string> ValueNames(RegRoot root, const std::string& keyPath) const;

    // The `failWrite`-th write (counting from 1) returns `failStatus` and
    // stores nothing; 0 fails none.
    int failWrite = 0;
    std::int32_t failStatus = 5;  // ERROR_ACCESS_DENIED

    std::vector<SimRegistryCall> calls;
    SimLog* log = nullptr;  // optional shared call log

  private:
    struct Key {
        std::string path;                                                     // as first created
        std::map<std::string, std::pair<std::string, RegistryValue>> values;  // by upper name
    };
    static std::string KeyOf(RegRoot root, const std::string& keyPath);
    void CreateKey(RegRoot root, const std::string& keyPath);
    std::map<std::string, Key> keys_;  // by root and upper-case path
    int writes_ = 0;
};

}  // namespace tolvane::sim
