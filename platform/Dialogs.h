// The program's windows: its main window, modal message boxes and the
// system's open-file dialog.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tolvane {

class DialogWindow;

// Icons and buttons with their Windows MB_ numbers.
enum class MessageIcon : std::uint32_t { None = 0, Error = 0x10 };
enum class MessageButtons : std::uint32_t { Ok = 0 };

// The open-file dialog's settings, as the file-selection object holds them.
struct FileDialogSettings {
    std::string title;             // WINDOWTITLE
    std::string mask;              // MASKSTRING: description|pattern|description|pattern
    std::uint32_t flags = 0;       // FLAGS: OFN_ values
    std::string defaultDirectory;  // DEFAULTDIRECTORY
    std::string defaultFile;       // DEFAULTFILE
};

struct FileDialogResult {
    bool cancelled = true;
    std::string path;  // the full path of the chosen file
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a modal box; "|" in `text` is a line break. Returns once closed.
    virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) = 0;
    // Shows the open-file dialog, modal to the program's window.
    virtual FileDialogResult AskOpenFile(const FileDialogSettings& settings) = 0;
    // The main window from its definition, not yet opened.
    virtual std::unique_ptr<DialogWindow> CreateMainWindow() = 0;
};

}  // namespace tolvane
