#include "app/OdbcAdmin.h"

namespace tolvane {

// The launch through the shell object is being built; until then the
// button does nothing.
void LaunchODBCAdmin() {}

}  // namespace tolvane
