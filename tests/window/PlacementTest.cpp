// Keeping a window on a visible monitor, against monitors and windows laid
// out in the sim.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/sim/SimWindowSystem.h"
#include "tests/window/FakeWindow.h"
#include "window/KWWindowPlacementClass.h"

namespace tolvane {
namespace {

using sim::SimMonitor;
using sim::SimWindowSystem;
using test::FakeWindow;

constexpr Handle kWindow = 0x1000;
constexpr std::int32_t kCaption = 23;       // SM_CYCAPTION in the sim
constexpr std::int32_t kSmallCaption = 17;  // SM_CYSMCAPTION in the sim

// Two 1024 x 768 monitors side by side; A's task bar at its bottom, B's at
// its top.
const Rect kMonitorA{0, 0, 1024, 768};
const Rect kWorkA{0, 0, 1024, 728};
const Rect kMonitorB{1024, 0, 2048, 768};
const Rect kWorkB{1024, 30, 2048, 768};

struct Monitor {
    Handle handle;
    Rect monitor;
    Rect work;
    bool infoFails = false;
    Lookup infoLookup = Lookup::Called;
};

const Monitor kA{0x51, kMonitorA, kWorkA};
const Monitor kB{0x52, kMonitorB, kWorkB};

struct Target {
    std::int32_t x, y, w, h;
};

struct PlacementCase {
    std::string name;
    std::vector<Monitor> monitors;
    Rect window;  // the window rectangle
    // What the test sets.
    bool maximized = false;
    std::int32_t exStyle = 0;
    std::uint8_t showAll = 0;
    std::int64_t showMinPercent = 0;  // ten-thousandths
    Lookup enumeration = Lookup::Called;
    Lookup nearest = Lookup::Called;
    // What must happen.
    std::optional<Target> moved;        // nullopt: the window stays
    std::optional<std::int64_t> total;  // TOTALPERCENT, ten-thousandths
    std::vector<std::int64_t> percents;
    std::vector<std::uint8_t> contains;
    bool fixToPrimary = false;

