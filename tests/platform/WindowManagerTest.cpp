#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Services.h"
#include "platform/WindowManager.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimWindowSystem.h"

namespace tolvane {
namespace {

class CountingManager : public WindowManager {
  public:
    using WindowManager::WindowManager;
    Level PrepareWindow() override {
        Level level = WindowManager::PrepareWindow();
        FIRSTFIELD = 1;
        AddItem(4, Response::RequestCancelled);
        return open ? Open() : level;
    }
    Level HandleAccepted(int control) override {
        accepted.push_back(control);
        return WindowManager::HandleAccepted(control);
    }
    Level FinishWindow() override {
        Level level = WindowManager::FinishWindow();
        if (level == Level::Benign) ++finishes;
        return level;
    }
    bool open = true;
    std::vector<int> accepted;
    int finishes = 0;
};

class WindowManagerTest : public ::testing::Test {
  protected:
    WindowManagerTest() {
        Services services;
        services.windows = &windows;
        previous = Install(services);
        dialogs.mainWindow.windows = &windows;
    }
    ~WindowManagerTest() override { Install(previous); }

    sim::SimDialogs dialogs;
    sim::SimWindowSystem windows;
    Services previous;
};

TEST_F(WindowManagerTest, RunsUntilAClosingControlAndFinishesOnce) {
    std::string path = "C:\\old";
    std::uint8_t ticked = 1;
    FormWindow form(dialogs.CreateMainWindow());
    form.BindText(2, path, 10);
    form.BindFlag(8, ticked);
    sim::SimDialogWindow& w = dialogs.mainWindow;
    FrameworkWindow* during = nullptr;
    {
        CountingManager manager(form);
        w.Then([&] {
             // The fields are on show from the loop's start.
             EXPECT_EQ(w.ControlText(2), "C:\\old");
             EXPECT_TRUE(w.IsChecked(8));
             during = Current().currentWindow;
         })
            .Type(2, "C:\\Drivers\\c4otSDX.dll")
            .Toggle(8)
            .Press(5)
            .Press(4)
            .Press(9);
        manager.Run();
        EXPECT_EQ(manager.accepted, (std::vector<int>{2, 8, 5, 4}));
        EXPECT_EQ(manager.RESPONSE, Response::RequestCancelled);
        EXPECT_TRUE(manager.OPENED);
        EXPECT_EQ(manager.finishes, 1);
        EXPECT_EQ(manager.FinishWindow(), Level::Notify);
        EXPECT_EQ(manager.finishes, 1);
        EXPECT_EQ(during, manager.Screen());
        EXPECT_NE(during, nullptr);
    }
    // An entry's text reaches its field cut to the field's capacity.
    EXPECT_EQ(path, "C:\\Drivers");
    EXPECT_EQ(ticked, 0);
    EXPECT_EQ(w.focusMoves, (std::vector<int>{1}));
    EXPECT_FALSE(w.scriptRanOut);
    // The window is no longer the current one once its manager is gone.
    EXPECT_EQ(Current().currentWindow, nullptr);
}

TEST_F(WindowManagerTest, AWindowThatCannotOpenRunsNoLoopButFinishes) {
    dialogs.mainWindow.openFails = true;
    FormWindow form(dialogs.CreateMainWindow());
    CountingManager manager(form);
    manager.Run();
    EXPECT_EQ(dialogs.mainWindow.loops, 0);
    EXPECT_FALSE(manager.OPENED);
    EXPECT_EQ(manager.finishes, 1);
    EXPECT_EQ(manager.Screen(), nullptr);
}

}  // namespace
}  // namespace tolvane
