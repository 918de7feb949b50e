// The framework's file-selection object over the system's open-file dialog.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// OFN_ flags of the open-file dialog.
constexpr std::uint32_t kOfnFileMustExist = 0x00001000;
constexpr std::uint32_t kOfnPathMustExist = 0x00000800;
constexpr std::uint32_t kOfnHideReadOnly = 0x00000004;
constexpr std::uint32_t kOfnExplorer = 0x00080000;

class FileLookup {
  public:
    // Shows the dialog and gives the chosen file's full path. A cancelled
    // dialog gives empty text when CLEARONCANCEL is set, else `current`.
    std::string Ask(const std::string& current);

    std::string WINDOWTITLE;  // up to 79 characters
    std::string MASKSTRING;   // description|pattern|..., up to 254 characters
    std::uint32_t FLAGS = 0;
    std::string DEFAULTDIRECTORY;  // empty: the current directory
    std::string DEFAULTFILE;
    // Remember the current directory before the dialog and restore it after.
    bool SAVEPATH = false;
    bool CLEARONCANCEL = false;
    bool DIALOGCANCELLED = false;  // the last dialog was cancelled
};

}  // namespace tolvane