    // A case reads as one line of settings.
    PlacementCase& Monitors(std::vector<Monitor> v) { return monitors = std::move(v), *this; }
    PlacementCase& Window(Rect v) { return window = v, *this; }
    PlacementCase& Maximized(bool v) { return maximized = v, *this; }
    PlacementCase& ExStyle(std::int32_t v) { return exStyle = v, *this; }
    PlacementCase& ShowAll(std::uint8_t v) { return showAll = v, *this; }
    PlacementCase& ShowMinPercent(std::int64_t v) { return showMinPercent = v, *this; }
    PlacementCase& Enumeration(Lookup v) { return enumeration = v, *this; }
    PlacementCase& Nearest(Lookup v) { return nearest = v, *this; }
    PlacementCase& Moved(Target v) { return moved = v, *this; }
    PlacementCase& Total(std::int64_t v) { return total = v, *this; }
    PlacementCase& Percents(std::vector<std::int64_t> v) { return percents = std::move(v), *this; }
    PlacementCase& Contains(std::vector<std::uint8_t> v) { return contains = std::move(v), *this; }
    PlacementCase& FixToPrimary(bool v) { return fixToPrimary = v, *this; }
};

PlacementCase Case(const std::string& name) {
    PlacementCase c;
    c.name = name;
    return c;
}

std::ostream& operator<<(std::ostream& os, const PlacementCase& c) { return os << c.name; }

const Rect kInside{100, 100, 500, 400};  // 400 x 300

const std::vector<PlacementCase> kCases = {
    Case("maximized, off screen")
        .Monitors({kA})
        .Window(Rect{5000, 5000, 5400, 5300})
        .Maximized(true),
    Case("inside one work area")
        .Monitors({kA})
        .Window(kInside)
        .Total(1000000)
        .Percents({1000000})
        .Contains({1})
        .FixToPrimary(true),
    Case("right half beyond the edge")
        .Monitors({kA})
        .Window(Rect{824, 100, 1224, 400})
        .Moved({624, 100, 400, 300})
        .Total(500000)
        .Percents({500000})
        .Contains({255})
        .FixToPrimary(true),
    Case("outside, single monitor")
        .Monitors({kA})
        .Window(Rect{-3000, -2000, -2600, -1700})
        .Moved({0, 0, 400, 300})
        .Percents({0})
        .Contains({0})
        .FixToPrimary(true),
    Case("outside, nearest of two")
        .Monitors({kA, kB})
        .Window(Rect{3000, 100, 3400, 400})
        .Moved({1024, 30, 400, 300})
        .Percents({0, 0})
        .Contains({0, 0}),
    Case("outside, nearest monitor not to be had")
        .Monitors({kA, kB})
        .Window(Rect{3000, 100, 3400, 400})
        .Nearest(Lookup::NoFunction)
        .Moved({0, 0, 400, 300}),
    Case("two monitors, shares add up to 100")
        .Monitors({kA, kB})
        .Window(Rect{960, 100, 1088, 400})
        .Total(1000000)
        .Percents({500000, 500000}),
    Case("equal shares with SHOWALLWINDOW: the first monitor")
        .Monitors({kA, kB})
        .Window(Rect{960, 100, 1088, 400})
        .ShowAll(1)
        .Moved({896, 100, 128, 300})
        .Total(990000)
        .Percents({500000, 500000}),
    Case("SHOWALLWINDOW, 100: onto the larger share")
        .Monitors({kA, kB})
        .Window(Rect{1023, 100, 1026, 400})
        .ShowAll(1)
        .Moved({1024, 100, 3, 300})
        .Total(990000)
        .Percents({333333, 666667}),
    Case("two monitors, shares add up to 100.0001")
        .Monitors({kA, kB})
        .Window(Rect{1023, 100, 1151, 400})
        .Total(1000001)
        .Percents({7813, 992188}),
    Case("SHOWALLWINDOW, 100.0001: stays")
        .Monitors({kA, kB})
        .Window(Rect{1023, 100, 1151, 400})
        .ShowAll(1)
        .Total(1000001)
        .Percents({7813, 992188}),
    Case("SHOWMINPERCENT 10, 95 % visible")
        .Monitors({kA})
        .Window(Rect{644, 100, 1044, 400})
        .ShowMinPercent(100000)
        .Total(1000000)
        .Percents({950000})
        .FixToPrimary(true),
    Case("SHOWMINPERCENT 10, 85 % visible")
        .Monitors({kA})
        .Window(Rect{684, 100, 1084, 400})
        .ShowMinPercent(100000)
        .Moved({624, 100, 400, 300})
        .Total(990000)
        .Percents({850000})
        .FixToPrimary(true),
    Case("SHOWMINPERCENT 10, outside: into the last monitor")
        .Monitors({kA, kB})
        .Window(Rect{3000, 100, 3400, 400})
        .ShowMinPercent(100000)
        .Moved({1648, 100, 400, 300})
        .Total(990000),
    Case("larger than the work area")
        .Monitors({kA})
        .Window(Rect{-50, -50, 1100, 900})
        .Moved({0, 0, 1024, 728})
        .Total(682354)
        .FixToPrimary(true),
    Case("wider than the second work area: its left edge")
        .Monitors({kA, kB})
        .Window(Rect{1500, 100, 2700, 400})
        .Moved({1024, 100, 1024, 300})
        .Percents({0, 456667}),
    Case("taller than the second work area: its top edge")
        .Monitors({kA, kB})
        .Window(Rect{1100, 100, 1500, 900})
        .Moved({1100, 30, 400, 738})
        .Percents({0, 835000}),
    Case("top edge within a caption of the work area")
        .Monitors({kA})
        .Window(Rect{824, kCaption - 3, 1224, 300})
        .Moved({624, 0, 400, 300 - kCaption + 3})
        .FixToPrimary(true),
    Case("tool window: the small caption")
        .Monitors({kA})
        .Window(Rect{824, kCaption - 3, 1224, 300})
        .ExStyle(0x80)
        .Moved({624, kCaption - 3, 400, 300 - kCaption + 3})
        .FixToPrimary(true),
    Case("overlapping monitors add up to more than 100")
        .Monitors({kA, {0x53, kMonitorA, kWorkA}})
        .Window(Rect{624, 100, 1124, 400})
        .Total(1600000)
        .Percents({800000, 800000}),
    Case("enumeration unavailable, no monitor yet")
        .Monitors({kA})
        .Window(Rect{3000, 100, 3400, 400})
        .Enumeration(Lookup::NoLibrary)
        .FixToPrimary(true),
    Case("GetMonitorInfoA fails for the first monitor")
        .Monitors({{0x51, kMonitorA, kWorkA, true}, kB})
        .Window(Rect{1900, 100, 2300, 400})
        .Moved({1648, 100, 400, 300})
        .Percents({370000})
        .FixToPrimary(true),
    Case("GetMonitorInfoA missing at the second monitor")
        .Monitors({kA, {0x52, kMonitorB, kWorkB, false, Lookup::NoFunction}})
        .Window(Rect{824, 100, 1224, 400})
        .Moved({624, 100, 400, 300})
        .Percents({500000})
        .FixToPrimary(true),
    Case("no monitor reported").Monitors({}).Window(Rect{3000, 100, 3400, 400}),
};

class Placement : public ::testing::TestWithParam<PlacementCase> {
  protected:
    void SetUp() override {
        Services s;
        s.windows = &ws;
        s.currentWindow = &window;
        saved = Install(s);
        ws.workArea = kWorkA;
    }
    void TearDown() override { Install(saved); }

