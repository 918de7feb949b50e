// The sim services that the utility classes reach, installed for one test
// and removed again after it.
#pragma once

#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/sim/SimPlatform.h"

namespace tolvane::testing {

constexpr char kPolicyKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

struct SimServices : sim::SimPlatform {
    ScopedServices installed{AsServices()};
};

}  // namespace tolvane::testing
