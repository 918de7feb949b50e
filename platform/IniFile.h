// A portable reader and writer of Windows INI files that keeps the format of
// the private-profile functions: "[Section]" header lines, key=value lines,
// CRLF line ends. A write changes only the line concerned (or inserts one),
// so the rest of the file stays byte for byte as it was.
#pragma once

#include <cstddef>
#include <string>

#include "platform/ProfileStore.h"

namespace tolvane {

class IniFile : public ProfileStore {
  public:
    // Relative file names are taken from `baseDirectory`, or from the
    // process's current directory when it is empty. Either separator works.
    explicit IniFile(std::string baseDirectory = "");

    // Reads as GetPrivateProfileStringA does under Wine 8: section and key
    // names match in any case, white space around names and values is
    // dropped, one pair of enclosing quotes (" or ') is removed, and only
    // the first of two same-named sections is searched.
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue,
                           std::size_t bufferSize) override;
    // Replaces the value of an existing key in place (the file is left
    // untouched when the value is the same), appends a new key after the
    // last line of its section, and a new section at the end of the file.
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Removes the key's line; a missing file, section or key is no failure.
    bool DeleteKey(const std::string& file, const std::string& section,
                   const std::string& key) override;

  private:
    std::string Resolve(const std::string& file) const;
    std::string base_;
};

}  // namespace tolvane
