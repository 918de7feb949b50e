#include <gtest/gtest.h>

#include "platform/ScreenWindow.h"
#include "platform/sim/SimDialogWindow.h"
#include "platform/sim/SimWindowSystem.h"

namespace tolvane {
namespace {

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(5, 4, 7), 3);
    EXPECT_EQ(MulDiv(-5, 4, 7), -3);
    EXPECT_EQ(MulDiv(5, -4, -7), 3);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);  // no overflow on the way
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);
}

class ScreenWindowTest : public ::testing::Test {
  protected:
    ScreenWindowTest() : screen(dialog, windows) { windows.AddWindow(dialog.handle); }
    void Place(const Rect& r) { windows.Find(dialog.handle)->rect = r; }
    Rect Now() { return windows.Find(dialog.handle)->rect; }

    sim::SimDialogWindow dialog;
    sim::SimWindowSystem windows;
    ScreenWindow screen;
};

TEST_F(ScreenWindowTest, ReportsTheWindowRectangleInDialogUnitsOrPixels) {
    dialog.baseUnitX = 7;
    dialog.baseUnitY = 15;
    Place(Rect{-875, 300, -234, 507});
    EXPECT_EQ(screen.Xpos(), -500);
    EXPECT_EQ(screen.Ypos(), 160);
    EXPECT_EQ(screen.Width(), 366);   // 641 pixels
    EXPECT_EQ(screen.Height(), 110);  // 207 pixels
    screen.SetPixels(true);
    EXPECT_EQ(screen.Xpos(), -875);
    EXPECT_EQ(screen.Height(), 207);
    screen.SetXpos(10);
    EXPECT_EQ(Now(), (Rect{10, 300, 651, 507}));
}

TEST_F(ScreenWindowTest, EachSetterKeepsTheOtherSidesInExactPixels) {
    Place(Rect{101, 203, 742, 410});
    screen.SetXpos(20);
    EXPECT_EQ(Now(), (Rect{35, 203, 676, 410}));
    screen.SetYpos(20);
    EXPECT_EQ(Now(), (Rect{35, 38, 676, 245}));
    screen.SetWidth(100);
    EXPECT_EQ(Now(), (Rect{35, 38, 210, 245}));
    screen.SetHeight(100);
    EXPECT_EQ(Now(), (Rect{35, 38, 210, 226}));
}

TEST_F(ScreenWindowTest, ASavedPositionNeverCreeps) {
    for (std::int32_t baseX : {5, 6, 7, 8, 9, 11}) {
        dialog.baseUnitX = baseX;
        dialog.baseUnitY = 2 * baseX + 1;
        for (std::int32_t px = -1500; px <= 1500; px += 7) {
            Place(Rect{px, px / 2, px + 600, px / 2 + 200});
            std::int32_t x = screen.Xpos();
            std::int32_t y = screen.Ypos();
            // Restored at the next start, then saved again.
            screen.SetXpos(x);
            screen.SetYpos(y);
            ASSERT_EQ(screen.Xpos(), x) << baseX << " " << px;
            ASSERT_EQ(screen.Ypos(), y) << baseX << " " << px;
            Rect once = Now();
            screen.SetXpos(screen.Xpos());
            screen.SetYpos(screen.Ypos());
            ASSERT_EQ(Now(), once) << baseX << " " << px;
        }
    }
}

TEST_F(ScreenWindowTest, OnlyAChangeOfStateReachesTheWindowSystem) {
    screen.SetMaximized(false);
    screen.SetMinimized(false);
    EXPECT_TRUE(windows.shows.empty());
    screen.SetMaximized(true);
    EXPECT_TRUE(screen.Maximized());
    // A maximized window stays so when told it is not minimized.
    screen.SetMinimized(false);
    EXPECT_TRUE(screen.Maximized());
    ASSERT_EQ(windows.shows.size(), 1u);
    EXPECT_EQ(windows.shows[0].command, 3);
    screen.SetMaximized(false);
    ASSERT_EQ(windows.shows.size(), 2u);
    EXPECT_EQ(windows.shows[1].command, 9);
    EXPECT_FALSE(screen.Maximized());
}

TEST_F(ScreenWindowTest, AWindowWithoutARectangleIsLeftAlone) {
    windows.Find(dialog.handle)->rectReadable = false;
    screen.SetXpos(10);
    screen.SetWidth(10);
    EXPECT_TRUE(windows.moves.empty());
    EXPECT_EQ(screen.Xpos(), 0);
}

}  // namespace
}  // namespace tolvane
