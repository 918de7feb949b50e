#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/DriverRegistration.h"
#include "tests/app/AppFixture.h"

namespace tolvane {
namespace {

using sim::SimMessage;

const char kKey[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\";
const char kList[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers";

RegistryValue Sz(const std::string& s) {
    RegistryValue v{RegType::String, std::vector<std::uint8_t>(s.begin(), s.end())};
    v.data.push_back(0);
    return v;
}

RegistryValue One() { return RegistryValue{RegType::Dword, {1, 0, 0, 0}}; }

// The seven writes of one registration, as the driver manager wants them.
std::vector<RegistryWrite> Registration(const std::string& name, const std::string& path) {
    std::string key = kKey + name;
    return {
        {RegRoot::LocalMachine, key, "Driver", Sz(path)},
        {RegRoot::LocalMachine, key, "Setup", Sz(path)},
        {RegRoot::LocalMachine, key, "APILevel", Sz("1")},
        {RegRoot::LocalMachine, key, "ConnectFunctions", Sz("YYN")},
        {RegRoot::LocalMachine, key, "FileExtns", Sz("*.tps")},
        {RegRoot::LocalMachine, key, "UsageCount", One()},
        {RegRoot::LocalMachine, kList, name, Sz("Installed")},
    };
}

std::vector<RegistryWrite> First(std::vector<RegistryWrite> writes, std::size_t n) {
    writes.resize(n);
    return writes;
}

const SimMessage kNoName{"You must specify a driver name", "ERROR:  No Driver Name Specified!",
                         MessageIcon::Error, MessageButtons::Ok};
const SimMessage kNoPath{"You must specify path to the ODBC driver DLL",
                         "ERROR:  No ODBC Driver Path Specified!", MessageIcon::Error,
                         MessageButtons::Ok};
const SimMessage kNoFile{"The ODBC Driver DLL file does not exist", "ERROR:  No ODBC Driver file!",
                         MessageIcon::Error, MessageButtons::Ok};
const SimMessage kNotWritten{"The driver could not be written to the registry.|Access is denied.",
                             "ERROR:  Driver Not Registered!", MessageIcon::Error,
                             MessageButtons::Ok};
const SimMessage kInstalled{"TopSpeed ODBC driver has been installed!", "", MessageIcon::None,
                            MessageButtons::Ok};

const char kLong[] = "C:\\Program Files\\Drivers\\c4otSDX.dll";
const char kShort[] = "C:\\PROGRA~1\\Drivers\\c4otSDX.dll";

struct Case {
    const char* what;
    LocFields form;
    bool registeredBefore = false;  // "TopSpeed ODBC Driver" is there already
    int failWrite = 0;
    std::vector<SimMessage> messages;
    std::vector<int> focus;
    std::vector<RegistryWrite> writes;  // every write asked for, in order
    int launches = 0;
    std::vector<std::string> driversAfter;  // the values of "ODBC Drivers"
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class AddDriverTable : public testing::AppFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(AddDriverTable, ChecksWritesAndTells) {
    const Case& c = GetParam();
    files.AddFile(kLong, kShort);
    files.AddFile(kShort);
    if (c.registeredBefore) {
        for (const RegistryWrite& w : Registration("TopSpeed ODBC Driver", "D:\\old.dll")) {
            registry.Set(w.root, w.path, w.name, w.value);
        }
    }
    registry.failWrite = c.failWrite;
    sim::SimDialogWindow& window = dialogs.mainWindow;

    AddDriver(c.form, window);

    EXPECT_EQ(dialogs.messages, c.messages);
    EXPECT_EQ(window.focusMoves, c.focus);
    std::vector<RegistryWrite> writes;
    for (const sim::SimRegistryCall& call : registry.calls) {
        if (call.write) writes.push_back({call.root, call.path, call.name, call.value});
    }
    EXPECT_EQ(writes, c.writes);
    EXPECT_EQ(static_cast<int>(shell.executeExCalls.size()), c.launches);
    if (c.launches > 0) {
        EXPECT_EQ(shell.executeExCalls[0].file, "C:\\windows\\syswow64\\odbcad32.exe");
        // The administrator starts before the success message is shown.
        auto steps = Steps({"ShellExecuteExA", "Message"});
        EXPECT_EQ(steps,
                  (std::vector<std::string>{
                      "ShellExecuteExA open C:\\windows\\syswow64\\odbcad32.exe", "Message "}));
    }
    EXPECT_EQ(registry.ValueNames(RegRoot::LocalMachine, kList), c.driversAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddDriverTable,
    ::testing::Values(
        Case{"a name of spaces only", {kLong, "   ", 1}, false, 0, {kNoName}, {7}, {}, 0, {}},
        Case{"an empty name and path", {"", "", 0}, false, 0, {kNoName}, {7}, {}, 0, {}},
        Case{"a path of spaces only",
             {"  ", "TopSpeed ODBC Driver", 0},
             false,
             0,
             {kNoPath},
             {2},
             {},
             0,
             {}},
        Case{"a DLL that does not exist",
             {"C:\\Drivers\\c4otXXX.dll", "TopSpeed ODBC Driver", 1},
             false,
             0,
             {kNoFile},
             {7},
             {},
             0,
             {}},
        Case{"a folder is no DLL",
             {"C:\\Drivers", "TopSpeed ODBC Driver", 0},
             false,
             0,
             {kNoFile},
             {7},
             {},
             0,
             {}},
        Case{"success: the path as entered, not its short form",
             {kLong, "TopSpeed ODBC Driver", 0},
             false,
             0,
             {kInstalled},
             {},
             {
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver",
                  "Driver", Sz("C:\\Program Files\\Drivers\\c4otSDX.dll")},
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver",
                  "Setup", Sz("C:\\Program Files\\Drivers\\c4otSDX.dll")},
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver",
                  "APILevel", Sz("1")},
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver",
                  "ConnectFunctions", Sz("YYN")},
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver",
                  "FileExtns", Sz("*.tps")},
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver",
                  "UsageCount", RegistryValue{RegType::Dword, {1, 0, 0, 0}}},
                 {RegRoot::LocalMachine, "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers",
                  "TopSpeed ODBC Driver", Sz("Installed")},
             },
             0,
             {"TopSpeed ODBC Driver"}},
        Case{"trailing spaces go, leading spaces stay",
             {"C:\\Drivers\\c4otRDX.dll   ", " Read Only   ", 0},
             false,
             0,
             {kInstalled},
             {},
             Registration(" Read Only", "C:\\Drivers\\c4otRDX.dll"),
             0,
             {" Read Only"}},
        Case{"a second name keeps the first registration",
             {"C:\\Drivers\\c4otRDX.dll", "TopSpeed ODBC Driver (Read Only)", 0},
             true,
             0,
             {kInstalled},
             {},
             Registration("TopSpeed ODBC Driver (Read Only)", "C:\\Drivers\\c4otRDX.dll"),
             0,
             {"TopSpeed ODBC Driver", "TopSpeed ODBC Driver (Read Only)"}},
        Case{"the box ticked starts the administrator, then tells",
             {"C:\\Drivers\\c4otSDX.dll", "TopSpeed ODBC Driver", 1},
             false,
             0,
             {kInstalled},
             {},
             Registration("TopSpeed ODBC Driver", "C:\\Drivers\\c4otSDX.dll"),
             1,
             {"TopSpeed ODBC Driver"}},
        Case{"a failing write stops at once and says so",
             {"C:\\Drivers\\c4otSDX.dll", "TopSpeed ODBC Driver", 1},
             false,
             3,
             {kNotWritten},
             {},
             First(Registration("TopSpeed ODBC Driver", "C:\\Drivers\\c4otSDX.dll"), 3),
             0,
             {}},
        Case{"a failing list entry leaves the driver key written",
             {"C:\\Drivers\\c4otSDX.dll", "TopSpeed ODBC Driver", 0},
             false,
             7,
             {kNotWritten},
             {},
             Registration("TopSpeed ODBC Driver", "C:\\Drivers\\c4otSDX.dll"),
             0,
             {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return "Case" + std::to_string(info.index); });

using AddDriverTest = testing::AppFixture;

TEST_F(AddDriverTest, AFailedWriteKeepsWhatWasWrittenBeforeIt) {
    registry.failWrite = 3;
    AddDriver(LocFields{"C:\\Drivers\\c4otSDX.dll", "TopSpeed ODBC Driver", 0}, dialogs.mainWindow);
    const char key[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\TopSpeed ODBC Driver";
    ASSERT_NE(registry.Find(RegRoot::LocalMachine, key, "Setup"), nullptr);
    EXPECT_EQ(registry.Find(RegRoot::LocalMachine, key, "Setup")->data,
              Sz("C:\\Drivers\\c4otSDX.dll").data);
    EXPECT_EQ(registry.Find(RegRoot::LocalMachine, key, "APILevel"), nullptr);
}

TEST_F(AddDriverTest, AStatusWithoutSystemTextShowsItsNumber) {
    registry.failWrite = 1;
    registry.failStatus = 1234;
    AddDriver(LocFields{"C:\\Drivers\\c4otSDX.dll", "X", 0}, dialogs.mainWindow);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The driver could not be written to the registry.|Error 1234");
}

}  // namespace
}  // namespace tolvane
