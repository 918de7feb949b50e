// Driver registration: the form turned into the registry writes by which the
// ODBC driver manager knows an installed driver, and the "Add Driver" button
// that checks the form, applies the writes and tells the user.
#pragma once

#include <string>
#include <vector>

#include "app/Form.h"
#include "platform/Registry.h"

namespace tolvane {

class DialogWindow;

// One registry value to write.
struct RegistryWrite {
    RegRoot root = RegRoot::LocalMachine;
    std::string path;
    std::string name;
    RegistryValue value;
    bool operator==(const RegistryWrite& o) const {
        return root == o.root && path == o.path && name == o.name && value.type == o.value.type &&
               value.data == o.value.data;
    }
};

// The writes for a driver name and DLL path, in the order they are made:
// the six values of the driver's key, then its entry in "ODBC Drivers".
std::vector<RegistryWrite> DriverWrites(const std::string& driverName, const std::string& odbcPath);

// What the "Add Driver" button does with the form of Main.
void AddDriver(const LocFields& Loc, DialogWindow& window);

}  // namespace tolvane
