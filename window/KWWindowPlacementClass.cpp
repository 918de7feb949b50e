#include "window/KWWindowPlacementClass.h"

namespace tolvane {

KWWindowPlacementClass::KWWindowPlacementClass() : MONITORS(NewList<TMonitor>()) {}

KWWindowPlacementClass::~KWWindowPlacementClass() { MONITORS.reset(); }

// Placement across monitors is being built; until then the window keeps
// the position the settings gave it.
void KWWindowPlacementClass::FixWindowPosition() {}

}  // namespace tolvane
