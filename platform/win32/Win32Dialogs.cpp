#include "platform/win32/Win32Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/Text.h"
#include "platform/win32/Win32DialogWindow.h"

namespace tolvane::win32 {

namespace {

// Room for the longest path the path field keeps, 1024 characters.
constexpr std::size_t kFileBuffer = 1025;

std::string CurrentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    DWORD got = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    return got > 0 && got < sizeof buffer ? std::string(buffer, got) : std::string();
}

}  // namespace

Win32Dialogs::Win32Dialogs(HINSTANCE instance)
    : instance_(instance), owner_(std::make_shared<HWND>(nullptr)) {}

void Win32Dialogs::ShowMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon, MessageButtons buttons) {
    ::MessageBoxA(*owner_, text::MessageBoxText(text).c_str(), caption.c_str(),
                  static_cast<UINT>(icon) | static_cast<UINT>(buttons));
}

std::string Win32Dialogs::FilterText(const std::string& mask) {
    std::string filter = mask;
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

FileDialogResult Win32Dialogs::AskOpenFile(const FileDialogSettings& settings) {
    std::string filter = FilterText(settings.mask);
    std::string title = text::TrimRight(settings.title);
    // No folder given: the dialog opens in the working directory, not in
    // whatever folder the system last remembered for this program.
    std::string folder = text::TrimRight(settings.defaultDirectory);
    if (folder.empty()) folder = CurrentDirectory();
    std::vector<char> file(kFileBuffer, '\0');
    std::string name = text::Cut(text::TrimRight(settings.defaultFile), kFileBuffer - 1);
    name.copy(file.data(), name.size());

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = *owner_;
    ofn.hInstance = instance_;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;  // the first type is preselected
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = settings.flags;

    FileDialogResult result;
    if (::GetOpenFileNameA(&ofn)) {
        result.cancelled = false;
        result.path = file.data();
    }
    return result;
}

std::unique_ptr<DialogWindow> Win32Dialogs::CreateMainWindow() {
    return std::make_unique<Win32DialogWindow>(instance_, owner_);
}

}  // namespace tolvane::win32
