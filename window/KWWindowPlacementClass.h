// Keeps a window where the user can see it: on the monitor that shows most
// of it, or inside its MDI parent.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/Owned.h"
#include "platform/Types.h"
#include "window/Decimal.h"

namespace tolvane {

struct TMonitor {
    std::int32_t MHANDLE = 0;
    Rect MONITORRECT;
    Rect WORKRECT;
    std::uint8_t ISPRIMARY = 0;
    std::string DEVICENAME;  // up to 31
    std::uint8_t CONTAINSWINDOW = 0;
    Decimal PERCENT;
};

class KWWindowPlacementClass {
  public:
    KWWindowPlacementClass();
    ~KWWindowPlacementClass();
    KWWindowPlacementClass(const KWWindowPlacementClass&) = delete;
    KWWindowPlacementClass& operator=(const KWWindowPlacementClass&) = delete;

    // Places the framework's current window.
    void FixWindowPosition();

    OwnedList<TMonitor> MONITORS;
    std::uint8_t FIXTOPRIMARYMONITOR = 0;
    std::uint8_t FIXNONMDITOAPPFRAME = 0;
    std::int32_t XPOS = 0;
    std::int32_t YPOS = 0;
    std::int32_t WIDTH = 0;
    std::int32_t HEIGHT = 0;
    std::int32_t XOFFSET = 0;
    std::int32_t YOFFSET = 0;
    std::int32_t ONMONITOR = 0;
    std::uint8_t ISMDIWINDOW = 0;
    std::uint8_t ISAPPFRAME = 0;
    Rect WINDOWRECT;
    std::int32_t PARENTCLIENTW = 0;
    std::int32_t PARENTCLIENTH = 0;
    std::int32_t CXFRAME = 0;
    std::int32_t CYFRAME = 0;
    std::int32_t CAPH = 0;
    std::int32_t HWND = 0;
    std::uint8_t MONITOR = 0;
    Decimal TOTALPERCENT;
    Decimal SHOWMINPERCENT;
    std::uint8_t SHOWALLWINDOW = 0;
};

}  // namespace tolvane
