// Message boxes, the open-file dialog and the main window, owned by the
// main window while it exists.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/Dialogs.h"

namespace tolvane::win32 {

class Win32Dialogs : public Dialogs {
  public:
    explicit Win32Dialogs(HINSTANCE instance);
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) override;
    FileDialogResult AskOpenFile(const FileDialogSettings& settings) override;
    std::unique_ptr<DialogWindow> CreateMainWindow() override;

    // The open-file dialog's filter: "|" becomes NUL, and a second NUL ends it.
    static std::string FilterText(const std::string& mask);

  private:
    HINSTANCE instance_;
    std::shared_ptr<HWND> owner_;
};

}  // namespace tolvane::win32
