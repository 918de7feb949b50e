// Tolvane.exe driven the way a user drives it: started under Wine in a fresh
// working folder, found by its caption, typed into, pressed, its message
// boxes read and closed; the results checked in the registry and the INI file.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef TOLVANE_EXE_FROM_TEST
#error "TOLVANE_EXE_FROM_TEST: the path of Tolvane.exe relative to this test program"
#endif

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char kCaption[] = "Install Topspeed ODBC driver in Registry";
const char kDrivers[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers";
const std::string kDriverKey = "SOFTWARE\\ODBC\\ODBCINST.INI\\";
constexpr int kPath = 2, kCancel = 4, kAddDriver = 5, kName = 7, kRunAdmin = 8;

// Polls `ready` until it holds or the time is up.
template <typename F>
bool WaitFor(F ready, std::chrono::milliseconds limit = 20s) {
    for (auto end = Clock::now() + limit; Clock::now() < end; ::Sleep(20)) {
        if (ready()) return true;
    }
    return ready();
}

std::string ExePath() {
    char self[MAX_PATH * 2] = {};
    DWORD n = ::GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path(self, n);
    path = path.substr(0, path.find_last_of('\\') + 1) + TOLVANE_EXE_FROM_TEST;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

bool IsWow64() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

// A fresh working folder of its own for each test.
class WorkFolder {
  public:
    WorkFolder() {
        static int count = 0;
        char temp[MAX_PATH] = {};
        ::GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "tolvane-e2e-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++count);
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~WorkFolder() {
        for (const std::string& f : made_) ::DeleteFileA(f.c_str());
        ::DeleteFileA(File("Tolvane.INI").c_str());
        ::RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::string Make(const std::string& name) {
        made_.push_back(File(name));
        std::ofstream(made_.back(), std::ios::binary) << "MZ stand-in driver";
        return made_.back();
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }

  private:
    std::string path_;
    std::vector<std::string> made_;
};

struct Box {
    std::string caption;
    std::string text;
    bool icon = false;
    HWND owner = nullptr;
};

// One run of Tolvane.exe; ended with "Cancel", or killed if a test fails.
class Tolvane {
  public:
    explicit Tolvane(const WorkFolder& folder) {
        std::string exe = ExePath();
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        auto start = Clock::now();
        if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                              folder.Path().c_str(), &si, &process_)) {
            error_ = ::GetLastError();
            return;
        }
        WaitFor([&] {
            ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(this));
            return window_ != nullptr;
        });
        startup_ = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        std::printf("[ window after %lld ms ]\n", static_cast<long long>(startup_.count()));
    }
    ~Tolvane() {
        if (process_.hProcess == nullptr) return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.hProcess, 1);
            ::WaitForSingleObject(process_.hProcess, 5000);
        }
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }

    DWORD Error() const { return error_; }
    HWND Window() const { return window_; }
    HWND Item(int control) const { return ::GetDlgItem(window_, control); }

    std::string Text(int control) const {
        char text[2048] = {};
        ::GetDlgItemTextA(window_, control, text, sizeof text);
        return text;
    }
    bool Checked(int control) const {
        return ::SendMessageA(Item(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // Sets an entry's text as typing would: the entry tells its change.
    void Type(int control, const std::string& text) {
        ::SendMessageA(Item(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Posted, since a press may open a modal box that the test must answer.
    void Press(int control) { ::PostMessageA(Item(control), BM_CLICK, 0, 0); }

    // The control that has the keyboard focus in the program's thread.
    int Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!::GetGUIThreadInfo(process_.dwThreadId, &info) || info.hwndFocus == nullptr) return 0;
        return ::GetParent(info.hwndFocus) == window_ ? ::GetDlgCtrlID(info.hwndFocus) : -1;
    }
    bool FocusBecomes(int control) const {
        return WaitFor([&] { return Focus() == control; }, 5s);
    }

    // Waits for the program's message box, reads it and closes it with OK.
    bool AnswerBox(Box& box) {
        HWND found = nullptr;
        if (!WaitFor([&] { return (found = FindBox()) != nullptr; })) return false;
        char caption[256] = {};
        ::GetWindowTextA(found, caption, sizeof caption);
        box.caption = caption;
        char text[1024] = {};
        ::GetDlgItemTextA(found, 0xFFFF, text, sizeof text);
        box.text = text;
        box.owner = ::GetWindow(found, GW_OWNER);
        box.icon = false;
        for (HWND c = ::GetWindow(found, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
            if (::IsWindowVisible(c) && ::SendMessageA(c, STM_GETICON, 0, 0) != 0) box.icon = true;
        }
        ::PostMessageA(found, WM_COMMAND, IDOK, 0);
        return WaitFor([&] { return !::IsWindow(found); });
    }

    // Presses "Cancel" and waits for the program to end.
    bool Close() {
        Press(kCancel);
        return ::WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0;
    }

  private:
    static BOOL CALLBACK FindMain(HWND w, LPARAM self) {
        auto* t = reinterpret_cast<Tolvane*>(self);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        char caption[128] = {};
        ::GetWindowTextA(w, caption, sizeof caption);
        if (pid == t->process_.dwProcessId && std::string(caption) == kCaption &&
            ::IsWindowVisible(w)) {
            t->window_ = w;
            return FALSE;
        }
        return TRUE;
    }
    struct BoxSearch {
        DWORD pid;
        HWND main;
        HWND found;
    };
    static BOOL CALLBACK FindBoxOf(HWND w, LPARAM p) {
        auto* s = reinterpret_cast<BoxSearch*>(p);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        char klass[16] = {};
        ::GetClassNameA(w, klass, sizeof klass);
        if (pid == s->pid && w != s->main && std::string(klass) == "#32770" &&
            ::IsWindowVisible(w)) {
            s->found = w;
            return FALSE;
        }
        return TRUE;
    }
    HWND FindBox() const {
        BoxSearch search{process_.dwProcessId, window_, nullptr};
        ::EnumWindows(&FindBoxOf, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    PROCESS_INFORMATION process_{};
    DWORD error_ = 0;
    HWND window_ = nullptr;
    std::chrono::milliseconds startup_{0};
};

struct Value {
    bool found = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// Reads a machine-wide value as the 32-bit driver manager sees it, or with
// another view given by `view`.
Value ReadValue(const std::string& key, const std::string& name, REGSAM view = KEY_WOW64_32KEY) {
    Value v;
    HKEY k = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | view, &k) != ERROR_SUCCESS) {
        return v;
    }
    DWORD size = 0;
    if (::RegQueryValueExA(k, name.c_str(), nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        v.found = ::RegQueryValueExA(k, name.c_str(), nullptr, &v.type, v.data.data(), &size) ==
                  ERROR_SUCCESS;
    }
    ::RegCloseKey(k);
    return v;
}

std::vector<BYTE> Sz(const std::string& s) {
    std::vector<BYTE> b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

// Leaves no registration of `name` behind from an earlier run in the prefix.
void Unregister(const std::string& name) {
    ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, (kDriverKey + name).c_str(), KEY_WOW64_32KEY, 0);
    HKEY k = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDrivers, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &k) ==
        ERROR_SUCCESS) {
        ::RegDeleteValueA(k, name.c_str());
        ::RegCloseKey(k);
    }
}

// The driver's six values and its "ODBC Drivers" entry, in the 32-bit view.
void ExpectRegistered(const std::string& name, const std::string& dll) {
    SCOPED_TRACE(name);
    const std::string key = kDriverKey + name;
    struct Row {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
    };
    const Row rows[] = {
        {"Driver", REG_SZ, Sz(dll)},        {"Setup", REG_SZ, Sz(dll)},
        {"APILevel", REG_SZ, Sz("1")},      {"ConnectFunctions", REG_SZ, Sz("YYN")},
        {"FileExtns", REG_SZ, Sz("*.tps")}, {"UsageCount", REG_DWORD, {1, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Value v = ReadValue(key, row.name);
        ASSERT_TRUE(v.found);
        EXPECT_EQ(v.type, row.type);
        EXPECT_EQ(v.data, row.data);
    }
    Value listed = ReadValue(kDrivers, name);
    ASSERT_TRUE(listed.found);
    EXPECT_EQ(listed.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(listed.data, Sz("Installed"));
    if (IsWow64()) {
        // The 32-bit view of 64-bit Windows is Wow6432Node; the 64-bit view stays empty.
        EXPECT_TRUE(ReadValue("SOFTWARE\\Wow6432Node\\ODBC\\ODBCINST.INI\\" + name, "Driver",
                              KEY_WOW64_64KEY)
                        .found);
        EXPECT_FALSE(ReadValue(key, "Driver", KEY_WOW64_64KEY).found);
    }
}

// The settings file as Tolvane writes it, with the window position it reported.
std::string Settings(const std::string& xy, const std::string& path, const std::string& name,
                     const char* runAdmin) {
    return "[Main]\r\nMaximize=No\r\nMinimize=No\r\n" + xy + "Loc:ODBCPath=" + path +
           "\r\nLoc:DriverName=" + name + "\r\nLoc:RunODBCAdmin=" + runAdmin + "\r\n";
}

// The "XPos=..\r\nYPos=..\r\n" lines of a settings file.
std::string PositionLines(const std::string& ini) {
    std::size_t x = ini.find("XPos=");
    std::size_t end = ini.find("Loc:ODBCPath=");
    return x == std::string::npos || end == std::string::npos ? "" : ini.substr(x, end - x);
}

TEST(Tolvane, FirstStartShowsTheDefaultsAndCancelSavesThem) {
    WorkFolder folder;
    Tolvane app(folder);
    ASSERT_EQ(app.Error(), 0u) << "CreateProcess failed";
    ASSERT_NE(app.Window(), nullptr) << "no window \"" << kCaption << "\"";

    EXPECT_EQ(app.Text(kPath), "");
    EXPECT_EQ(app.Text(kName), "TopSpeed ODBC Driver");
    EXPECT_FALSE(app.Checked(kRunAdmin));
    EXPECT_TRUE(app.FocusBecomes(kPath)) << "focus on " << app.Focus();
    // Centred in the work area.
    RECT r{};
    RECT work{};
    ::GetWindowRect(app.Window(), &r);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);

    ASSERT_TRUE(app.Close());
    std::string ini = folder.Read("Tolvane.INI");
    std::string xy = PositionLines(ini);
    int x = 0;
    int y = 0;
    ASSERT_EQ(std::sscanf(xy.c_str(), "XPos=%d\r\nYPos=%d\r\n", &x, &y), 2) << ini;
    EXPECT_EQ(xy, "XPos=" + std::to_string(x) + "\r\nYPos=" + std::to_string(y) + "\r\n");
    EXPECT_GT(x, 0);
    EXPECT_GT(y, 0);
    EXPECT_EQ(ini, Settings(xy, "", "TopSpeed ODBC Driver", "0"));
}

TEST(Tolvane, EachFaultInTheFormHasItsMessageAndFocus) {
    WorkFolder folder;
    ::CreateDirectoryA(folder.File("drivers").c_str(), nullptr);
    struct Case {
        const char* name;
        std::string path;
        const char* caption;
        const char* text;
        int focus;
    };
    const Case cases[] = {
        {"   ", folder.Make("c4otSDX.dll"), "ERROR:  No Driver Name Specified!",
         "You must specify a driver name", kName},
        {"E2E No Path", "   ", "ERROR:  No ODBC Driver Path Specified!",
         "You must specify path to the ODBC driver DLL", kPath},
        {"E2E Missing", folder.File("missing.dll"), "ERROR:  No ODBC Driver file!",
         "The ODBC Driver DLL file does not exist", kName},
        // A folder is no driver DLL.
        {"E2E Folder", folder.File("drivers"), "ERROR:  No ODBC Driver file!",
         "The ODBC Driver DLL file does not exist", kName},
    };
    Tolvane app(folder);
    ASSERT_NE(app.Window(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + std::string(" / \"") + c.name + "\"");
        Unregister(c.name);
        app.Type(kName, c.name);
        app.Type(kPath, c.path);
        app.Press(kAddDriver);
        Box box;
        ASSERT_TRUE(app.AnswerBox(box)) << "no message box";
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.text, c.text);
        EXPECT_TRUE(box.icon) << "the error icon";
        EXPECT_EQ(box.owner, app.Window());
        EXPECT_TRUE(app.FocusBecomes(c.focus)) << "focus on " << app.Focus();
        EXPECT_FALSE(ReadValue(kDrivers, c.name).found) << "nothing registered";
        EXPECT_FALSE(ReadValue(kDriverKey + c.name, "Driver").found);
    }
    ASSERT_TRUE(app.Close());
}

TEST(Tolvane, RegistersTheDriverAndTheNextStartShowsTheSavedForm) {
    WorkFolder folder;
    const std::string dll = folder.Make("c4otSDX.dll");
    Unregister("TopSpeed ODBC Driver");
    Unregister("E2E Second");
    std::string xy;
    {
        Tolvane app(folder);
        ASSERT_NE(app.Window(), nullptr);
        app.Type(kPath, dll);
        app.Press(kAddDriver);
        Box box;
        ASSERT_TRUE(app.AnswerBox(box)) << "no message box";
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.text, "TopSpeed ODBC driver has been installed!");
        EXPECT_FALSE(box.icon);
        EXPECT_TRUE(app.FocusBecomes(kAddDriver)) << "the focus stays, on " << app.Focus();
        ExpectRegistered("TopSpeed ODBC Driver", dll);

        // A second name, with trailing spaces that neither key nor entry keeps.
        app.Type(kName, "E2E Second  ");
        app.Press(kAddDriver);
        ASSERT_TRUE(app.AnswerBox(box));
        EXPECT_EQ(box.text, "TopSpeed ODBC driver has been installed!");
        ExpectRegistered("E2E Second", dll);
        ExpectRegistered("TopSpeed ODBC Driver", dll);

        app.Press(kRunAdmin);
        ASSERT_TRUE(WaitFor([&] { return app.Checked(kRunAdmin); }));
        ASSERT_TRUE(app.Close());
        std::string ini = folder.Read("Tolvane.INI");
        xy = PositionLines(ini);
        EXPECT_EQ(ini, Settings(xy, dll, "E2E Second", "1"));
    }
    RECT first{};
    {
        Tolvane app(folder);
        ASSERT_NE(app.Window(), nullptr);
        EXPECT_EQ(app.Text(kPath), dll);
        EXPECT_EQ(app.Text(kName), "E2E Second");
        EXPECT_TRUE(app.Checked(kRunAdmin));
        ::GetWindowRect(app.Window(), &first);
        ASSERT_TRUE(app.Close());
        EXPECT_EQ(PositionLines(folder.Read("Tolvane.INI")), xy) << "the window does not creep";
    }
}

}  // namespace
