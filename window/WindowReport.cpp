#include "window/WindowReport.h"

#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/Window.h"
#include "platform/WindowSystem.h"

namespace tolvane::windowinfo {

namespace {

constexpr std::int32_t kGwlStyle = -16;
constexpr std::int32_t kGwlExStyle = -20;
constexpr std::int32_t kGwlId = -12;
constexpr std::size_t kTextBuffer = 1025;
constexpr std::size_t kModuleBuffer = 2049;
constexpr std::size_t kModuleNameLimit = 2048;
constexpr std::uint8_t kNameAndExtension = kName | kExtension;

WindowSystem& Windows() { return *Current().windows; }

bool Matches(const std::string& candidate, const std::string& key, Flag exactMatch) {
    if (exactMatch) return text::TrimRight(candidate) == key;
    return !key.empty() && key.size() <= candidate.size() &&
           candidate.find(key) != std::string::npos;
}

// One record of the per-window step.
TWindowRecord Describe(Handle h) {
    // A base object of its own serves the split of the file name.
    KWBaseClass base;
    TWindowRecord r;
    r.CWHWND = h;
    r.STYLE = Windows().WindowLong(h, kGwlStyle);
    r.EXSTYLE = Windows().WindowLong(h, kGwlExStyle);
    r.TEXT = Windows().WindowText(h, kTextBuffer);
    r.UPPERTEXT = text::Upper(r.TEXT);
    r.MODULENAME = GetWindowModuleName(h);
    if (!r.MODULENAME.Value().empty()) {
        r.MODULEEXENAME = text::Upper(base.GetFileParts(r.MODULENAME, kNameAndExtension));
    }
    r.PROCESSID = GetWindowProcessID(h);
    r.CLASSNAME = Windows().ClassName(h, kTextBuffer);
    r.ID = Windows().WindowLong(h, kGwlId);
    return r;
}

std::string Line(const char* label, std::int32_t value) {
    // Values start in column 23.
    return text::Pad(std::string("   ") + label, 22) + text::Decimal(value);
}

}  // namespace

std::int32_t FindTopWindow(KWWindowsClass& self, const std::string& searchText, Flag byTitle,
                           Flag exactMatch) {
    // 1. and 2. A program path is reduced to its file name.
    const std::string search = text::TrimRight(searchText);
    std::string key;
    if (!byTitle && search.find('\\') != std::string::npos) {
        key = text::Upper(text::TrimRight(self.GetFileParts(search, kNameAndExtension)));
    } else {
        key = text::Upper(search);
    }
    // 3.
    GetTopWindows(self);
    if (!self.TOPWINDOWS) return 0;
    // 4. and 5.
    for (const TWindowRecord& r : *self.TOPWINDOWS) {
        if (Matches(byTitle ? r.UPPERTEXT.Value() : r.MODULEEXENAME.Value(), key, exactMatch)) {
            return r.CWHWND;
        }
    }
    return 0;
}

std::int32_t GetTopWindows(KWWindowsClass& self) {
    if (!self.TOPWINDOWS) return 0;
    self.TOPWINDOWS->clear();
    // Every window the system reports, hidden ones included.
    Windows().EnumTopWindows([&self](Handle h) {
        self.TOPWINDOWS->push_back(Describe(h));
        return true;
    });
    return static_cast<std::int32_t>(self.TOPWINDOWS->size());
}

std::string GetWindowModuleName(Handle window) {
    std::string path;
    Windows().ModuleFileName(window, kModuleBuffer, path);
    return text::Cut(path, kModuleNameLimit);
}

std::int32_t GetWindowProcessID(Handle window) {
    return static_cast<std::int32_t>(Windows().ProcessId(window));
}

void DebugWindowInfo(KWBaseClass& self, const std::string& caller) {
    // Without a current window there is nothing to report.
    FrameworkWindow* window = Current().currentWindow;
    if (window == nullptr) return;
    const std::string rule(80, '-');
    auto position = [&self, window] {
        self.DebugOutput(Line("X Position:", window->Xpos()), 0);
        self.DebugOutput(Line("Y Position:", window->Ypos()), 0);
        self.DebugOutput(Line("Width:", window->Width()), 0);
        self.DebugOutput(Line("Height:", window->Height()), 0);
    };
    self.DebugOutput("", 0);
    self.DebugOutput(rule, 0);
    self.DebugOutput("Window Information from " + caller, 0);
    self.DebugOutput(" Position Information, Dialog units:", 0);
    position();
    window->SetPixels(true);
    self.DebugOutput(" Position Information, Pixels:", 0);
    position();
    window->SetPixels(false);
    self.DebugOutput(rule, 0);
}

}  // namespace tolvane::windowinfo
