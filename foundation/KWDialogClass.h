// The dialog level of the utility classes.
#pragma once

#include <cstdint>

#include "foundation/KWWindowsClass.h"

namespace tolvane {

// One file of a multiple file selection.
struct TMultiFileRecord {
    LimitedText<1024> MSFILEN;
};

class KWDialogClass : public KWWindowsClass {
  public:
    KWDialogClass();
    ~KWDialogClass();

    // This level's destruction step; the destructor runs it.
    void DialogDestruction();

    OwnedList<TMultiFileRecord> MSQ;
    LimitedText<1024> MULTIFILESELPATH;
    LimitedText<64> FONTNAME;
    std::int32_t FONTSIZE = 0;
    std::int32_t FONTCOLOR = 0;
    std::int32_t FONTSTYLE = 0;
    std::int32_t FONTCHARSET = 0;
};

}  // namespace tolvane
