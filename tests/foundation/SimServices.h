// The sim services that the utility classes reach, installed for one test
// and removed again after it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSystem.h"
#include "platform/sim/SimWindowSystem.h"

namespace tolvane::testing {

// Registry values that a test lays out, and the reads it receives.
class TestRegistry : public Registry {
  public:
    std::int32_t WriteValue(RegRoot, const std::string&, const std::string&,
                            const RegistryValue&) override {
        return 5;  // the utility classes never write
    }
    std::optional<RegistryValue> ReadValue(RegRoot root, const std::string& keyPath,
                                           const std::string& name, std::uint32_t access) override {
        reads.push_back({root, keyPath, name, access});
        auto it = values.find(keyPath + "|" + name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void Set(const std::string& keyPath, const std::string& name, const RegistryValue& value) {
        values[keyPath + "|" + name] = value;
    }
    struct Read {
        RegRoot root;
        std::string keyPath;
        std::string name;
        std::uint32_t access;
    };
    std::vector<Read> reads;
    std::map<std::string, RegistryValue> values;
};

inline RegistryValue Dword(std::uint32_t n) {
    return RegistryValue{RegType::Dword,
                         {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                          static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)}};
}

inline RegistryValue Sz(const std::string& s, RegType type = RegType::String) {
    RegistryValue v{type, std::vector<std::uint8_t>(s.begin(), s.end())};
    v.data.push_back(0);
    return v;
}

constexpr char kPolicyKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

struct SimServices {
    SimServices() : shell(&system) {
        system.log = &log;
        shell.log = &log;
        Services s;
        s.system = &system;
        s.registry = &registry;
        s.files = &files;
        s.shell = &shell;
        s.windows = &windows;
        previous = Install(s);
    }
    ~SimServices() { Install(previous); }

    sim::SimLog log;
    sim::SimSystem system;
    TestRegistry registry;
    sim::SimFileSystem files;
    sim::SimShell shell;
    sim::SimWindowSystem windows;
    Services previous;
};

}  // namespace tolvane::testing
