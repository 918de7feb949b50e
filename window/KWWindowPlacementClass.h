// Keeps a window where the user can see it: on the monitor that shows most
// of it, or inside its MDI parent.
#pragma once

#include <cstddef>
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

    // The steps of FixWindowPosition, in the order it reaches them.
    std::uint8_t GetMonitors();
    void GetWindowMetrics();
    void FitToMonitors();
    void FitToMDIParent();
    void MoveToBestMonitor();
    // How WINDOWRECT lies on the record's work area: 1 inside, 255 partly,
    // 0 outside; stored in CONTAINSWINDOW together with PERCENT.
    std::uint8_t MonitorCoverage(TMonitor& record);
    // The share of `window`'s area inside `area`, in percent.
    static Decimal VisiblePercent(const Rect& window, const Rect& area);

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

  private:
    // How many records, from the first, a top-level window is judged against.
    std::size_t JudgedMonitors() const;
};

}  // namespace tolvane
