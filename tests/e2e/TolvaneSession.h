// Tolvane.exe as the end-to-end tests drive it: started in a working folder
// of its own, found by its caption, typed into, pressed, its message boxes
// read and answered, and closed with "Cancel".
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/WinTestSupport.h"
#include "tests/platform/TempDir.h"

#ifndef TOLVANE_EXE_FROM_TEST
#error "TOLVANE_EXE_FROM_TEST: the path of Tolvane.exe relative to this test program"
#endif

namespace tolvane::testing {

constexpr char kCaption[] = "Install Topspeed ODBC driver in Registry";
// The main window's controls: the path entry, "Cancel", "Add Driver", the
// name entry, the "Run ODBC Admin" tick box and the "Run ODBC Admin" button.
constexpr int kPath = 2, kCancel = 4, kAddDriver = 5, kName = 7, kRunAdminBox = 8, kRunAdmin = 9;

constexpr char kDrivers[] = "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers";
inline const std::string kDriverKey = "SOFTWARE\\ODBC\\ODBCINST.INI\\";

inline std::string TolvanePath() { return BesideThisProgram(TOLVANE_EXE_FROM_TEST); }

// Leaves no registration of `name` behind from an earlier run in the prefix.
inline void Unregister(const std::string& name) {
    ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, (kDriverKey + name).c_str(), KEY_WOW64_32KEY, 0);
    HKEY k = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDrivers, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &k) ==
        ERROR_SUCCESS) {
        ::RegDeleteValueA(k, name.c_str());
        ::RegCloseKey(k);
    }
}

// A fresh working folder for one test, removed with all in it afterwards;
// its files are named as Windows names them, for typing into the form.
class WorkFolder : public TempDir {
  public:
    std::string File(const std::string& name) const { return Path() + "\\" + name; }
    // A file that passes for a driver DLL.
    std::string Make(const std::string& name) const {
        Write(name, "MZ stand-in driver");
        return File(name);
    }
};

// One run of Tolvane.exe; ended with "Cancel", or killed if a test leaves it
// running.
class TolvaneSession {
  public:
    explicit TolvaneSession(const WorkFolder& folder,
                            std::chrono::milliseconds windowLimit = std::chrono::seconds(20)) {
        const auto start = std::chrono::steady_clock::now();
        if (!StartProgram(TolvanePath(), "", folder.Path().c_str(), process_)) {
            error_ = ::GetLastError();
            return;
        }
        WaitFor([&] { return (window_ = FindMain()) != nullptr; }, windowLimit);
        const auto startup = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        std::printf("[ window after %lld ms ]\n", static_cast<long long>(startup.count()));
    }
    ~TolvaneSession() {
        if (process_.hProcess == nullptr) return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.hProcess, 1);
            ::WaitForSingleObject(process_.hProcess, 5000);
        }
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    TolvaneSession(const TolvaneSession&) = delete;
    TolvaneSession& operator=(const TolvaneSession&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // Why the start failed, or 0.
    DWORD Error() const { return error_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
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

    // The control that has the keyboard focus in the program's thread: 0 for
    // none, -1 for a window that is not one of the main window's controls.
    int Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!::GetGUIThreadInfo(process_.dwThreadId, &info) || info.hwndFocus == nullptr) return 0;
        return ::GetParent(info.hwndFocus) == window_ ? ::GetDlgCtrlID(info.hwndFocus) : -1;
    }
    bool FocusBecomes(int control) const {
        return WaitFor([&] { return Focus() == control; }, std::chrono::seconds(5));
    }

    // A box of the program's process that is up now, if any.
    HWND FindBox() const { return FindDialogOf(process_.dwProcessId, window_); }
    // Waits for a box of the program's process, reads it and closes it with OK.
    bool AnswerBox(Box& box, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        return testing::AnswerBox(process_.dwProcessId, window_, box, limit);
    }

    // Presses "Cancel" and waits for the program to end.
    bool Close() {
        if (Item(kCancel) == nullptr) return false;
        Press(kCancel);
        return ::WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0;
    }

  private:
    struct MainSearch {
        DWORD pid;
        HWND found;
    };
    static BOOL CALLBACK FindMainStep(HWND w, LPARAM p) {
        auto* s = reinterpret_cast<MainSearch*>(p);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        char caption[128] = {};
        ::GetWindowTextA(w, caption, sizeof caption);
        if (pid != s->pid || std::string(caption) != kCaption || !::IsWindowVisible(w)) return TRUE;
        s->found = w;
        return FALSE;
    }
    HWND FindMain() const {
        MainSearch search{process_.dwProcessId, nullptr};
        ::EnumWindows(&FindMainStep, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    PROCESS_INFORMATION process_{};
    DWORD error_ = 0;
    HWND window_ = nullptr;
};

}  // namespace tolvane::testing