    void Lay(const PlacementCase& c) {
        for (const Monitor& m : c.monitors) {
            SimMonitor& sm = ws.AddMonitor(m.handle, m.monitor, m.work, m.handle == 0x51 ? 1 : 0,
                                           "\\\\.\\DISPLAY" + std::to_string(m.handle - 0x50));
            sm.infoFails = m.infoFails;
            sm.infoLookup = m.infoLookup;
        }
        sim::SimWindow& w = ws.AddWindow(kWindow, c.window, "Tolvane");
        w.exStyle = c.exStyle;
        w.maximized = c.maximized;
        window.x = c.window.left;
        window.y = c.window.top;
        window.width = c.window.right - c.window.left;
        window.height = c.window.bottom - c.window.top;
        ws.enumDisplayMonitors = c.enumeration;
        ws.monitorFromWindow = c.nearest;
    }

    SimWindowSystem ws;
    FakeWindow window;
    Services saved;
};

TEST_P(Placement, FixWindowPosition) {
    const PlacementCase& c = GetParam();
    Lay(c);
    KWWindowPlacementClass placement;
    placement.SHOWALLWINDOW = c.showAll;
    placement.SHOWMINPERCENT = Decimal::FromScaled(c.showMinPercent);

    placement.FixWindowPosition();

    if (c.moved) {
        ASSERT_EQ(ws.moves.size(), 1u);
        const sim::SimMove& m = ws.moves[0];
        EXPECT_EQ(m.window, kWindow);
        EXPECT_EQ(m.x, c.moved->x);
        EXPECT_EQ(m.y, c.moved->y);
        EXPECT_EQ(m.width, c.moved->w);
        EXPECT_EQ(m.height, c.moved->h);
        EXPECT_TRUE(m.repaint);
    } else {
        EXPECT_TRUE(ws.moves.empty());
    }
    if (c.maximized) {
        EXPECT_EQ(ws.monitorsEnumerated, 0);
        EXPECT_TRUE(window.pixelModes.empty());
        EXPECT_TRUE(placement.MONITORS->empty());
        return;
    }
    if (c.total) {
        EXPECT_EQ(placement.TOTALPERCENT.Scaled(), *c.total) << placement.TOTALPERCENT.Text();
    }
    EXPECT_EQ(placement.FIXTOPRIMARYMONITOR, c.fixToPrimary ? 1 : 0);
    EXPECT_EQ(placement.MONITOR, placement.MONITORS->size());
    if (!c.percents.empty()) {
        ASSERT_EQ(placement.MONITORS->size(), c.percents.size());
        for (std::size_t i = 0; i < c.percents.size(); ++i) {
            EXPECT_EQ((*placement.MONITORS)[i].PERCENT.Scaled(), c.percents[i]) << "record " << i;
        }
    }
    for (std::size_t i = 0; i < c.contains.size(); ++i) {
        EXPECT_EQ((*placement.MONITORS)[i].CONTAINSWINDOW, c.contains[i]) << "record " << i;
    }
    // Pixel mode on for the measuring, and back off afterwards.
    EXPECT_EQ(window.pixelModes, (std::vector<bool>{true, false}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Placement, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PlacementCase>& info) {
                             std::string n;
                             for (char ch : info.param.name) {
                                 n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return n;
                         });

class PlacementLife : public Placement {};

TEST_F(PlacementLife, MonitorRecordsHoldWhatTheSystemReported) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1, "\\\\.\\DISPLAY1");
    ws.AddMonitor(0x52, kMonitorB, kWorkB, 3, std::string(40, 'D'));
    ws.AddWindow(kWindow, kInside);
    KWWindowPlacementClass placement;
    EXPECT_EQ(placement.GetMonitors(), 2);
    const TMonitor& a = (*placement.MONITORS)[0];
    const TMonitor& b = (*placement.MONITORS)[1];
    EXPECT_EQ(a.MHANDLE, 0x51);
    EXPECT_EQ(a.MONITORRECT, kMonitorA);
    EXPECT_EQ(a.WORKRECT, kWorkA);
    EXPECT_EQ(a.ISPRIMARY, 1);
    EXPECT_EQ(a.DEVICENAME, "\\\\.\\DISPLAY1");
    // Only flags equal to MONITORINFOF_PRIMARY make a primary monitor.
    EXPECT_EQ(b.ISPRIMARY, 0);
    EXPECT_EQ(b.DEVICENAME, std::string(31, 'D'));
    EXPECT_EQ(b.PERCENT, Decimal());
    // A second run replaces the records instead of adding to them.
    EXPECT_EQ(placement.GetMonitors(), 2);
    EXPECT_EQ(placement.MONITORS->size(), 2u);
}

TEST_F(PlacementLife, OneMonitorFixesToPrimaryForTheObjectsLife) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1);
    ws.AddWindow(kWindow, kInside);
    window.x = 100;
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    EXPECT_EQ(placement.FIXTOPRIMARYMONITOR, 1);
    EXPECT_EQ(placement.PARENTCLIENTW, 1024);
    EXPECT_EQ(placement.PARENTCLIENTH, 728);

