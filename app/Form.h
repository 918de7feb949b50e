// The form of the window procedure Main: its three fields and the numbers
// of the main window's controls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tolvane {

struct LocFields {
    std::string ODBCPath;           // up to kODBCPathSize characters
    std::string DriverName;         // up to kDriverNameSize characters
    std::uint8_t RunODBCAdmin = 0;  // 1 ticked, 0 not
};

constexpr std::size_t kODBCPathSize = 1024;
constexpr std::size_t kDriverNameSize = 100;

// The main window's controls, by the numbers the code knows them by.
namespace control {
constexpr int ODBCPathPrompt = 1;    // ?LOC:ODBCPATH:PROMPT
constexpr int ODBCPath = 2;          // ?LOC:ODBCPATH
constexpr int LookupFile = 3;        // ?LOOKUPFILE
constexpr int Cancel = 4;            // ?CANCEL
constexpr int AddDriver = 5;         // ?BTNADDDRIVER
constexpr int DriverNamePrompt = 6;  // ?LOC:DRIVERNAME:PROMPT
constexpr int DriverName = 7;        // ?LOC:DRIVERNAME
constexpr int RunODBCAdmin = 8;      // ?LOC:RUNODBCADMIN
constexpr int RunAdmin = 9;          // ?BUTTON1
constexpr int Notice = 10;           // ?PROMPT1
}  // namespace control

}  // namespace tolvane
