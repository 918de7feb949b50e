#include "platform/Services.h"

namespace tolvane {

namespace {
Services& Installed() {
    static Services services;
    return services;
}
}  // namespace

Services Install(const Services& services) {
    Services previous = Installed();
    Installed() = services;
    return previous;
}

Services& Current() { return Installed(); }

}  // namespace tolvane
