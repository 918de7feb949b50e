// Files and folders as the program needs them.
#pragma once

#include <string>

namespace tolvane {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual std::string CurrentDirectory() = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;
    // The short (8.3) form of an existing path, or the path unchanged when
    // the system gives none (as GetShortPathNameA does for a missing one).
    virtual std::string ShortPath(const std::string& path) = 0;
    // True for an existing file-system entry not marked offline; folders too.
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
};

}  // namespace tolvane
