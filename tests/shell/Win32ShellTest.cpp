// The shell object against the real system, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>

#include "platform/Text.h"
#include "shell/KWShellClass.h"
#include "tests/WinTestSupport.h"
#include "tests/foundation/Win32Services.h"
#include "tests/shell/BoxCloser.h"

namespace tolvane {
namespace {

using testing::Is64BitWindows;
using testing::SystemText;
using testing::ThisFolder;

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD n = ::GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? path : std::string(buffer, n);
}

class Win32Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        helper_ = ThisFolder() + "\\shell_report.exe";
        report_ = ThisFolder() + "\\shell_report.txt";
        ::DeleteFileA(report_.c_str());
    }
    void TearDown() override { ::DeleteFileA(report_.c_str()); }

    // The helper's command line and working directory, once it has written them.
    bool ReadReport(std::string& commandLine, std::string& folder) {
        return testing::WaitFor(
            [&] {
                std::ifstream in(report_);
                return std::getline(in, commandLine) && std::getline(in, folder);
            },
            std::chrono::seconds(10), std::chrono::milliseconds(50));
    }

    testing::Win32Services services;
    std::string helper_;
    std::string report_;
};

TEST_F(Win32Shell, WaitedRunReturnsTheExitCodeAndStartsInTheProgramsFolder) {
    KWShellClass shell;
    const std::int32_t result = shell.KWRun(helper_, "\"" + report_ + "\" a b", "", 1, 0, 1, 0);
    EXPECT_EQ(result, 3);
    std::string commandLine;
    std::string folder;
    ASSERT_TRUE(ReadReport(commandLine, folder));
    EXPECT_NE(commandLine.find("\"" + report_ + "\" a b"), std::string::npos) << commandLine;
    EXPECT_EQ(text::Upper(folder), text::Upper(ShortForm(ThisFolder())));
    EXPECT_EQ(shell.LASTAPIERRORCODE, 0);
}

TEST_F(Win32Shell, IgnoredParametersAndAGivenDirectory) {
    KWShellClass shell;
    // The helper writes no report without parameters; its exit code shows
    // that it ran.
    EXPECT_EQ(shell.KWRun(helper_, "\"" + report_ + "\"", "", 1, 1, 1, 0), 3);
    EXPECT_EQ(::GetFileAttributesA(report_.c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(shell.KWRun(helper_, "\"" + report_ + "\"", "C:\\windows", 1, 0, 0, 0), 3);
    std::string commandLine;
    std::string folder;
    ASSERT_TRUE(ReadReport(commandLine, folder));
    EXPECT_EQ(text::Upper(folder), "C:\\WINDOWS");
}

TEST_F(Win32Shell, RunWithoutWaitReturnsALiveProcessHandle) {
    KWShellClass shell;
    const std::int32_t process = shell.KWRun(helper_, "\"" + report_ + "\"", "", 0, 0, 1, 0);
    ASSERT_NE(process, 0);
    HANDLE h = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(process));
    ASSERT_EQ(::WaitForSingleObject(h, 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    ASSERT_TRUE(::GetExitCodeProcess(h, &code));
    EXPECT_EQ(code, 3u);
    EXPECT_TRUE(::CloseHandle(h));
}

TEST_F(Win32Shell, FailedStartRecordsWindowsOwnErrorCodeAndText) {
    testing::BoxCloser closer;
    KWShellClass shell;
    EXPECT_EQ(shell.KWRun("C:\\windows\\no-such-program.exe", "", "", 1, 1, 1, 0), 0);
    EXPECT_EQ(shell.LASTAPIERRORCODE, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(shell.LASTAPIERROR.Value(),
              "KWShellClass.KWRun: " + text::TrimRight(SystemText(ERROR_FILE_NOT_FOUND)));
}

TEST_F(Win32Shell, Wow64AndSystemFoldersMatchThePrefix) {
    KWShellClass shell;
    const bool is64 = Is64BitWindows();
    EXPECT_EQ(shell.IsWow64(), is64);
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr) {
        const std::string p(prefix);
        EXPECT_EQ(is64, p.size() >= 2 && p.compare(p.size() - 2, 2, "64") == 0) << p;
    }
    EXPECT_EQ(text::Upper(shell.GetSpecialFolder(37)), "C:\\WINDOWS\\SYSTEM32");
    if (is64) {
        EXPECT_EQ(text::Upper(shell.GetSpecialFolder(41)), "C:\\WINDOWS\\SYSWOW64");
    }
    // Nothing is recorded.
    EXPECT_EQ(shell.LASTAPIERRORCODE, 0);
}

}  // namespace
}  // namespace tolvane
