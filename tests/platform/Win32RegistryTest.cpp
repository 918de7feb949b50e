// The registry adapter against Wine's real registry: values land in the
// view of 32-bit programs with exactly the bytes the driver manager reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Registry.h"
#include "tests/WinTestSupport.h"

namespace tolvane::win32 {
namespace {

const std::string kBase = "SOFTWARE\\ODBC\\ODBCINST.INI\\";

using testing::Is64BitWindows;
using testing::RawValue;
using testing::ReadRaw;
using testing::Sz;

TEST(Win32Registry, WritesLandInTheViewOf32BitProgramsWithTheirExactBytes) {
    Win32Registry registry;
    const std::string key = kBase + "Tolvane Adapter View";
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "Driver",
                                  StringValue("C:\\d\\c4otSDX.dll")),
              ERROR_SUCCESS);
    ASSERT_EQ(registry.WriteValue(RegRoot::LocalMachine, key, "UsageCount", DwordValue(1)),
              ERROR_SUCCESS);

    RawValue sz = ReadRaw(key, "Driver", KEY_WOW64_32KEY);
    ASSERT_TRUE(sz.found);
    EXPECT_EQ(sz.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(sz.data, Sz("C:\\d\\c4otSDX.dll"));  // with its terminating zero
    RawValue dword = ReadRaw(key, "UsageCount", KEY_WOW64_32KEY);
    ASSERT_TRUE(dword.found);
    EXPECT_EQ(dword.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword.data, (std::vector<BYTE>{1, 0, 0, 0}));

    if (Is64BitWindows()) {
        // On 64-bit Windows: under Wow6432Node, and not in the 64-bit view.
        const std::string wow = "SOFTWARE\\Wow6432Node\\ODBC\\ODBCINST.INI\\Tolvane Adapter View";
        RawValue seen = ReadRaw(wow, "Driver", KEY_WOW64_64KEY);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.data, Sz("C:\\d\\c4otSDX.dll"));
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
    RawValue raw = ReadRaw(key, "APILevel", KEY_WOW64_32KEY);
    ASSERT_TRUE(raw.found);
    EXPECT_EQ(raw.data, Sz("2"));
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
    EXPECT_EQ(got->data, Sz("*.tps"));
    EXPECT_FALSE(registry.ReadValue(RegRoot::LocalMachine, key, "Missing", KEY_READ).has_value());
    EXPECT_FALSE(registry.ReadValue(RegRoot::LocalMachine, key + "\\Missing", "FileExtns", KEY_READ)
                     .has_value());
    if (Is64BitWindows()) {
        EXPECT_FALSE(
            registry.ReadValue(RegRoot::LocalMachine, key, "FileExtns", KEY_READ | KEY_WOW64_64KEY)
                .has_value());
    }
}

}  // namespace
}  // namespace tolvane::win32
