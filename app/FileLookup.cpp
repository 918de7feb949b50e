#include "app/FileLookup.h"

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/Text.h"

namespace tolvane {

namespace {
constexpr std::size_t kTitleSize = 79;
constexpr std::size_t kMaskSize = 254;
}  // namespace

std::string FileLookup::Ask(const std::string& current) {
    Services& services = Current();
    if (services.dialogs == nullptr) return current;
    FileSystem* files = services.files;
    // The dialog changes the current directory as the user browses; the
    // settings file lives there, so it is put back.
    std::string saved;
    bool restore = SAVEPATH && files != nullptr;
    if (restore) saved = files->CurrentDirectory();

    FileDialogSettings settings;
    settings.title = text::Cut(WINDOWTITLE, kTitleSize);
    settings.mask = text::Cut(MASKSTRING, kMaskSize);
    settings.flags = FLAGS;
    settings.defaultDirectory = DEFAULTDIRECTORY;
    settings.defaultFile = DEFAULTFILE;
    FileDialogResult result = services.dialogs->AskOpenFile(settings);

    if (restore) files->ChangeDirectory(saved);
    DIALOGCANCELLED = result.cancelled;
    if (result.cancelled) return CLEARONCANCEL ? std::string() : current;
    return result.path;
}

}  // namespace tolvane
