// The foundation against the real system, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "foundation/KWWindowsClass.h"
#include "platform/Text.h"
#include "tests/WinTestSupport.h"
#include "tests/foundation/DebugListener.h"
#include "tests/foundation/Win32Services.h"

namespace tolvane {
namespace {

using testing::SystemText;
using testing::ThisFolder;

std::string ProbePath() { return ThisFolder() + "\\foundation_probe.exe"; }

// Runs the probe with `arguments` and returns its NAME=value lines.
std::map<std::string, std::string> RunProbe(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    std::map<std::string, std::string> facts;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return facts;
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string line = "\"" + ProbePath() + "\"" + arguments;
    const BOOL started = ::CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char chunk[512];
        DWORD got = 0;
        while (::ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) {
            output.append(chunk, got);
        }
        ::WaitForSingleObject(process.hProcess, 30000);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(readEnd);
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string l = output.substr(start, end - start);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        const std::size_t eq = l.find('=');
        if (eq != std::string::npos) facts[l.substr(0, eq)] = l.substr(eq + 1);
        start = end + 1;
    }
    return facts;
}

TEST(Win32Foundation, DebugSwitchAndArgumentsFromTheRealCommandLine) {
    struct Case {
        const char* arguments;
        const char* debug;
        const char* commandLine;
    };
    const Case cases[] = {
        {" debug=7 x", "7", "[ debug=7 x]"},
        {" DEBUG=300", "44", "[ DEBUG=300]"},
        {" DEBUG", "0", "[ DEBUG]"},
        {" DEBUG=on", "0", "[ DEBUG=on]"},
        {"", "0", "[]"},
    };
    for (const Case& c : cases) {
        std::map<std::string, std::string> facts = RunProbe(c.arguments);
        EXPECT_EQ(facts["PROGRAMDEBUGON"], c.debug) << c.arguments;
        EXPECT_EQ(facts["PROGRAMCOMMANDLINE"], c.commandLine) << c.arguments;
    }
}

TEST(Win32Foundation, ProgramFileAndFolderAreWhereTheProgramLies) {
    std::map<std::string, std::string> facts = RunProbe("");
    EXPECT_EQ(text::Upper(facts["EXENAME"]), text::Upper(ProbePath()));
    EXPECT_EQ(text::Upper(facts["PROGPATH"]), text::Upper(ThisFolder()));
}

// The machine's EnableLUA, put back as it was after the test.
class EnableLua : public ::testing::Test {
  protected:
    static constexpr const char* kKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    void SetUp() override {
        ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        DWORD size = sizeof saved_;
        had_ = ::RegQueryValueExA(key_, "EnableLUA", nullptr, &savedType_, saved_, &size) ==
               ERROR_SUCCESS;
        savedSize_ = size;
    }
    void TearDown() override {
        if (had_) {
            ::RegSetValueExA(key_, "EnableLUA", 0, savedType_, saved_, savedSize_);
        } else {
            ::RegDeleteValueA(key_, "EnableLUA");
        }
        ::RegCloseKey(key_);
    }
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD savedType_ = 0;
    BYTE saved_[256] = {};
    DWORD savedSize_ = 0;
    testing::Win32Services services;
};

TEST_F(EnableLua, DwordOneGivesOneAndDeletedGivesZero) {
    const DWORD one = 1;
    ASSERT_EQ(::RegSetValueExA(key_, "EnableLUA", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                               sizeof one),
              ERROR_SUCCESS);
    EXPECT_EQ(KWWindowsClass().VISTAHASUAC, 1);
    EXPECT_EQ(RunProbe("")["VISTAHASUAC"], "1");

    ::RegDeleteValueA(key_, "EnableLUA");
    EXPECT_EQ(KWWindowsClass().VISTAHASUAC, 0);
}

TEST(Win32Foundation, VersionIsTheRunningSystems) {
    testing::Win32Services services;
    KWWindowsClass w;
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(::GetVersionExA(&info));
    EXPECT_EQ(w.MAJORVERSION, static_cast<std::int32_t>(info.dwMajorVersion));
    EXPECT_EQ(w.MINORVERSION, static_cast<std::int32_t>(info.dwMinorVersion));
    EXPECT_EQ(w.VERSIONBUILDNR, static_cast<std::int32_t>(info.dwBuildNumber));
    EXPECT_EQ(w.ISVISTA, info.dwMajorVersion >= 6 ? 1 : 0);
    EXPECT_EQ(w.QueryOSVersion(),
              std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion));
    EXPECT_FALSE(w.COMPUTERNAME.Value().empty());
    EXPECT_FALSE(w.USERNAME.Value().empty());
}

TEST(Win32Foundation, ApiErrorTextIsWindowsOwn) {
    testing::Win32Services services;
    KWBaseClass base;
    const std::string expected = SystemText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text::IsBlank(expected));
    std::int32_t code = ERROR_FILE_NOT_FOUND;
    EXPECT_EQ(base.GetLastAPIError("Probe", &code), expected);
    EXPECT_EQ(base.LASTAPIERROR.Value(), "Probe: " + text::TrimRight(expected));

    // Without a holder, the thread's own last error.
    ::SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(base.GetLastAPIError("Probe"), SystemText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(base.LASTAPIERRORCODE, ERROR_ACCESS_DENIED);
}

TEST(Win32Foundation, DebugOutputReachesTheDebugOutput) {
    testing::Win32Services services;
    testing::DebugListener listener;
    ASSERT_TRUE(listener.Ready());
    KWBaseClass base;
    base.DebugOutput("Tolvane debug line   ", 0);
    base.DebugOutput("not sent", -1);
    std::int32_t code = ERROR_FILE_NOT_FOUND;
    base.GetLastAPIError("Probe", &code);
    const std::string apiLine = "GetLastAPIError (2) " + base.LASTAPIERROR.Value();
    ASSERT_TRUE(listener.WaitFor("Tolvane debug line"));
    ASSERT_TRUE(listener.WaitFor(apiLine));
    std::vector<std::string> mine;
    for (const testing::DebugListener::Line& line : listener.Lines()) {
        if (line.processId == ::GetCurrentProcessId()) mine.push_back(line.text);
    }
    EXPECT_EQ(mine, (std::vector<std::string>{"Tolvane debug line", apiLine}));
}

}  // namespace
}  // namespace tolvane
