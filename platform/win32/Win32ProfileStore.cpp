#include "platform/win32/Win32ProfileStore.h"

#include <windows.h>

#include <vector>

namespace tolvane::win32 {

std::string Win32ProfileStore::ReadString(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& defaultValue,
                                          std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    std::vector<char> buffer(bufferSize, '\0');
    DWORD got =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                   buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    return std::string(buffer.data(), got < buffer.size() ? got : buffer.size() - 1);
}

bool Win32ProfileStore::WriteString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        file.c_str()) != 0;
}

bool Win32ProfileStore::DeleteKey(const std::string& file, const std::string& section,
                                  const std::string& key) {
    // A null value is the profile functions' way to remove a key.
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != 0;
}

}  // namespace tolvane::win32
