#include "platform/win32/Win32Shell.h"

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstdint>

namespace tolvane::win32 {

namespace {

static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60,
              "the 32-bit program hands the shell a 60-byte record");

HANDLE ToHandle(Handle h) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(h)); }
HWND ToWindow(Handle h) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(h)); }
Handle FromHandle(HANDLE h) { return static_cast<Handle>(reinterpret_cast<std::intptr_t>(h)); }

// The shell's error value (SE_ERR_*, left in hInstApp) with the system
// codes that stand for it; the first is the one to use when the thread's
// last error names none of them.
constexpr DWORD kElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED

struct ShellError {
    std::intptr_t value;
    DWORD codes[3];
};
constexpr ShellError kShellErrors[] = {
    {0, {ERROR_NOT_ENOUGH_MEMORY, ERROR_OUTOFMEMORY, 0}},
    {SE_ERR_FNF, {ERROR_FILE_NOT_FOUND, 0, 0}},
    {SE_ERR_PNF, {ERROR_PATH_NOT_FOUND, 0, 0}},
    {SE_ERR_ACCESSDENIED, {ERROR_ACCESS_DENIED, ERROR_CANCELLED, kElevationRequired}},
    {SE_ERR_OOM, {ERROR_NOT_ENOUGH_MEMORY, ERROR_OUTOFMEMORY, 0}},
    {ERROR_BAD_FORMAT, {ERROR_BAD_FORMAT, ERROR_BAD_EXE_FORMAT, 0}},
    {SE_ERR_SHARE, {ERROR_SHARING_VIOLATION, 0, 0}},
    {SE_ERR_ASSOCINCOMPLETE, {ERROR_NO_ASSOCIATION, 0, 0}},
    {SE_ERR_DDETIMEOUT, {ERROR_DDE_FAIL, 0, 0}},
    {SE_ERR_DDEFAIL, {ERROR_DDE_FAIL, 0, 0}},
    {SE_ERR_DDEBUSY, {ERROR_DDE_FAIL, 0, 0}},
    {SE_ERR_NOASSOC, {ERROR_NO_ASSOCIATION, 0, 0}},
    {SE_ERR_DLLNOTFOUND, {ERROR_DLL_NOT_FOUND, 0, 0}},
};

// The reason for a failed start. The shell's own error window can leave
// the thread's last error at a value of its own (Wine does: 0, or a code
// from the window's teardown); the shell's error value still tells.
DWORD FailureReason(DWORD lastError, std::intptr_t shellValue) {
    for (const ShellError& e : kShellErrors) {
        if (e.value != shellValue) continue;
        for (DWORD code : e.codes) {
            if (code != 0 && code == lastError) return lastError;
        }
        return e.codes[0];
    }
    return lastError;
}

}  // namespace

bool Win32Shell::ExecuteEx(ShellExecuteRecord& record) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = record.size;
    info.fMask = record.mask;
    info.hwnd = ToWindow(record.owner);
    info.lpVerb = record.verb.c_str();
    info.lpFile = record.file.c_str();
    info.lpParameters = record.parameters ? record.parameters->c_str() : nullptr;
    info.lpDirectory = record.directory.c_str();
    info.nShow = record.show;
    info.hProcess = nullptr;
    const bool ok = ::ShellExecuteExA(&info) != FALSE;
    record.process = ok ? FromHandle(info.hProcess) : 0;
    if (!ok) {
        ::SetLastError(
            FailureReason(::GetLastError(), reinterpret_cast<std::intptr_t>(info.hInstApp)));
    }
    return ok;
}

std::int32_t Win32Shell::Execute(Handle owner, const std::string& verb, const std::string& file,
                                 const std::optional<std::string>& parameters,
                                 const std::string& directory, std::int32_t show) {
    HINSTANCE result =
        ::ShellExecuteA(ToWindow(owner), verb.c_str(), file.c_str(),
                        parameters ? parameters->c_str() : nullptr, directory.c_str(), show);
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(result));
}

std::uint32_t Win32Shell::Wait(Handle object, std::uint32_t milliseconds) {
    return ::WaitForSingleObject(ToHandle(object), milliseconds);
}

bool Win32Shell::ExitCode(Handle process, std::uint32_t& exitCode) {
    DWORD code = 0;
    if (!::GetExitCodeProcess(ToHandle(process), &code)) return false;
    exitCode = code;
    return true;
}

bool Win32Shell::Close(Handle object) { return ::CloseHandle(ToHandle(object)) != FALSE; }

}  // namespace tolvane::win32