    // A second monitor appears: still judged against the first only, so a
    // window wholly on the second one counts as off screen.
    ws.AddMonitor(0x52, kMonitorB, kWorkB);
    ws.AddWindow(kWindow, {1200, 100, 1600, 400});
    placement.FixWindowPosition();
    EXPECT_EQ(placement.MONITOR, 2);
    EXPECT_EQ(placement.FIXTOPRIMARYMONITOR, 1);
    ASSERT_EQ(ws.moves.size(), 1u);
    EXPECT_EQ(ws.moves[0].x, 1024);  // the nearest monitor's corner
}

TEST_F(PlacementLife, EnumerationLostKeepsTheLastMonitors) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1);
    ws.AddMonitor(0x52, kMonitorB, kWorkB);
    // Shares on both monitors in the first run.
    ws.AddWindow(kWindow, {960, 100, 1088, 400});
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    EXPECT_EQ(placement.FIXTOPRIMARYMONITOR, 0);
    EXPECT_EQ((*placement.MONITORS)[1].PERCENT, Decimal::FromInt(50));
    ASSERT_TRUE(ws.moves.empty());

    ws.enumDisplayMonitors = Lookup::NoFunction;
    placement.FixWindowPosition();
    EXPECT_EQ(placement.MONITOR, 2);
    EXPECT_EQ(placement.FIXTOPRIMARYMONITOR, 1);
    // Judged against the first record alone; the second one's share from
    // the run before does not count.
    EXPECT_EQ((*placement.MONITORS)[1].PERCENT, Decimal());
    EXPECT_EQ(placement.TOTALPERCENT, Decimal::FromInt(50));
    ASSERT_EQ(ws.moves.size(), 1u);
    EXPECT_EQ(ws.moves[0].x, 1024 - 128);
}

