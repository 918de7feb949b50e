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

// The system error code for a shell error value (SE_ERR_*) in hInstApp.
DWORD ErrorOfShellValue(std::intptr_t value) {
    switch (value) {
        case 0:
        case SE_ERR_OOM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case SE_ERR_FNF:
            return ERROR_FILE_NOT_FOUND;
        case SE_ERR_PNF:
            return ERROR_PATH_NOT_FOUND;
        case SE_ERR_ACCESSDENIED:
            return ERROR_ACCESS_DENIED;
        case ERROR_BAD_FORMAT:
            return ERROR_BAD_FORMAT;
        case SE_ERR_SHARE:
            return ERROR_SHARING_VIOLATION;
        case SE_ERR_ASSOCINCOMPLETE:
        case SE_ERR_NOASSOC:
            return ERROR_NO_ASSOCIATION;
        case SE_ERR_DDETIMEOUT:
        case SE_ERR_DDEFAIL:
        case SE_ERR_DDEBUSY:
            return ERROR_DDE_FAIL;
        case SE_ERR_DLLNOTFOUND:
            return ERROR_DLL_NOT_FOUND;
        default:
            return 0;
    }
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
    if (!ok && ::GetLastError() == ERROR_SUCCESS) {
        // The shell's own error window can leave the thread's last error at
        // 0 (Wine does); the reason is still in hInstApp.
        ::SetLastError(ErrorOfShellValue(reinterpret_cast<std::intptr_t>(info.hInstApp)));
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
