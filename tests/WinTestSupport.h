// Small helpers that the Windows tests share: where this test program lies,
// polling for a condition, the system's own error texts, message boxes found,
// read and answered, and registry values read directly.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace tolvane::testing {

// Polls `ready` every `poll` until it holds or `limit` is up.
template <typename F>
bool WaitFor(F ready, std::chrono::milliseconds limit = std::chrono::seconds(20),
             std::chrono::milliseconds poll = std::chrono::milliseconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (ready()) return true;
        ::Sleep(static_cast<DWORD>(poll.count()));
    }
    return ready();
}

// The folder of this test program, without a closing backslash.
inline std::string ThisFolder() {
    char self[MAX_PATH * 2] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string path(self, n);
    return path.substr(0, path.find_last_of('\\'));
}

// A file given relative to this test program, with Windows' separators.
inline std::string BesideThisProgram(const std::string& relative) {
    std::string path = ThisFolder() + "\\" + relative;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// Only 64-bit Windows has a WOW64 system folder.
inline bool Is64BitWindows() {
    char folder[MAX_PATH] = {};
    return ::GetSystemWow64DirectoryA(folder, MAX_PATH) != 0;
}

// Windows' own text for an error code, as FormatMessage gives it.
inline std::string SystemText(DWORD code) {
    char buffer[256] = {};
    const DWORD n = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, n);
}

inline RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// Whether `w` is a visible dialog-class window (a message box or a common
// dialog) of the process `pid`.
inline bool IsVisibleDialogOf(HWND w, DWORD pid) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(w, &owner);
    char klass[16] = {};
    ::GetClassNameA(w, klass, sizeof klass);
    return owner == pid && std::string(klass) == "#32770" && ::IsWindowVisible(w);
}

struct DialogSearch {
    DWORD pid;
    HWND skip;
    HWND found;
};

inline BOOL CALLBACK FindDialogStep(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<DialogSearch*>(p);
    if (w == s->skip || !IsVisibleDialogOf(w, s->pid)) return TRUE;
    s->found = w;
    return FALSE;
}

// The first visible dialog of the process `pid` other than `skip`, if any.
inline HWND FindDialogOf(DWORD pid, HWND skip = nullptr) {
    DialogSearch search{pid, skip, nullptr};
    ::EnumWindows(&FindDialogStep, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What a message box shows.
struct Box {
    std::string caption;
    std::string text;
    bool icon = false;
    HWND owner = nullptr;
};

inline Box ReadBox(HWND found) {
    Box box;
    char caption[256] = {};
    ::GetWindowTextA(found, caption, sizeof caption);
    box.caption = caption;
    char text[1024] = {};
    ::GetDlgItemTextA(found, 0xFFFF, text, sizeof text);
    box.text = text;
    box.owner = ::GetWindow(found, GW_OWNER);
    for (HWND c = ::GetWindow(found, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
        if (::IsWindowVisible(c) && ::SendMessageA(c, STM_GETICON, 0, 0) != 0) box.icon = true;
    }
    return box;
}

// As a user pressing OK.
inline void PressOk(HWND box) { ::PostMessageA(box, WM_COMMAND, IDOK, 0); }

// Waits for a box of the process `pid` other than `skip`, reads it into
// `box`, presses OK and waits for it to go.
inline bool AnswerBox(DWORD pid, HWND skip, Box& box,
                      std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    HWND found = nullptr;
    if (!WaitFor([&] { return (found = FindDialogOf(pid, skip)) != nullptr; }, limit)) {
        return false;
    }
    box = ReadBox(found);
    PressOk(found);
    return WaitFor([&] { return !::IsWindow(found); });
}

// A registry value's type and bytes, as advapi32 gives them.
struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// Reads a machine-wide value with advapi32 directly, in the view `view`
// names: by default the 32-bit programs' one, which the driver manager reads.
inline RawValue ReadRaw(const std::string& key, const std::string& name,
                        REGSAM view = KEY_WOW64_32KEY) {
    RawValue raw;
    HKEY k = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | view, &k) != ERROR_SUCCESS) {
        return raw;
    }
    DWORD size = 0;
    if (::RegQueryValueExA(k, name.c_str(), nullptr, &raw.type, nullptr, &size) == ERROR_SUCCESS) {
        raw.data.resize(size);
        raw.found = ::RegQueryValueExA(k, name.c_str(), nullptr, &raw.type, raw.data.data(),
                                       &size) == ERROR_SUCCESS;
        raw.data.resize(size);
    }
    ::RegCloseKey(k);
    return raw;
}

// The bytes of a string value: its text and the terminating zero.
inline std::vector<BYTE> Sz(const std::string& s) {
    std::vector<BYTE> b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

// Starts `exe` with `arguments` after its quoted name, in `folder` (or in
// this program's working folder when it is null).
inline bool StartProgram(const std::string& exe, const std::string& arguments, const char* folder,
                         PROCESS_INFORMATION& process) {
    std::string command = "\"" + exe + "\"" + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return ::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                            &si, &process) != 0;
}

}  // namespace tolvane::testing
