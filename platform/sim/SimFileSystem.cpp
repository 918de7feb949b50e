#include "platform/sim/SimFileSystem.h"

#include "platform/Text.h"

namespace tolvane::sim {

// Windows paths match in any case.
static std::string Key(const std::string& path) { return text::Upper(path); }

void SimFileSystem::AddFile(const std::string& path, const std::string& shortPath) {
    entries_[Key(path)] = Entry{false, false, shortPath};
}

void SimFileSystem::AddFolder(const std::string& path, const std::string& shortPath) {
    entries_[Key(path)] = Entry{true, false, shortPath};
}

void SimFileSystem::MarkOffline(const std::string& path) { entries_[Key(path)].offline = true; }

const SimFileSystem::Entry* SimFileSystem::Find(const std::string& path) const {
    auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

bool SimFileSystem::ChangeDirectory(const std::string& path) {
    const Entry* e = Find(path);
    if (e == nullptr || !e->folder) return false;
    current_ = path;
    return true;
}

std::string SimFileSystem::ShortPath(const std::string& path) {
    const Entry* e = Find(path);
    return e != nullptr && !e->shortPath.empty() ? e->shortPath : path;
}

bool SimFileSystem::Exists(const std::string& path) {
    const Entry* e = Find(path);
    return e != nullptr && !e->offline;
}

bool SimFileSystem::IsFolder(const std::string& path) {
    const Entry* e = Find(path);
    return e != nullptr && e->folder;
}

}  // namespace tolvane::sim
