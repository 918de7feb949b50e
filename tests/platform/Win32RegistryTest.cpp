// The registry adapter against Wine's real registry: values land in the
// view of 32-bit programs with exactly the bytes the driver manager reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Registry.h"

namespace tolvane::win32 {
namespace {

const std::string kBase = "SOFTWARE\\ODBC\\ODBCINST.INI\\";

bool IsWow64() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

struct Raw {
    bool found = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// Reads a value with advapi32 directly, in the view `access` names.
Raw ReadRaw(const std::string& path, const std::string& name, REGSAM access) {
    Raw raw;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | access, &key) !=
        ERROR_SUCCESS) {
        return raw;
    }
    DWORD size = 0;
    if (::RegQueryValueExA(key, name.c_str(), nullptr, &raw.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        raw.data.resize(size);
        raw.found = ::RegQueryValueExA(key, name.c_str(), nullptr, &raw.type, raw.data.data(),
                                       &size) == ERROR_SUCCESS;
        raw.data.resize(size);
    }
    ::RegCloseKey(key);
    return raw;
}

std::vector<BYTE> Bytes(const std::string& s, bool zero) {
    std::vector<BYTE> b(s.begin(), s.end());
    if (zero) b.push_back(0);
    return b;
}

TEST(Win32Registry, WritesLandInTheViewOf32BitProgramsWithTheirExactBytes) {
    Win32Registry registry;
    const std::string key = kBase + "Tolvane Adapter View";
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "Driver",
                                  StringValue("C:\\d\\c4otSDX.dll")),
              ERROR_SUCCESS);
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "UsageCount", DwordValue(1)),
              ERROR_SUCCESS);

    Raw sz = ReadRaw(key, "Driver", KEY_WOW64_32KEY);
    ASSERT_TRUE(sz.found);
    EXPECT_EQ(sz.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(sz.data, Bytes("C:\\d\\c4otSDX.dll", true));  // with its terminating zero
    Raw dword = ReadRaw(key, "UsageCount", KEY_WOW64_32KEY);
    ASSERT_TRUE(dword.found);
    EXPECT_EQ(dword.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword.data, (std::vector<BYTE>{1, 0, 0, 0}));

    if (IsWow64()) {
        // On 64-bit Windows: under Wow6432Node, and not in the 64-bit view.
        const std::string wow = "SOFTWARE\\Wow6432Node\\ODBC\\ODBCINST.INI\\Tolvane Adapter View";
        Raw seen = ReadRaw(wow, "Driver", KEY_WOW64_64KEY);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.data, Bytes("C:\\d\\c4otSDX.dll", true));
        EXPECT_FALSE(ReadRaw(key, "Driver", KEY_WOW64_64KEY).found);
    }
}

TEST(Win32Registry, CreatesMissingParentsAndOverwritesValues) {
    Win32Registry registry;
    const std::string key = kBase + "Tolvane Adapter Deep\\One\\Two";
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "APILevel", StringValue("1")),
              ERROR_SUCCESS);
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "APILevel", StringValue("2")),
              ERROR_SUCCESS);
    Raw raw = ReadRaw(key, "APILevel", KEY_WOW64_32KEY);
    ASSERT_TRUE(raw.found);
    EXPECT_EQ(raw.data, Bytes("2", true));
}

TEST(Win32Registry, DropsTrailingSpacesOfKeyAndValueName) {
    Win32Registry registry;
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, kBase + " Tolvane Adapter Spaces  ",
                                  "Setup  ", StringValue("x")),
              ERROR_SUCCESS);
    // Leading spaces stay, trailing ones go.
    EXPECT_TRUE(ReadRaw(kBase + " Tolvane Adapter Spaces", "Setup", KEY_WOW64_32KEY).found);
    EXPECT_FALSE(ReadRaw(kBase + "Tolvane Adapter Spaces", "Setup", KEY_WOW64_32KEY).found);
}

TEST(Win32Registry, ReportsTheStatusOfAFailedWrite) {
    Win32Registry registry;
    // No such predefined key: the system's own status comes back.
    auto bogus = static_cast<RegRoot>(0x80000099u);
    EXPECT_EQ(
        registry.WriteValue(bogus, kBase + "Tolvane Adapter Fail", "Driver", StringValue("x")),
        ERROR_INVALID_HANDLE);
}

TEST(Win32Registry, ReadsBackWhatItWroteInTheViewAsked) {
    Win32Registry registry;
    const std::string key = kBase + "Tolvane Adapter Read";
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "FileExtns", StringValue("*.tps")),
              ERROR_SUCCESS);
    auto got =
        registry.ReadValue(RegRoot::LocalMachine, key, "FileExtns", KEY_READ | KEY_WOW64_32KEY);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->type, RegType::String);
    EXPECT_EQ(got->data, Bytes("*.tps", true));
    EXPECT_FALSE(registry.ReadValue(RegRoot::LocalMachine, key, "Missing", KEY_READ).has_value());
    EXPECT_FALSE(registry.ReadValue(RegRoot::LocalMachine, key + "\\Missing", "FileExtns", KEY_READ)
                     .has_value());
    if (IsWow64()) {
        EXPECT_FALSE(
            registry.ReadValue(RegRoot::LocalMachine, key, "FileExtns", KEY_READ | KEY_WOW64_64KEY)
                .has_value());
    }
}

}  // namespace
}  // namespace tolvane::win32