TEST_F(PlacementLife, PixelModeKeptWhenItWasOn) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1);
    ws.AddWindow(kWindow, {824, 100, 1224, 400});
    window.pixels = true;
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    EXPECT_TRUE(window.pixels);
    EXPECT_EQ(window.pixelModes, (std::vector<bool>{true, true}));
}

TEST_F(PlacementLife, OffsetsAreFrameworkPositionLessRectangle) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1);
    ws.AddWindow(kWindow, kInside);
    window.x = 110;  // pixels
    window.y = 90;
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    EXPECT_EQ(placement.XOFFSET, 10);
    EXPECT_EQ(placement.YOFFSET, -10);
    EXPECT_EQ(placement.WINDOWRECT, kInside);
    EXPECT_EQ(placement.WIDTH, 400);
    EXPECT_EQ(placement.HEIGHT, 300);
}

TEST_F(PlacementLife, UnreadableRectangleKeepsTheLastMeasurements) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1);
    sim::SimWindow& w = ws.AddWindow(kWindow, kInside);
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    w.rect = {2000, 2000, 2100, 2100};
    w.rectReadable = false;
    placement.FixWindowPosition();
    EXPECT_EQ(placement.XPOS, 100);
    EXPECT_EQ(placement.WIDTH, 400);
    EXPECT_TRUE(ws.moves.empty());
}

struct Frame {
    std::string name;
    WindowAttributes attributes;
    std::int32_t cx, cy;
};

TEST_F(PlacementLife, FrameThicknessFromTheFirstAttributeThatHolds) {
    ws.AddWindow(kWindow, kInside);
    ws.SetMetric(45, 12);  // SM_CXEDGE
    ws.SetMetric(46, 13);
    ws.SetMetric(5, 14);  // SM_CXBORDER
    ws.SetMetric(6, 15);
    ws.SetMetric(32, 16);  // SM_CXFRAME
    ws.SetMetric(33, 17);
    auto attrs = [](bool dbl, bool noFrame, bool resize, bool gray) {
        WindowAttributes a;
        a.doubleBorder = dbl;
        a.noFrame = noFrame;
        a.resize = resize;
        a.gray = gray;
        return a;
    };
    const std::vector<Frame> frames = {
        {"single", attrs(false, false, false, true), 1, 1},
        {"none", attrs(false, true, true, false), 0, 0},
        {"resizable", attrs(false, false, true, true), 16, 17},
        {"double, 3-D", attrs(true, true, true, true), 12, 13},
        {"double", attrs(true, false, true, false), 14, 15},
    };
    for (const Frame& f : frames) {
        window.attributes = f.attributes;
        KWWindowPlacementClass placement;
        placement.HWND = kWindow;
        placement.GetWindowMetrics();
        EXPECT_EQ(placement.CXFRAME, f.cx) << f.name;
        EXPECT_EQ(placement.CYFRAME, f.cy) << f.name;
        EXPECT_EQ(placement.CAPH, kCaption) << f.name;
    }
    ws.Find(kWindow)->exStyle = 0x80;
    KWWindowPlacementClass placement;
    placement.HWND = kWindow;
    placement.GetWindowMetrics();
    EXPECT_EQ(placement.CAPH, kSmallCaption);
}

// MDI children: the frame 0x100 holds the MDI client 0x200, which holds the
// child. Resizable frames are 4 pixels in the sim.
struct MdiCase {
    std::string name;
    std::int32_t x, y, width, height;  // the child's framework position, pixels
    std::int32_t wantX, wantY;
};

