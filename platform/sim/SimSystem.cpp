#include "platform/sim/SimSystem.h"

#include "platform/Text.h"
#include "platform/sim/SimLog.h"

namespace tolvane::sim {

void SimSystem::Record(const std::string& entry) {
    if (log != nullptr) log->Add(entry);
}

std::string SimSystem::ModuleFileName(std::size_t bufferSize) {
    moduleBufferSizes.push_back(bufferSize);
    // Windows cuts the path to the buffer, keeping room for the zero.
    return text::Cut(moduleFileName, bufferSize == 0 ? 0 : bufferSize - 1);
}

std::string SimSystem::ComputerName(std::size_t bufferSize, bool& ok) {
    // A name that does not fit makes the call fail.
    ok = !computerNameFails && computerName.size() < bufferSize;
    return ok ? computerName : garbage;
}

std::string SimSystem::UserName(std::size_t bufferSize, bool& ok) {
    ok = !userNameFails && userName.size() < bufferSize;
    return ok ? userName : garbage;
}

OsVersion SimSystem::QueryVersion(std::uint32_t recordSize) {
    versionRecordSizes.push_back(recordSize);
    return versionFails ? OsVersion{} : version;
}

std::string SimSystem::MessageText(std::uint32_t flags, std::int32_t code, std::uint32_t languageId,
                                   std::size_t bufferSize) {
    messageRequests.push_back({flags, code, languageId, bufferSize});
    auto it = messages.find(code);
    // FormatMessageA fails for a text that does not fit its buffer.
    if (it == messages.end() || it->second.size() >= bufferSize) return std::string();
    return it->second;
}

void SimSystem::DebugString(const std::string& text) {
    debugLines.push_back(text);
    Record("OutputDebugStringA " + text);
}

bool SimSystem::Open(Lookup availability, const std::string& library, const std::string& function) {
    Record("LoadLibraryA " + library);
    if (availability == Lookup::NoLibrary) return false;
    ++librariesLoaded;
    Record("GetProcAddress " + function);
    return availability == Lookup::Called;
}

Lookup SimSystem::SpecialFolderPath(Handle owner, std::int32_t csidl, std::string& path) {
    specialFolderOwners.push_back(owner);
    path.clear();
    if (!Open(shell32, "shell32.dll", "SHGetSpecialFolderPathA")) {
        if (shell32 == Lookup::NoFunction) {
            ++librariesFreed;
            Record("FreeLibrary shell32.dll");
        }
        return shell32;
    }
    Record("SHGetSpecialFolderPathA " + text::Decimal(csidl));
    auto it = specialFolders.find(csidl);
    if (it != specialFolders.end()) path = text::Cut(it->second, 259);
    ++librariesFreed;
    Record("FreeLibrary shell32.dll");
    return Lookup::Called;
}

Lookup SimSystem::IsWow64(bool& result) {
    if (!Open(kernel32, "Kernel32.dll", "IsWow64Process")) {
        if (kernel32 == Lookup::NoFunction) {
            ++librariesFreed;
            Record("FreeLibrary Kernel32.dll");
        }
        return kernel32;
    }
    Record("IsWow64Process");
    if (!wow64CallFails) result = wow64;
    ++librariesFreed;
    Record("FreeLibrary Kernel32.dll");
    return Lookup::Called;
}

}  // namespace tolvane::sim
