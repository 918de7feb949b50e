#include "window/KWWindowPlacementClass.h"

#include <algorithm>
#include <limits>

#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/Window.h"
#include "platform/WindowSystem.h"

namespace tolvane {

namespace {

constexpr std::int32_t kGwlExStyle = -20;
constexpr std::int32_t kWsExToolWindow = 0x80;
constexpr std::int32_t kSmCyCaption = 4;
constexpr std::int32_t kSmCxBorder = 5;
constexpr std::int32_t kSmCyBorder = 6;
constexpr std::int32_t kSmCxFrame = 32;
constexpr std::int32_t kSmCyFrame = 33;
constexpr std::int32_t kSmCxEdge = 45;
constexpr std::int32_t kSmCyEdge = 46;
constexpr std::int32_t kSmCySmCaption = 51;
constexpr std::uint32_t kMonitorDefaultToNearest = 2;
constexpr std::uint32_t kMonitorInfoPrimary = 1;
constexpr std::size_t kDeviceNameCapacity = 31;

WindowSystem& Windows() { return *Current().windows; }

// Sums of coordinates are formed in 64 bits, so that a far-off saved
// position cannot overflow; a result is brought back into 32 bits.
std::int32_t To32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Width(const Rect& r) { return std::int64_t{r.right} - r.left; }
std::int64_t Height(const Rect& r) { return std::int64_t{r.bottom} - r.top; }

// IsRectEmpty, IntersectRect and SubtractRect as Windows defines them.
bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

bool Intersect(const Rect& a, const Rect& b, Rect& out) {
    if (IsEmpty(a) || IsEmpty(b) || a.left >= b.right || b.left >= a.right || a.top >= b.bottom ||
        b.top >= a.bottom) {
        out = Rect{};
        return false;
    }
    out = Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
    return true;
}

// The part of `from` left after taking away `take`; the subtraction only
// happens when `take` covers `from` fully in one direction.
Rect Subtract(const Rect& from, const Rect& take) {
    if (IsEmpty(from)) return Rect{};
    Rect out = from;
    Rect common;
    if (Intersect(from, take, common)) {
        if (common == from) return Rect{};
        if (common.top == out.top && common.bottom == out.bottom) {
            if (common.left == out.left) {
                out.left = common.right;
            } else if (common.right == out.right) {
                out.right = common.left;
            }
        } else if (common.left == out.left && common.right == out.right) {
            if (common.top == out.top) {
                out.top = common.bottom;
            } else if (common.bottom == out.bottom) {
                out.bottom = common.top;
            }
        }
    }
    return out;
}

}  // namespace

KWWindowPlacementClass::KWWindowPlacementClass() : MONITORS(NewList<TMonitor>()) {}

KWWindowPlacementClass::~KWWindowPlacementClass() {
    if (MONITORS) MONITORS->clear();
    MONITORS.reset();
}

void KWWindowPlacementClass::FixWindowPosition() {
    FrameworkWindow* window = Current().currentWindow;
    if (window == nullptr || Current().windows == nullptr) return;
    // 1. A maximized window is the user's choice: leave it untouched.
    if (Windows().IsMaximized(window->GetHandle())) return;
    // 2.
    ISMDIWINDOW = window->Attributes().mdi ? 1 : 0;
    ISAPPFRAME = window->Attributes().type == 24 ? 1 : 0;
    HWND = window->GetHandle();
    // 3.
    MONITOR = GetMonitors();
    if (MONITOR == 1) FIXTOPRIMARYMONITOR = 1;
    // 4. Positions and sizes below are in pixels.
    const bool wasPixels = window->Pixels();
    window->SetPixels(true);
    // 5. and 6.
    GetWindowMetrics();
    if (ISMDIWINDOW) {
        FitToMDIParent();
    } else {
        FitToMonitors();
    }
    // 7.
    window->SetPixels(wasPixels);
}

std::uint8_t KWWindowPlacementClass::GetMonitors() {
    if (!MONITORS) MONITORS = NewList<TMonitor>();
    std::vector<TMonitor> found;
    Lookup lookup = Windows().EnumerateMonitors([&found](Handle monitor) {
        bool ok = false;
        MonitorInfo info;
        // The library or the function missing for this step ends the
        // enumeration; a monitor whose facts cannot be had is left out.
        if (Windows().MonitorInfoOf(monitor, ok, info) != Lookup::Called) return false;
        if (ok) {
            TMonitor record;
            record.MHANDLE = monitor;
            record.MONITORRECT = info.monitor;
            record.WORKRECT = info.work;
            record.ISPRIMARY = info.flags == kMonitorInfoPrimary ? 1 : 0;
            record.DEVICENAME = text::Cut(info.deviceName, kDeviceNameCapacity);
            found.push_back(record);
        }
        return true;
    });
    if (lookup == Lookup::Called) {
        *MONITORS = std::move(found);
    } else {
        // No enumeration: keep the monitors of the last run.
        FIXTOPRIMARYMONITOR = 1;
    }
    return static_cast<std::uint8_t>(MONITORS->size());
}

void KWWindowPlacementClass::GetWindowMetrics() {
    const WindowAttributes& a = Current().currentWindow->Attributes();
    WindowSystem& ws = Windows();
    // 1.
    const bool toolWindow = (ws.WindowLong(HWND, kGwlExStyle) & kWsExToolWindow) != 0;
    CAPH = ws.SystemMetric(toolWindow ? kSmCySmCaption : kSmCyCaption);
    // 2. and 3. The first attribute that holds decides the frame.
    if (a.doubleBorder) {
        CXFRAME = ws.SystemMetric(a.gray ? kSmCxEdge : kSmCxBorder);
        CYFRAME = ws.SystemMetric(a.gray ? kSmCyEdge : kSmCyBorder);
    } else if (a.noFrame) {
        CXFRAME = 0;
        CYFRAME = 0;
    } else if (a.resize) {
        CXFRAME = ws.SystemMetric(kSmCxFrame);
        CYFRAME = ws.SystemMetric(kSmCyFrame);
    } else {
        CXFRAME = 1;
        CYFRAME = 1;
    }
    // 4. An unreadable rectangle keeps the last measurements.
    Rect r;
    if (ws.WindowRect(HWND, r)) {
        WINDOWRECT = r;
        XPOS = r.left;
        YPOS = r.top;
        WIDTH = To32(Width(r));
        HEIGHT = To32(Height(r));
    }
}

void KWWindowPlacementClass::FitToMonitors() {
    FrameworkWindow& window = *Current().currentWindow;
    // 1.
    XOFFSET = To32(std::int64_t{window.Xpos()} - XPOS);
    YOFFSET = To32(std::int64_t{window.Ypos()} - YPOS);
    // With no monitor to judge against, the window stays where it is.
    const std::size_t count = std::min<std::size_t>(MONITOR, MONITORS->size());
    if (count == 0) return;
    std::vector<TMonitor>& records = *MONITORS;
    // 2.
    if (JudgedMonitors() == 1) {
        MonitorCoverage(records[0]);
        // Records kept from an earlier run are not judged now: they count
        // for nothing, as a fresh list's would.
        for (std::size_t i = 1; i < count; ++i) {
            records[i].CONTAINSWINDOW = 0;
            records[i].PERCENT = Decimal();
        }
        Rect work;
        if (Windows().WorkArea(work)) {
            PARENTCLIENTW = To32(Width(work));
            PARENTCLIENTH = To32(Height(work));
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) MonitorCoverage(records[i]);
    }
    // 3.
    TOTALPERCENT = Decimal();
    for (std::size_t i = 0; i < count; ++i) TOTALPERCENT = TOTALPERCENT + records[i].PERCENT;
    // 4.
    const Decimal hundred = Decimal::FromInt(100);
    if (SHOWALLWINDOW) {
        if (TOTALPERCENT == hundred) TOTALPERCENT = Decimal::FromInt(99);
    } else if (SHOWMINPERCENT != Decimal()) {
        TOTALPERCENT = hundred - TOTALPERCENT > SHOWMINPERCENT ? Decimal::FromInt(99) : hundred;
    }
    // 5.
    if (TOTALPERCENT < hundred) MoveToBestMonitor();
}

std::uint8_t KWWindowPlacementClass::MonitorCoverage(TMonitor& record) {
    const Rect& a = record.WORKRECT;
    const Rect& w = WINDOWRECT;
    if (IsEmpty(Subtract(w, a))) {
        record.CONTAINSWINDOW = 1;
        record.PERCENT = Decimal::FromInt(100);
    } else if (w.right >= a.left && w.left <= a.right && w.top <= a.bottom && w.bottom >= a.top) {
        record.CONTAINSWINDOW = 255;
        record.PERCENT = VisiblePercent(w, a);
    } else {
        record.CONTAINSWINDOW = 0;
        record.PERCENT = Decimal();
    }
    return record.CONTAINSWINDOW;
}

Decimal KWWindowPlacementClass::VisiblePercent(const Rect& window, const Rect& area) {
    // Areas in 64 bits: a large window's area does not fit in 32.
    if (IsEmpty(window)) return Decimal();
    Rect common;
    const std::uint64_t visible =
        Intersect(window, area, common)
            ? static_cast<std::uint64_t>(Width(common)) * static_cast<std::uint64_t>(Height(common))
            : 0;
    const std::uint64_t whole =
        static_cast<std::uint64_t>(Width(window)) * static_cast<std::uint64_t>(Height(window));
    // 100 × (1 − (S − I) ÷ S) is 100 × I ÷ S.
    return Decimal::FromRatio(visible, whole, 100);
}

std::size_t KWWindowPlacementClass::JudgedMonitors() const {
    return MONITOR == 1 || FIXTOPRIMARYMONITOR ? 1 : MONITOR;
}

void KWWindowPlacementClass::MoveToBestMonitor() {
    std::vector<TMonitor>& records = *MONITORS;
    const std::size_t count = std::min<std::size_t>(MONITOR, records.size());
    if (count == 0) return;
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
    // The record that FitToMonitors judged last.
    const std::size_t last = std::min(JudgedMonitors(), count) - 1;
    std::size_t chosen = last;
    if (TOTALPERCENT == Decimal()) {
        // 1. Nothing is visible: the top-left corner of the nearest monitor.
        Handle nearest = 0;
        if (Windows().NearestMonitor(HWND, kMonitorDefaultToNearest, nearest) == Lookup::Called) {
            chosen = 0;
            for (std::size_t i = 0; i < count; ++i) {
                if (records[i].MHANDLE == nearest) {
                    chosen = i;
                    break;
                }
            }
            x = records[chosen].WORKRECT.left;
            y = records[chosen].WORKRECT.top;
        }
    } else {
        // 2. The monitor with the largest share, pushed inside its work area.
        bool any = false;
        for (std::size_t i = 0; i < count; ++i) {
            if (records[i].PERCENT > Decimal() &&
                (!any || records[i].PERCENT > records[chosen].PERCENT)) {
                chosen = i;
                any = true;
            }
        }
        if (!any) chosen = last;
        const Rect& work = records[chosen].WORKRECT;
        x = XPOS;
        if (std::int64_t{XPOS} + WIDTH > work.right) x = std::int64_t{work.right} - WIDTH;
        if (XPOS < work.left) x = work.left;
        y = YPOS;
        if (std::int64_t{YPOS} + HEIGHT > work.bottom) y = std::int64_t{work.bottom} - HEIGHT;
        if (std::int64_t{YPOS} - CAPH < work.top) y = work.top;
    }
    // 3. A window larger than the work area is fitted to it, from its edge.
    const Rect& work = records[chosen].WORKRECT;
    if (WIDTH > Width(work)) {
        w = To32(Width(work));
        x = work.left;
    }
    if (HEIGHT > Height(work)) {
        h = To32(Height(work));
        y = work.top;
    }
    if (w == 0) w = WIDTH;
    if (h == 0) h = HEIGHT;
    // 4.
    Windows().Move(HWND, To32(x), To32(y), w, h, true);
}

void KWWindowPlacementClass::FitToMDIParent() {
    FrameworkWindow& window = *Current().currentWindow;
    WindowSystem& ws = Windows();
    // 1.
    YPOS = window.Ypos();
    XPOS = window.Xpos();
    XOFFSET = 0;
    YOFFSET = 0;
    // 2. The MDI client, and the application frame around it.
    const Handle client = ws.Parent(HWND);
    Rect r;
    if (ws.WindowRect(client, r)) PARENTCLIENTH = To32(Height(r));
    if (ws.WindowRect(ws.Parent(client), r)) PARENTCLIENTW = To32(Width(r) - CXFRAME);
    // 3.
    const std::int64_t width = window.Width();
    if (width + XPOS + 2 * std::int64_t{CXFRAME} > PARENTCLIENTW) {
        window.SetXpos(width < PARENTCLIENTW
                           ? To32(PARENTCLIENTW - width - 2 * std::int64_t{CXFRAME} + XOFFSET)
                           : 0);
    }
    // 4.
    const std::int64_t height = window.Height();
    if (height + YPOS + 2 * std::int64_t{CYFRAME} + CAPH > PARENTCLIENTH) {
        window.SetYpos(height < PARENTCLIENTH ? To32(PARENTCLIENTH - height -
                                                     2 * std::int64_t{CYFRAME} - CAPH + YOFFSET)
                                              : 0);
    }
    // 5.
    if (window.Xpos() < 0) window.SetXpos(0);
    if (window.Ypos() < 0) window.SetYpos(0);
}

}  // namespace tolvane