TEST_F(PlacementLife, MdiChildKeptInsideItsParent) {
    ws.AddMonitor(0x51, kMonitorA, kWorkA, 1);
    ws.AddWindow(0x100, {0, 0, 808, 600}).topLevel = true;
    sim::SimWindow& client = ws.AddWindow(0x200, {4, 50, 804, 550});  // 500 high
    client.topLevel = false;
    client.parent = 0x100;
    const std::int32_t w = 804;  // 808 less one frame edge
    const std::int32_t h = 500;
    const std::vector<MdiCase> cases = {
        {"inside", 10, 20, 300, 200, 10, 20},
        {"beyond the right edge", 600, 20, 300, 200, w - 300 - 8, 20},
        {"wider than the parent", 600, 20, 900, 200, 0, 20},
        {"below the bottom", 10, 400, 300, 200, 10, h - 200 - 8 - kCaption},
        {"taller than the parent", 10, 400, 300, 600, 10, 0},
        {"nearly as tall: would end negative", 10, 100, 300, 480, 10, 0},
        {"left of the parent", -50, -30, 300, 200, 0, 0},
    };
    for (const MdiCase& c : cases) {
        sim::SimWindow& child = ws.AddWindow(kWindow, {c.x, c.y, c.x + c.width, c.y + c.height});
        child.topLevel = false;
        child.parent = 0x200;
        window.attributes = WindowAttributes{};
        window.attributes.mdi = true;
        window.attributes.resize = true;
        window.x = c.x;
        window.y = c.y;
        window.width = c.width;
        window.height = c.height;
        window.pixelModes.clear();
        KWWindowPlacementClass placement;
        placement.FixWindowPosition();
        EXPECT_EQ(placement.PARENTCLIENTW, w) << c.name;
        EXPECT_EQ(placement.PARENTCLIENTH, h) << c.name;
        EXPECT_EQ(window.x, c.wantX) << c.name;
        EXPECT_EQ(window.y, c.wantY) << c.name;
        EXPECT_EQ(window.width, c.width) << c.name;
        EXPECT_EQ(window.height, c.height) << c.name;
        EXPECT_EQ(window.pixelModes, (std::vector<bool>{true, false})) << c.name;
    }
    EXPECT_TRUE(ws.moves.empty());
}

struct PercentCase {
    Rect window;
    Rect area;
    std::int64_t want;  // ten-thousandths
};

TEST(VisiblePercent, RoundsToFourPlacesHalvesUp) {
    const std::vector<PercentCase> cases = {
        {{0, 0, 3, 1}, {0, 0, 1, 1}, 333333},      // 33.33333...
        {{0, 0, 3, 1}, {0, 0, 2, 1}, 666667},      // 66.66666...
        {{0, 0, 128, 1}, {0, 0, 1, 1}, 7813},      // 0.78125, a half
        {{0, 0, 128, 1}, {1, 0, 128, 1}, 992188},  // 99.21875, a half
        {{0, 0, 100, 100}, {0, 0, 100, 100}, 1000000},
        {{0, 0, 100, 100}, {200, 0, 300, 100}, 0},  // apart
        {{0, 0, 100, 100}, {100, 0, 200, 100}, 0},  // touching
        // 4e10 square pixels: beyond 32 bits.
        {{-100000, -100000, 100000, 100000}, {0, 0, 100000, 100000}, 250000},
        // Beyond 63 bits.
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX, 0}, 500000},
        {{INT_MIN, 0, INT_MAX, 3}, {0, 0, INT_MAX, 1}, 166667},
    };
    for (const PercentCase& c : cases) {
        EXPECT_EQ(KWWindowPlacementClass::VisiblePercent(c.window, c.area).Scaled(), c.want)
            << c.window.left << "," << c.window.top << "," << c.window.right << ","
            << c.window.bottom;
    }
}

TEST(DecimalKind, SumsAreExactAndStayInRange) {
    const Decimal third = Decimal::FromRatio(1, 3, 100);
    const Decimal twoThirds = Decimal::FromRatio(2, 3, 100);
    EXPECT_EQ((third + twoThirds).Text(), "100");
    EXPECT_EQ((Decimal::FromRatio(1, 128, 100) + Decimal::FromRatio(127, 128, 100)).Text(),
              "100.0001");
    EXPECT_EQ((Decimal::FromInt(100) - Decimal::FromScaled(1000001)).Text(), "-0.0001");
    // Many overlapping monitors: held at the top of the range, still above 100.
    Decimal sum;
    for (int i = 0; i < 12; ++i) sum = sum + Decimal::FromInt(100);
    EXPECT_EQ(sum.Text(), "999.9999");
    EXPECT_EQ(Decimal::FromRatio(5, 1, 1000).Text(), "999.9999");
}

}  // namespace
}  // namespace tolvane
