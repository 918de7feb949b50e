// The Windows level of the utility classes: the Windows version and its
// elevation policy, and the lists of window records.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/KWBaseClass.h"

namespace tolvane {

// One window as the window enumeration records it.
struct TWindowRecord {
    std::int32_t CWHWND = 0;
    std::int32_t STYLE = 0;
    std::int32_t EXSTYLE = 0;
    LimitedText<1024> TEXT;
    LimitedText<1024> UPPERTEXT;
    LimitedText<1024> MODULENAME;
    LimitedText<100> MODULEEXENAME;
    std::int32_t PROCESSID = 0;
    LimitedText<1024> CLASSNAME;
    std::int32_t ID = 0;
    std::int32_t PARENTWINDOW = 0;
    Flag ISRUNTIMEWINDOW = 0;
};

// A control replaced by a themed one: both are control numbers.
struct TThemeControls {
    std::int32_t ORIGINALFEQ = 0;
    std::int32_t NEWFEQ = 0;
};

class KWWindowsClass : public KWBaseClass {
  public:
    KWWindowsClass();
    ~KWWindowsClass();

    // Fills the version fields, ISVISTA and VISTAHASUAC; returns
    // "major.minor".
    std::string QueryOSVersion();

    // This level's destruction step; the destructor runs it.
    void WindowsDestruction();

    std::int32_t APPFRAMECLIENTHANDLE = 0;
    OwnedList<TWindowRecord> CHILDWINDOWS;
    Flag ISVISTA = 0;
    Flag ISWINDOWONTOP = 0;
    std::int32_t LASTACTIVETICK = 0;
    std::int32_t LASTACTIVETIME = 0;
    std::int32_t MAJORVERSION = 0;
    std::int32_t MINORVERSION = 0;
    OwnedList<TWindowRecord> MODULEWINDOWS;
    std::int32_t SAVENEWBRUSH = 0;
    std::int32_t SAVEOLDBRUSH = 0;
    OwnedList<TThemeControls> THEMEDCONTROLS;
    OwnedList<TWindowRecord> TOPWINDOWS;
    std::int32_t VERSIONBUILDNR = 0;
    FixedText<128> VERSIONINFORMATION;
    std::int32_t VERSIONPLATFORMID = 0;
    std::uint8_t VISTAHASUAC = 0;
    std::int16_t W95HIBUILDNR = 0;
    std::int16_t W95LOBUILDNR = 0;
    std::int32_t WINDOWCOLOR = 0;
    std::int32_t WINDOWSTYLE = 0;
    Flag WINDOWSCOLORCHANGED = 0;
    Flag WOW64REDIRECTED = 0;
    std::int32_t PREDIRVALUE = 0;
};

}  // namespace tolvane
