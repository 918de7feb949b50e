// "Run ODBC Admin" and "Add Driver" with the box ticked, end to end: a
// stand-in odbcad32.exe lies in the prefix's system folders and records each
// start; Tolvane.exe is driven through its window, and its debug output is
// read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/Text.h"
#include "tests/e2e/TolvaneSession.h"
#include "tests/foundation/DebugListener.h"

namespace tolvane {
namespace {

using namespace std::chrono_literals;
using namespace testing;

// The folder the 32-bit administrator is started from.
std::string AdminFolder() {
    return Is64BitWindows() ? "C:\\windows\\syswow64" : "C:\\windows\\system32";
}

struct Start {
    std::string module;
    std::string folder;
    std::string commandLine;
};

class OdbcAdmin : public ::testing::Test {
  protected:
    void SetUp() override {
        log_ = work_.File("odbcad32-starts.log");
        ::DeleteFileA(log_.c_str());
        // Tolvane.exe and the administrator it starts inherit it.
        ::SetEnvironmentVariableA("TOLVANE_ODBCAD32_LOG", log_.c_str());
        ASSERT_TRUE(listener_.Ready());
    }
    void TearDown() override {
        tolvane_.reset();
        RemoveStandIns();
        ::SetEnvironmentVariableA("TOLVANE_ODBCAD32_LOG", nullptr);
    }

    // The stand-in in every system folder of the prefix; a 32-bit process
    // reaches the 64-bit one through "sysnative".
    std::vector<std::string> SystemFolders() const {
        if (Is64BitWindows()) return {"C:\\windows\\syswow64", "C:\\windows\\sysnative"};
        return {"C:\\windows\\system32"};
    }
    void PlaceStandIns() {
        const std::string standIn = ThisFolder() + "\\odbcad32.exe";
        for (const std::string& folder : SystemFolders()) {
            ASSERT_TRUE(::CopyFileA(standIn.c_str(), (folder + "\\odbcad32.exe").c_str(), FALSE))
                << folder << ": " << ::GetLastError();
        }
    }
    void RemoveStandIns() {
        for (const std::string& folder : SystemFolders()) {
            ::DeleteFileA((folder + "\\odbcad32.exe").c_str());
        }
    }

    void StartTolvane() {
        tolvane_.emplace(work_);
        ASSERT_TRUE(tolvane_->Started()) << tolvane_->Error();
        ASSERT_NE(tolvane_->Window(), nullptr) << "no window \"" << kCaption << "\"";
    }

    std::vector<Start> Starts() const {
        std::vector<Start> starts;
        std::ifstream in(log_);
        std::string line;
        while (std::getline(in, line)) {
            const std::size_t a = line.find('|');
            const std::size_t b = line.find('|', a + 1);
            if (a == std::string::npos || b == std::string::npos) continue;
            starts.push_back(
                {line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
        }
        return starts;
    }
    bool StartsBecome(std::size_t n) {
        return WaitFor([&] { return Starts().size() >= n; });
    }
    // The lines that Tolvane.exe sent to the debug output.
    std::vector<std::string> TolvaneLines() {
        std::vector<std::string> lines;
        for (const testing::DebugListener::Line& l : listener_.Lines()) {
            if (l.processId == tolvane_->ProcessId()) lines.push_back(l.text);
        }
        return lines;
    }

    void ExpectStartedFromTheSystemFolder(const Start& start) {
        EXPECT_EQ(text::Upper(start.module), text::Upper(AdminFolder() + "\\odbcad32.exe"));
        EXPECT_EQ(text::Upper(start.folder), text::Upper(AdminFolder()));
        EXPECT_EQ(commandline::Split(start.commandLine), std::vector<std::string>{})
            << "no parameters: " << start.commandLine;
    }

    testing::DebugListener listener_;
    WorkFolder work_;
    std::string log_;
    std::optional<TolvaneSession> tolvane_;
};

TEST_F(OdbcAdmin, RunOdbcAdminStartsTheAdministratorFromThe32BitSystemFolder) {
    PlaceStandIns();
    StartTolvane();
    const std::string line = "32Bit ODBC Administrator: " + AdminFolder() + "\\odbcad32.exe";

    tolvane_->Press(kRunAdmin);
    ASSERT_TRUE(StartsBecome(1));
    ExpectStartedFromTheSystemFolder(Starts()[0]);
    EXPECT_TRUE(listener_.WaitFor(line));

    // Each press starts another one.
    tolvane_->Press(kRunAdmin);
    ASSERT_TRUE(StartsBecome(2));
    ExpectStartedFromTheSystemFolder(Starts()[1]);
    EXPECT_TRUE(WaitFor([&] { return TolvaneLines().size() >= 2; }));
    EXPECT_EQ(TolvaneLines(), (std::vector<std::string>{line, line}));

    EXPECT_EQ(tolvane_->FindBox(), nullptr) << "no message of the installer's own";
    EXPECT_TRUE(tolvane_->Close());
}

TEST_F(OdbcAdmin, AddDriverWithTheBoxTickedStartsTheAdministratorBeforeTheSuccessMessage) {
    PlaceStandIns();
    const std::string dll = work_.Make("c4otSDX.dll");
    StartTolvane();
    tolvane_->Type(kName, "E2E Admin Launch");
    tolvane_->Type(kPath, dll);
    tolvane_->Press(kRunAdminBox);
    ASSERT_TRUE(WaitFor([&] { return tolvane_->Checked(kRunAdminBox); }));

    tolvane_->Press(kAddDriver);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = tolvane_->FindBox()) != nullptr; }));
    // While the success box is still up, the administrator has been started
    // and the launch's line written: both came before the box.
    ASSERT_TRUE(StartsBecome(1));
    EXPECT_TRUE(::IsWindow(box));
    ExpectStartedFromTheSystemFolder(Starts()[0]);
    EXPECT_TRUE(listener_.WaitFor("32Bit ODBC Administrator: " + AdminFolder() + "\\odbcad32.exe"));
    Box message;
    ASSERT_TRUE(tolvane_->AnswerBox(message));
    EXPECT_EQ(message.text, "TopSpeed ODBC driver has been installed!");
    EXPECT_TRUE(tolvane_->Close());

    Unregister("E2E Admin Launch");
}

TEST_F(OdbcAdmin, MissingAdministratorGetsNoMessageOfTheInstallersOwn) {
    RemoveStandIns();
    StartTolvane();
    tolvane_->Press(kRunAdmin);
    // The shell may show its own error window for the missing file.
    const std::string notFound = text::TrimRight(SystemText(ERROR_FILE_NOT_FOUND));
    Box shellError;
    const bool shellBox = tolvane_->AnswerBox(shellError, 5s);
    if (shellBox) {
        std::string shellMessage = shellError.text;
        shellMessage.erase(shellMessage.find_last_not_of(" \r\n") + 1);
        EXPECT_EQ(shellMessage, notFound);
    }
    const std::string path = AdminFolder() + "\\odbcad32.exe";
    ASSERT_TRUE(listener_.WaitFor("32Bit ODBC Administrator: " + path));
    EXPECT_EQ(TolvaneLines(),
              (std::vector<std::string>{"GetLastAPIError (2) KWShellClass.KWRun: " + notFound,
                                        "32Bit ODBC Administrator: " + path}));
    EXPECT_TRUE(Starts().empty());
    // Nothing more comes up, and the window still answers.
    ::Sleep(500);
    EXPECT_EQ(tolvane_->FindBox(), nullptr);
    EXPECT_TRUE(tolvane_->Close());
}

}  // namespace
}  // namespace tolvane
