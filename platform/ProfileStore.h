// The private-profile functions: INI files read and written key by key.
#pragma once

#include <cstddef>
#include <string>

namespace tolvane {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The stored value as GetPrivateProfileStringA gives it through a buffer
    // of `bufferSize` bytes (so at most bufferSize - 1 characters);
    // `defaultValue` (without its trailing spaces) when the file, section or
    // key is missing.
    virtual std::string ReadString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& defaultValue,
                                   std::size_t bufferSize) = 0;
    // Writes key=value, creating the file and section when missing. False on failure.
    virtual bool WriteString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    // Removes the key. False on failure.
    virtual bool DeleteKey(const std::string& file, const std::string& section,
                           const std::string& key) = 0;
};

}  // namespace tolvane
