// The framework's settings manager over an INI file: single keys, and the
// window group of keys ("Maximize" to "Height") saved and restored.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace tolvane {

class FrameworkWindow;

class SettingsManager {
  public:
    // A position or size that has no value; a key holding it is removed.
    static constexpr std::int32_t kNoValue = INT32_MIN;
    // NVTYPE: where the settings live. Only the INI file is used.
    static constexpr std::int32_t kIniFile = 0;

    // Binds the manager to its file; nothing is read or written yet.
    void Init(const std::string& fileName, std::int32_t storage);
    // Ends the manager's use; writes nothing.
    void Kill();

    // The stored value, or empty text; read through a 1024-byte buffer and
    // cut to 999 characters.
    std::string ReadSetting(const std::string& section, const std::string& key);
    // Writes the value without its trailing spaces, cut to 1023 characters.
    void WriteSetting(const std::string& section, const std::string& key, const std::string& value);
    // Writes a number as decimal text.
    void WriteSetting(const std::string& section, const std::string& key, long long value);
    void RemoveSetting(const std::string& section, const std::string& key);

    void SaveWindowPosition(const std::string& section, FrameworkWindow& window);
    void RestoreWindowPosition(const std::string& section, FrameworkWindow& window);

    std::string FILENAME;  // up to 259 characters
    std::int32_t NVTYPE = kIniFile;
    // Held by each operation from start to end; re-entrant, since the window
    // group operations call the single-key ones.
    std::recursive_mutex CRITSECT;

  private:
    // A number key, or `fallback` when the key is missing; text that is not
    // a number counts as 0.
    std::int32_t ReadNumber(const std::string& section, const std::string& key,
                            std::int32_t fallback);
    void WriteNumberOrRemove(const std::string& section, const std::string& key,
                             std::int32_t value);
};

}  // namespace tolvane
