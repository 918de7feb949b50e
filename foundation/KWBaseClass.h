// The base of the utility classes: the program and environment facts gathered
// at construction, debug output, the text of failed system calls, and the
// splitting of file paths.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/DataKinds.h"
#include "foundation/Owned.h"

namespace tolvane {

// Part codes of GetFileParts; each part is a bit.
enum FilePart : std::uint8_t { kDrive = 1, kDirectory = 2, kName = 4, kExtension = 8 };

struct TFileParts {
    LimitedText<259> P_DRIVE;
    LimitedText<259> P_DIR;
    LimitedText<259> P_FILE;
    LimitedText<259> P_EXT;
};

class KWBaseClass {
  public:
    // Gathers the program and environment facts.
    KWBaseClass();
    // Objects live with the routine that creates them and are never deleted
    // through a base pointer, so the destructor stays out of the operation
    // table: the table holds the class's own operations in their order.
    ~KWBaseClass();
    KWBaseClass(const KWBaseClass&) = delete;
    KWBaseClass& operator=(const KWBaseClass&) = delete;

    // Slot 1: sends `text` without its trailing spaces to the system debug
    // output when `level` reaches DEBUGLEVEL.
    virtual void DebugOutput(const std::string& text, std::int16_t level);
    // Slot 2: DebugOutput at level 0 unless `quiet`.
    virtual void DebugMessage(const std::string& text, Flag quiet);

    // Records the failed call's code and text in LASTAPIERRORCODE and
    // LASTAPIERROR, writes one debug line, and returns the system's text.
    // A holder with a non-zero code names the code; otherwise the thread's
    // last-error value is taken and written back into the holder.
    std::string GetLastAPIError(const std::string& procedureName,
                                std::int32_t* errorCode = nullptr);

    std::string QueryComputerName();
    std::string QueryUserName();

    // The parts of `path` named by `parts` (FilePart bits), joined in path
    // order; empty for a code that is not answered.
    std::string GetFileParts(const std::string& path, std::uint8_t parts) const;
    // The text without one trailing backslash.
    static std::string StripBackslash(const std::string& text);

    // This level's destruction step; the destructor runs it.
    void BaseDestruction();

    std::uint8_t DEBUGLEVEL = 0;
    LimitedText<1024> EXENAME;
    TFileParts FILEPARTS;
    LimitedText<10240> PROGPATH;
    LimitedText<10240> PROGRAMCOMMANDLINE;
    std::uint8_t PROGRAMDEBUGON = 0;
    LimitedText<31> COMPUTERNAME;
    LimitedText<255> USERNAME;
    Flag XPTHEMESPRESENT = 0;
    Flag ISNEWIDE = 0;
    FixedText<255> LASTAPIERROR;
    std::int32_t LASTAPIERRORCODE = 0;
    OwnedText ANSIFROMWIDESTRING;
    OwnedText REPLACESTRING;
    OwnedText URLSTR;
};

}  // namespace tolvane
