// A library loaded for one call and released when the call ends, so that
// the program never imports the optional functions it looks up.
#pragma once

#include <windows.h>

namespace tolvane::win32 {

class Library {
  public:
    explicit Library(const char* name) : module_(::LoadLibraryA(name)) {}
    ~Library() {
        if (module_ != nullptr) ::FreeLibrary(module_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    // The function `name` as type Fn, or null.
    template <typename Fn>
    Fn Find(const char* name) const {
        FARPROC proc = ::GetProcAddress(module_, name);
        // Through void(*)(), the one function type any other converts to
        // without a cast-function-type warning.
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
    }

  private:
    HMODULE module_;
};

}  // namespace tolvane::win32
