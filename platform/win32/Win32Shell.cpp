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
