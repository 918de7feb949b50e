#include "platform/win32/Win32System.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/Library.h"

namespace tolvane::win32 {

namespace {

std::string BufferText(const std::vector<char>& buffer) {
    return std::string(buffer.data(), ::strnlen(buffer.data(), buffer.size()));
}

HWND ToWindow(Handle h) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(h)); }

}  // namespace

std::string Win32System::ModuleFileName(std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(bufferSize));
    buffer.resize(bufferSize);
    return BufferText(buffer);
}

std::string Win32System::CommandLine() {
    const char* line = ::GetCommandLineA();
    return line == nullptr ? std::string() : std::string(line);
}

std::string Win32System::ComputerName(std::size_t bufferSize, bool& ok) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    DWORD size = static_cast<DWORD>(bufferSize);
    ok = ::GetComputerNameA(buffer.data(), &size) != 0;
    buffer.resize(bufferSize);
    return BufferText(buffer);
}

std::string Win32System::UserName(std::size_t bufferSize, bool& ok) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    DWORD size = static_cast<DWORD>(bufferSize);
    ok = ::GetUserNameA(buffer.data(), &size) != 0;
    buffer.resize(bufferSize);
    return BufferText(buffer);
}

OsVersion Win32System::QueryVersion(std::uint32_t recordSize) {
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = recordSize;
    ::GetVersionExA(&info);
    OsVersion v;
    v.major = info.dwMajorVersion;
    v.minor = info.dwMinorVersion;
    v.build = info.dwBuildNumber;
    v.platformId = info.dwPlatformId;
    v.servicePack =
        std::string(info.szCSDVersion, ::strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    return v;
}

std::int32_t Win32System::LastError() { return static_cast<std::int32_t>(::GetLastError()); }

std::string Win32System::MessageText(std::uint32_t flags, std::int32_t code,
                                     std::uint32_t languageId, std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    DWORD n = ::FormatMessageA(flags, nullptr, static_cast<DWORD>(code), languageId, buffer.data(),
                               static_cast<DWORD>(bufferSize), nullptr);
    return n == 0 ? std::string() : std::string(buffer.data(), n);
}

void Win32System::DebugString(const std::string& text) { ::OutputDebugStringA(text.c_str()); }

Lookup Win32System::SpecialFolderPath(Handle owner, std::int32_t csidl, std::string& path) {
    using Fn = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    path.clear();
    Library shell32("shell32.dll");
    if (!shell32.Loaded()) return Lookup::NoLibrary;
    Fn fn = shell32.Find<Fn>("SHGetSpecialFolderPathA");
    if (fn == nullptr) return Lookup::NoFunction;
    fn(ToWindow(owner), buffer.data(), csidl, FALSE);
    buffer.resize(MAX_PATH);
    path = BufferText(buffer);
    return Lookup::Called;
}

Lookup Win32System::IsWow64(bool& wow64) {
    using Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    Library kernel32("Kernel32.dll");
    if (!kernel32.Loaded()) return Lookup::NoLibrary;
    Fn fn = kernel32.Find<Fn>("IsWow64Process");
    if (fn == nullptr) return Lookup::NoFunction;
    HANDLE process = ::GetCurrentProcess();
    BOOL flag = FALSE;
    if (process != nullptr && fn(process, &flag)) wow64 = flag != FALSE;
    return Lookup::Called;
}

}  // namespace tolvane::win32
