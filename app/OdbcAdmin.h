// Starts the 32-bit ODBC data source administrator, without waiting for it.
#pragma once

namespace tolvane {

void LaunchODBCAdmin();

}  // namespace tolvane
