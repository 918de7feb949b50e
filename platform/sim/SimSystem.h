// Program and machine facts that a test sets, system calls that a test can
// make fail, optional functions that a test can make missing, and a record
// of the debug output and of the libraries loaded and released.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/System.h"

namespace tolvane::sim {

class SimLog;

class SimSystem : public System {
  public:
    std::string ModuleFileName(std::size_t bufferSize) override;
    std::string CommandLine() override { return commandLine; }
    std::string ComputerName(std::size_t bufferSize, bool& ok) override;
    std::string UserName(std::size_t bufferSize, bool& ok) override;
    OsVersion QueryVersion(std::uint32_t recordSize) override;
    std::int32_t LastError() override { return lastError; }
    std::string MessageText(std::uint32_t flags, std::int32_t code, std::uint32_t languageId,
                            std::size_t bufferSize) override;
    void DebugString(const std::string& text) override;
    Lookup SpecialFolderPath(Handle owner, std::int32_t csidl, std::string& path) override;
    Lookup IsWow64(bool& wow64) override;

    // Facts.
    std::string moduleFileName = "C:\\Program Files\\Tolvane\\Tolvane.exe";
    std::string commandLine = "\"C:\\Program Files\\Tolvane\\Tolvane.exe\"";
    std::string computerName = "WORKSTATION";
    std::string userName = "Operator";
    OsVersion version{10, 0, 19045, 2, ""};
    std::int32_t lastError = 0;
    // The system's message texts by code; a missing code has no text.
    std::map<std::int32_t, std::string> messages;
    // Special folders by CSIDL; a missing one makes the call write nothing.
    std::map<std::int32_t, std::string> specialFolders;
    bool wow64 = false;

    // Failures. A failing GetComputerNameA or GetUserNameA still leaves
    // `garbage` in its buffer, so a caller that ignores the result shows.
    bool computerNameFails = false;
    bool userNameFails = false;
    bool versionFails = false;
    bool wow64CallFails = false;
    std::string garbage = "??";
    // The optional functions: Called means found.
    Lookup shell32 = Lookup::Called;   // "SHGetSpecialFolderPathA" in "shell32.dll"
    Lookup kernel32 = Lookup::Called;  // "IsWow64Process" in "Kernel32.dll"

    // Records.
    std::vector<std::string> debugLines;
    struct MessageRequest {
        std::uint32_t flags;
        std::int32_t code;
        std::uint32_t languageId;
        std::size_t bufferSize;
    };
    std::vector<MessageRequest> messageRequests;
    std::vector<std::size_t> moduleBufferSizes;
    std::vector<std::uint32_t> versionRecordSizes;
    std::vector<Handle> specialFolderOwners;
    int librariesLoaded = 0;
    int librariesFreed = 0;
    SimLog* log = nullptr;  // when set, calls are also added here in order

  private:
    void Record(const std::string& entry);
    // Loads `library`, finds the function; false when either is missing.
    bool Open(Lookup availability, const std::string& library, const std::string& function);
};

}  // namespace tolvane::sim
