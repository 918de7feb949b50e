// Tolvane.exe started under Wine with a saved window position: one far off
// the screen comes back inside the work area, one inside it is kept.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/e2e/TolvaneSession.h"

namespace {

using namespace std::chrono_literals;
using namespace tolvane::testing;

// Tolvane.exe started in a fresh folder whose settings file holds a saved
// position; the window is shown only after that position was checked.
class SavedPosition : public ::testing::Test {
  protected:
    void Start(const std::string& settings) {
        folder.Write("Tolvane.INI", settings);
        tolvane.emplace(folder, 30s);
        ASSERT_TRUE(tolvane->Started()) << tolvane->Error();
        ASSERT_NE(tolvane->Window(), nullptr) << "the window did not appear";
        ASSERT_TRUE(GetWindowRect(tolvane->Window(), &r));
    }
    std::string Saved(const char* key) const {
        char value[256] = {};
        GetPrivateProfileStringA("Main", key, "(missing)", value, sizeof value,
                                 folder.File("Tolvane.INI").c_str());
        return value;
    }

    WorkFolder folder;
    std::optional<TolvaneSession> tolvane;
    RECT r{};
    const RECT work = WorkArea();
};

TEST_F(SavedPosition, FarOffTheScreenOpensInsideTheWorkArea) {
    ASSERT_NO_FATAL_FAILURE(
        Start("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=20000\r\nYPos=15000\r\n"));
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_GT(r.right - r.left, 0);
    // Nothing of it was visible: the corner of the nearest work area.
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.top, work.top);
    ASSERT_TRUE(tolvane->Close());
    // The corrected position is what is saved.
    EXPECT_LT(std::stoi(Saved("XPos")), 20000);
    EXPECT_LT(std::stoi(Saved("YPos")), 15000);
}

TEST_F(SavedPosition, InsideTheWorkAreaIsKeptAsSaved) {
    ASSERT_NO_FATAL_FAILURE(
        Start("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=30\r\nYPos=40\r\n"));
    // 30 and 40 dialog units: a little right of and below the corner.
    EXPECT_GT(r.left, work.left);
    EXPECT_GT(r.top, work.top);
    EXPECT_LT(r.left, work.left + 200);
    EXPECT_LT(r.top, work.top + 200);
    ASSERT_TRUE(tolvane->Close());
    EXPECT_EQ(Saved("XPos"), "30");
    EXPECT_EQ(Saved("YPos"), "40");
}

}  // namespace
