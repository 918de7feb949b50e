#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <vector>

namespace tolvane::win32 {

std::string Win32FileSystem::CurrentDirectory() {
    DWORD size = ::GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return std::string();
    std::vector<char> buffer(size + 1);
    DWORD got = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return got == 0 || got >= buffer.size() ? std::string() : std::string(buffer.data(), got);
}

bool Win32FileSystem::ChangeDirectory(const std::string& path) {
    return ::SetCurrentDirectoryA(path.c_str()) != 0;
}

std::string Win32FileSystem::ShortPath(const std::string& path) {
    DWORD size = ::GetShortPathNameA(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::vector<char> buffer(size + 1);
    DWORD got = ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    return got == 0 || got >= buffer.size() ? path : std::string(buffer.data(), got);
}

bool Win32FileSystem::Exists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_OFFLINE) == 0;
}

bool Win32FileSystem::IsFolder(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace tolvane::win32
