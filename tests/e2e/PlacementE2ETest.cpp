// Tolvane.exe started under Wine with a saved window position: one far off
// the screen comes back inside the work area, one inside it is kept.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>

#ifndef TOLVANE_EXE_FROM_TEST
#error "TOLVANE_EXE_FROM_TEST: the path of Tolvane.exe relative to this test program"
#endif

namespace {

using namespace std::chrono_literals;

const char kCaption[] = "Install Topspeed ODBC driver in Registry";
constexpr int kCancel = 4;

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string SelfPath() {
    char buffer[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, n);
}

// A fresh working folder with a settings file, removed afterwards.
class WorkFolder {
  public:
    explicit WorkFolder(const std::string& settings) {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "tolvane-placement-" + std::to_string(GetCurrentProcessId()) +
                "-" + std::to_string(GetTickCount());
        CreateDirectoryA(path_.c_str(), nullptr);
        std::ofstream(Ini(), std::ios::binary) << settings;
    }
    ~WorkFolder() {
        DeleteFileA(Ini().c_str());
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string Ini() const { return path_ + "\\Tolvane.INI"; }
    std::string Read(const char* key) const {
        char value[256] = {};
        GetPrivateProfileStringA("Main", key, "(missing)", value, sizeof value, Ini().c_str());
        return value;
    }

  private:
    std::string path_;
};

// Tolvane.exe running in a folder; closed with its "Cancel" button.
class Running {
  public:
    explicit Running(const WorkFolder& folder) {
        std::string exe = Folder(SelfPath()) + TOLVANE_EXE_FROM_TEST;
        for (char& c : exe) {
            if (c == '/') c = '\\';
        }
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        started_ = CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.Path().c_str(), &si, &process_) != 0;
        if (!started_) return;
        CloseHandle(process_.hThread);
        // Shown only after its position was restored and checked.
        for (auto end = std::chrono::steady_clock::now() + 30s;
             std::chrono::steady_clock::now() < end; Sleep(50)) {
            HWND w = FindWindowA(nullptr, kCaption);
            if (w != nullptr && IsWindowVisible(w)) {
                window_ = w;
                break;
            }
        }
    }
    ~Running() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
        }
        CloseHandle(process_.hProcess);
    }
    bool Started() const { return started_; }
    HWND Window() const { return window_; }
    // Presses "Cancel" and waits for the program to end.
    bool Close() {
        HWND cancel = GetDlgItem(window_, kCancel);
        if (cancel == nullptr) return false;
        SendMessageA(cancel, BM_CLICK, 0, 0);
        return WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0;
    }

  private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

TEST(SavedPosition, FarOffTheScreenOpensInsideTheWorkArea) {
    WorkFolder folder("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=20000\r\nYPos=15000\r\n");
    Running tolvane(folder);
    ASSERT_TRUE(tolvane.Started()) << GetLastError();
    ASSERT_NE(tolvane.Window(), nullptr) << "the window did not appear";
    RECT r{};
    ASSERT_TRUE(GetWindowRect(tolvane.Window(), &r));
    const RECT work = WorkArea();
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_GT(r.right - r.left, 0);
    // Nothing of it was visible: the corner of the nearest work area.
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.top, work.top);
    ASSERT_TRUE(tolvane.Close());
    // The corrected position is what is saved.
    EXPECT_LT(std::stoi(folder.Read("XPos")), 20000);
    EXPECT_LT(std::stoi(folder.Read("YPos")), 15000);
}

TEST(SavedPosition, InsideTheWorkAreaIsKeptAsSaved) {
    WorkFolder folder("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=30\r\nYPos=40\r\n");
    Running tolvane(folder);
    ASSERT_TRUE(tolvane.Started()) << GetLastError();
    ASSERT_NE(tolvane.Window(), nullptr) << "the window did not appear";
    RECT r{};
    ASSERT_TRUE(GetWindowRect(tolvane.Window(), &r));
    const RECT work = WorkArea();
    // 30 and 40 dialog units: a little right of and below the corner.
    EXPECT_GT(r.left, work.left);
    EXPECT_GT(r.top, work.top);
    EXPECT_LT(r.left, work.left + 200);
    EXPECT_LT(r.top, work.top + 200);
    ASSERT_TRUE(tolvane.Close());
    EXPECT_EQ(folder.Read("XPos"), "30");
    EXPECT_EQ(folder.Read("YPos"), "40");
}

}  // namespace
