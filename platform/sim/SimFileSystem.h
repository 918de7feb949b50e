// An in-memory file system: files and folders that a test lays out, each
// with an optional short name.
#pragma once

#include <map>
#include <string>

#include "platform/FileSystem.h"

namespace tolvane::sim {

class SimFileSystem : public FileSystem {
  public:
    void AddFile(const std::string& path, const std::string& shortPath = "");
    void AddFolder(const std::string& path, const std::string& shortPath = "");
    void MarkOffline(const std::string& path);

    std::string CurrentDirectory() override { return current_; }
    bool ChangeDirectory(const std::string& path) override;
    std::string ShortPath(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;

    std::string current_ = "C:\\Work";

  private:
    struct Entry {
        bool folder = false;
        bool offline = false;
        std::string shortPath;
    };
    const Entry* Find(const std::string& path) const;
    std::map<std::string, Entry> entries_;  // keyed by upper-case path
};

}  // namespace tolvane::sim
