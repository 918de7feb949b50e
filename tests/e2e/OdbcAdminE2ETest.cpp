// "Run ODBC Admin" and "Add Driver" with the box ticked, end to end: a
// stand-in odbcad32.exe lies in the prefix's system folders and records each
// start; Tolvane.exe is driven through its window, and its debug output is
// read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/Text.h"
#include "tests/foundation/DebugListener.h"

#ifndef TOLVANE_EXE_FROM_TEST
#error "TOLVANE_EXE_FROM_TEST: the path of Tolvane.exe relative to this test program"
#endif

namespace tolvane {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char kCaption[] = "Install Topspeed ODBC driver in Registry";
constexpr int kPath = 2, kCancel = 4, kAddDriver = 5, kName = 7, kRunAdminBox = 8, kRunAdmin = 9;

template <typename F>
bool WaitFor(F ready, std::chrono::milliseconds limit = 20s) {
    for (auto end = Clock::now() + limit; Clock::now() < end; ::Sleep(20)) {
        if (ready()) return true;
    }
    return ready();
}

std::string ThisFolder() {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string s(self);
    return s.substr(0, s.find_last_of('\\'));
}

std::string TolvanePath() {
    std::string path = ThisFolder() + "\\" + TOLVANE_EXE_FROM_TEST;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

bool Is64BitWindows() {
    char folder[MAX_PATH] = {};
    return ::GetSystemWow64DirectoryA(folder, MAX_PATH) != 0;
}

// The folder the 32-bit administrator is started from.
std::string AdminFolder() {
    return Is64BitWindows() ? "C:\\windows\\syswow64" : "C:\\windows\\system32";
}

std::string SystemText(DWORD code) {
    char buffer[256] = {};
    DWORD n = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return text::TrimRight(std::string(buffer, n));
}

struct Start {
    std::string module;
    std::string folder;
    std::string commandLine;
};

// Boxes of another process: the first visible dialog-class window that is
// not its main window.
struct BoxSearch {
    DWORD pid;
    HWND main;
    HWND found;
};
BOOL CALLBACK FindBoxOf(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<BoxSearch*>(p);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    char klass[16] = {};
    ::GetClassNameA(w, klass, sizeof klass);
    if (pid == s->pid && w != s->main && std::string(klass) == "#32770" && ::IsWindowVisible(w)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

struct MainSearch {
    DWORD pid;
    HWND found;
};
BOOL CALLBACK FindMain(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<MainSearch*>(p);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    char caption[128] = {};
    ::GetWindowTextA(w, caption, sizeof caption);
    if (pid == s->pid && std::string(caption) == kCaption && ::IsWindowVisible(w)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

class OdbcAdmin : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(sizeof temp, temp);
        work_ = std::string(temp) + "tolvane-admin-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(work_.c_str(), nullptr);
        log_ = work_ + "\\odbcad32-starts.log";
        ::DeleteFileA(log_.c_str());
        // Tolvane.exe and the administrator it starts inherit it.
        ::SetEnvironmentVariableA("TOLVANE_ODBCAD32_LOG", log_.c_str());
        ASSERT_TRUE(listener_.Ready());
    }
    void TearDown() override {
        if (process_.hProcess != nullptr) {
            if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                ::TerminateProcess(process_.hProcess, 1);
                ::WaitForSingleObject(process_.hProcess, 5000);
            }
            ::CloseHandle(process_.hThread);
            ::CloseHandle(process_.hProcess);
        }
        RemoveStandIns();
        for (const char* f : {"Tolvane.INI", "c4otSDX.dll", "odbcad32-starts.log"}) {
            ::DeleteFileA((work_ + "\\" + f).c_str());
        }
        ::RemoveDirectoryA(work_.c_str());
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
        std::string exe = TolvanePath();
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        ASSERT_TRUE(::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                     work_.c_str(), &si, &process_))
            << ::GetLastError();
        MainSearch search{process_.dwProcessId, nullptr};
        ASSERT_TRUE(WaitFor([&] {
            ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        })) << "no window \""
            << kCaption << "\"";
        window_ = search.found;
    }
    HWND Item(int control) const { return ::GetDlgItem(window_, control); }
    void Press(int control) { ::PostMessageA(Item(control), BM_CLICK, 0, 0); }
    void Type(int control, const std::string& text) {
        ::SendMessageA(Item(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    HWND FindBox() const {
        BoxSearch search{process_.dwProcessId, window_, nullptr};
        ::EnumWindows(&FindBoxOf, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // Waits for a box of Tolvane's process, returns its text and closes it.
    bool AnswerBox(std::string& text, std::chrono::milliseconds limit = 20s) {
        HWND box = nullptr;
        if (!WaitFor([&] { return (box = FindBox()) != nullptr; }, limit)) return false;
        char t[1024] = {};
        ::GetDlgItemTextA(box, 0xFFFF, t, sizeof t);
        text = t;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        return WaitFor([&] { return !::IsWindow(box); });
    }
    bool CloseTolvane() {
        Press(kCancel);
        return ::WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0;
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
            if (l.processId == process_.dwProcessId) lines.push_back(l.text);
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
    std::string work_;
    std::string log_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

TEST_F(OdbcAdmin, RunOdbcAdminStartsTheAdministratorFromThe32BitSystemFolder) {
    PlaceStandIns();
    StartTolvane();
    const std::string line = "32Bit ODBC Administrator: " + AdminFolder() + "\\odbcad32.exe";

    Press(kRunAdmin);
    ASSERT_TRUE(StartsBecome(1));
    ExpectStartedFromTheSystemFolder(Starts()[0]);
    EXPECT_TRUE(listener_.WaitFor(line));

    // Each press starts another one.
    Press(kRunAdmin);
    ASSERT_TRUE(StartsBecome(2));
    ExpectStartedFromTheSystemFolder(Starts()[1]);
    EXPECT_TRUE(WaitFor([&] { return TolvaneLines().size() >= 2; }));
    EXPECT_EQ(TolvaneLines(), (std::vector<std::string>{line, line}));

    EXPECT_EQ(FindBox(), nullptr) << "no message of the installer's own";
    EXPECT_TRUE(CloseTolvane());
}

TEST_F(OdbcAdmin, AddDriverWithTheBoxTickedStartsTheAdministratorBeforeTheSuccessMessage) {
    PlaceStandIns();
    const std::string dll = work_ + "\\c4otSDX.dll";
    std::ofstream(dll, std::ios::binary) << "MZ stand-in driver";
    StartTolvane();
    Type(kName, "E2E Admin Launch");
    Type(kPath, dll);
    Press(kRunAdminBox);
    ASSERT_TRUE(WaitFor(
        [&] { return ::SendMessageA(Item(kRunAdminBox), BM_GETCHECK, 0, 0) == BST_CHECKED; }));

    Press(kAddDriver);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindBox()) != nullptr; }));
    // While the success box is still up, the administrator has been started
    // and the launch's line written: both came before the box.
    ASSERT_TRUE(StartsBecome(1));
    EXPECT_TRUE(::IsWindow(box));
    ExpectStartedFromTheSystemFolder(Starts()[0]);
    EXPECT_TRUE(listener_.WaitFor("32Bit ODBC Administrator: " + AdminFolder() + "\\odbcad32.exe"));
    std::string message;
    ASSERT_TRUE(AnswerBox(message));
    EXPECT_EQ(message, "TopSpeed ODBC driver has been installed!");
    EXPECT_TRUE(CloseTolvane());

    ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ODBC\\ODBCINST.INI\\E2E Admin Launch",
                      KEY_WOW64_32KEY, 0);
    HKEY k = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers", 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, &k) == ERROR_SUCCESS) {
        ::RegDeleteValueA(k, "E2E Admin Launch");
        ::RegCloseKey(k);
    }
}

TEST_F(OdbcAdmin, MissingAdministratorGetsNoMessageOfTheInstallersOwn) {
    RemoveStandIns();
    StartTolvane();
    Press(kRunAdmin);
    // The shell may show its own error window for the missing file.
    std::string shellMessage;
    const bool shellBox = AnswerBox(shellMessage, 5s);
    if (shellBox) {
        shellMessage.erase(shellMessage.find_last_not_of(" \r\n") + 1);
        EXPECT_EQ(shellMessage, SystemText(ERROR_FILE_NOT_FOUND));
    }
    const std::string path = AdminFolder() + "\\odbcad32.exe";
    ASSERT_TRUE(listener_.WaitFor("32Bit ODBC Administrator: " + path));
    EXPECT_EQ(TolvaneLines(), (std::vector<std::string>{"GetLastAPIError (2) KWShellClass.KWRun: " +
                                                            SystemText(ERROR_FILE_NOT_FOUND),
                                                        "32Bit ODBC Administrator: " + path}));
    EXPECT_TRUE(Starts().empty());
    // Nothing more comes up, and the window still answers.
    ::Sleep(500);
    EXPECT_EQ(FindBox(), nullptr);
    EXPECT_TRUE(CloseTolvane());
}

}  // namespace
}  // namespace tolvane
