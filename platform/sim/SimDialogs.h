// Message boxes that are recorded and closed at once, open-file dialogs that
// give scripted answers, and the main window as a SimDialogWindow that the
// test scripts before the program asks for it.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/sim/SimDialogWindow.h"

namespace tolvane {
class FileSystem;
}

namespace tolvane::sim {

class SimLog;

struct SimMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool operator==(const SimMessage& o) const {
        return text == o.text && caption == o.caption && icon == o.icon && buttons == o.buttons;
    }
};

// One answer of the open-file dialog. `browseTo` is the folder the user
// wandered into, which the real dialog makes the current directory.
struct SimFileAnswer {
    FileDialogResult result;
    std::string browseTo;
};

class SimDialogs : public Dialogs {
  public:
    SimDialogs();

    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) override;
    // The next scripted answer; cancelled when none is left.
    FileDialogResult AskOpenFile(const FileDialogSettings& settings) override;
    // Hands out `mainWindow` (which the sim keeps, so a test can look at it
    // after the program has released it).
    std::unique_ptr<DialogWindow> CreateMainWindow() override;

    // The main window of the program's definition: ten controls, the
    // prompts 1, 6 and 10, typing limits of 255 and 100 on entries 2 and 7.
    SimDialogWindow mainWindow;
    int mainWindowsCreated = 0;
    int mainWindowsReleased = 0;

    std::deque<SimFileAnswer> fileAnswers;
    FileSystem* files = nullptr;  // where `browseTo` changes the directory

    // What happened.
    std::vector<SimMessage> messages;
    std::vector<FileDialogSettings> fileDialogs;
    SimLog* log = nullptr;  // optional shared call log
};

}  // namespace tolvane::sim
