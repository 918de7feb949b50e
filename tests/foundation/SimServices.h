// The sim services that the utility classes reach, installed for one test
// and removed again after it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSystem.h"
#include "platform/sim/SimWindowSystem.h"

namespace tolvane::testing {

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
        registry.log = &log;
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
    sim::SimRegistry registry;
    sim::SimFileSystem files;
    sim::SimShell shell;
    sim::SimWindowSystem windows;
    Services previous;
};

}  // namespace tolvane::testing
