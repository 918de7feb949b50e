#include "app/DriverRegistration.h"

#include "app/OdbcAdmin.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "platform/Window.h"

namespace tolvane {

namespace {

constexpr std::size_t kKeyPathSize = 255;
const char kInstRoot[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\";
const char kDriverList[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers";

// FormatMessageA: the system's own text, no inserts.
constexpr std::uint32_t kFromSystem = 0x00001000;
constexpr std::uint32_t kIgnoreInserts = 0x00000200;
constexpr std::size_t kMessageBuffer = 1024;

// One value as the registry write takes it: key path, value name and text
// lose their trailing spaces, and a DWORD's text becomes its number.
RegistryWrite Write(const std::string& path, const std::string& name, const std::string& data,
                    RegType type) {
    RegistryWrite w;
    w.root = RegRoot::LocalMachine;
    w.path = text::TrimRight(text::Cut(text::TrimRight(path), kKeyPathSize));
    w.name = text::TrimRight(name);
    std::string value = text::TrimRight(data);
    w.value = type == RegType::Dword ? DwordValue(static_cast<std::uint32_t>(text::ToNumber(value)))
                                     : StringValue(value);
    return w;
}

void ShowError(const std::string& caption, const std::string& message) {
    if (Dialogs* dialogs = Current().dialogs) {
        dialogs->ShowMessage(message, caption, MessageIcon::Error, MessageButtons::Ok);
    }
}

// The system's text for a status, without the line break FormatMessage ends
// it with; the bare number when the system has no text for it.
std::string StatusText(std::int32_t status) {
    std::string message;
    if (System* system = Current().system) {
        message = system->MessageText(kFromSystem | kIgnoreInserts, status, 0, kMessageBuffer);
    }
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' ||
                                message.back() == ' ' || message.back() == '\t')) {
        message.pop_back();
    }
    return message.empty() ? "Error " + text::Decimal(status) : message;
}

}  // namespace

std::vector<RegistryWrite> DriverWrites(const std::string& driverName,
                                        const std::string& odbcPath) {
    std::string name = text::TrimRight(driverName);
    std::string path = text::TrimRight(odbcPath);
    std::string key = kInstRoot + name;
    return {
        Write(key, "Driver", path, RegType::String),
        Write(key, "Setup", path, RegType::String),
        Write(key, "APILevel", "1", RegType::String),
        Write(key, "ConnectFunctions", "YYN", RegType::String),
        Write(key, "FileExtns", "*.tps", RegType::String),
        Write(key, "UsageCount", "1", RegType::Dword),
        Write(kDriverList, name, "Installed", RegType::String),
    };
}

void AddDriver(const LocFields& Loc, DialogWindow& window) {
    Services& services = Current();
    // 1 to 3: the form is checked in this order; the first failure ends it.
    if (text::IsBlank(Loc.DriverName)) {
        ShowError("ERROR:  No Driver Name Specified!", "You must specify a driver name");
        window.SetFocus(control::DriverName);
        return;
    }
    if (text::IsBlank(Loc.ODBCPath)) {
        ShowError("ERROR:  No ODBC Driver Path Specified!",
                  "You must specify path to the ODBC driver DLL");
        window.SetFocus(control::ODBCPath);
        return;
    }
    bool found = false;
    if (FileSystem* files = services.files) {
        std::string shortPath = files->ShortPath(text::TrimRight(Loc.ODBCPath));
        // A folder exists too, but it is no driver DLL.
        found = files->Exists(shortPath) && !files->IsFolder(shortPath);
    }
    if (!found) {
        ShowError("ERROR:  No ODBC Driver file!", "The ODBC Driver DLL file does not exist");
        window.SetFocus(control::DriverName);
        return;
    }

    // 4 to 6: every write is checked, and the first that fails ends the
    // registration; what was written before it stays.
    for (const RegistryWrite& w : DriverWrites(Loc.DriverName, Loc.ODBCPath)) {
        std::int32_t status = services.registry != nullptr
                                  ? services.registry->WriteValue(w.root, w.path, w.name, w.value)
                                  : -1;
        if (status != kErrorSuccess) {
            ShowError("ERROR:  Driver Not Registered!",
                      "The driver could not be written to the registry.|" + StatusText(status));
            return;
        }
    }

    // 7 and 8.
    if (Loc.RunODBCAdmin != 0) LaunchODBCAdmin();
    if (Dialogs* dialogs = services.dialogs) {
        dialogs->ShowMessage("TopSpeed ODBC driver has been installed!", "", MessageIcon::None,
                             MessageButtons::Ok);
    }
}

}  // namespace tolvane
