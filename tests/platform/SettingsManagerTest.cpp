#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/IniFile.h"
#include "platform/Services.h"
#include "platform/SettingsManager.h"
#include "platform/Window.h"
#include "tests/platform/TempDir.h"

namespace tolvane {
namespace {

using testing::TempDir;

// A window that answers from its fields and records what it is told.
class RecordingWindow : public FrameworkWindow {
  public:
    Handle GetHandle() const override { return 1; }
    const WindowAttributes& Attributes() const override { return attributes; }
    bool Pixels() const override { return false; }
    void SetPixels(bool) override {}
    std::int32_t Xpos() const override { return x; }
    std::int32_t Ypos() const override { return y; }
    std::int32_t Width() const override { return w; }
    std::int32_t Height() const override { return h; }
    void SetXpos(std::int32_t v) override { Note("X" + std::to_string(v)); }
    void SetYpos(std::int32_t v) override { Note("Y" + std::to_string(v)); }
    void SetWidth(std::int32_t v) override { Note("W" + std::to_string(v)); }
    void SetHeight(std::int32_t v) override { Note("H" + std::to_string(v)); }
    bool Maximized() const override { return maximized; }
    bool Minimized() const override { return minimized; }
    void SetMaximized(bool on) override { Note(on ? "maximize" : "unmaximize"); }
    void SetMinimized(bool on) override { Note(on ? "minimize" : "unminimize"); }

    void Note(const std::string& s) {
        if (!calls.empty()) calls += " ";
        calls += s;
    }
    WindowAttributes attributes;
    std::int32_t x = 0, y = 0, w = 0, h = 0;
    bool maximized = false;
    bool minimized = false;
    std::string calls;
};

class SettingsManagerTest : public ::testing::Test {
  protected:
    SettingsManagerTest() : ini(dir.Path()) {
        Services services;
        services.profile = &ini;
        previous = Install(services);
        settings.Init(".\\Tolvane.INI", SettingsManager::kIniFile);
    }
    ~SettingsManagerTest() override { Install(previous); }

    TempDir dir;
    IniFile ini;
    SettingsManager settings;
    Services previous;
};

TEST_F(SettingsManagerTest, ReadAndWriteKeepTheirLimits) {
    settings.WriteSetting("Main", "Text", "  leading stays, trailing goes   ");
    settings.WriteSetting("Main", "Number", -42LL);
    settings.WriteSetting("Main", "Long", std::string(1500, 'a'));
    settings.WriteSetting("Main", "Cut", std::string(1022, 'b') + "   c");
    EXPECT_EQ(dir.Read("Tolvane.INI"),
              "[Main]\r\nText=  leading stays, trailing goes\r\nNumber=-42\r\nLong=" +
                  std::string(1023, 'a') + "\r\nCut=" + std::string(1022, 'b') + "\r\n");
    // Reading goes through a 1024-byte buffer and keeps 999 characters.
    EXPECT_EQ(settings.ReadSetting("Main", "Long"), std::string(999, 'a'));
    EXPECT_EQ(settings.ReadSetting("Main", "Missing"), "");
    settings.RemoveSetting("Main", "Long");
    EXPECT_EQ(settings.ReadSetting("Main", "Long"), "");
}

TEST_F(SettingsManagerTest, NoFileReadsEmptyAndIsNotCreatedByReading) {
    EXPECT_EQ(settings.ReadSetting("Main", "Loc:ODBCPath"), "");
    RecordingWindow window;
    settings.RestoreWindowPosition("Main", window);
    EXPECT_EQ(window.calls, "");
    EXPECT_FALSE(dir.Exists("Tolvane.INI"));
}

struct SaveCase {
    bool maximized;
    bool minimized;
    bool resizable;
    const char* file;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << "maximized " << c.maximized << ", minimized " << c.minimized << ", resizable "
        << c.resizable;
}

class SaveWindowPosition : public SettingsManagerTest,
                           public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveWindowPosition, WritesTheWindowGroup) {
    const SaveCase& c = GetParam();
    // Keys from an earlier save that this one must remove.
    dir.Write("Tolvane.INI", "[Main]\r\nXPos=1\r\nYPos=2\r\nWidth=3\r\nHeight=4\r\n");
    RecordingWindow window;
    window.x = -300;
    window.y = 25;
    window.w = 363;
    window.h = 120;
    window.maximized = c.maximized;
    window.minimized = c.minimized;
    window.attributes.resize = c.resizable;
    settings.SaveWindowPosition("Main", window);
    EXPECT_EQ(dir.Read("Tolvane.INI"), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveWindowPosition,
    ::testing::Values(
        SaveCase{false, false, false,
                 "[Main]\r\nXPos=-300\r\nYPos=25\r\nMaximize=No\r\nMinimize=No\r\n"},
        SaveCase{false, false, true,
                 "[Main]\r\nXPos=-300\r\nYPos=25\r\nWidth=363\r\nHeight=120\r\nMaximize=No\r\n"
                 "Minimize=No\r\n"},
        SaveCase{true, false, true, "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n"},
        SaveCase{false, true, false, "[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n"}));

struct RestoreCase {
    const char* what;
    const char* file;
    bool maximized;  // the window's state before the restore
    bool resizable;
    const char* calls;
};

void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.what; }

class RestoreWindowPosition : public SettingsManagerTest,
                              public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreWindowPosition, AppliesTheWindowGroup) {
    const RestoreCase& c = GetParam();
    dir.Write("Tolvane.INI", c.file);
    RecordingWindow window;
    window.maximized = c.maximized;
    window.attributes.resize = c.resizable;
    settings.RestoreWindowPosition("Main", window);
    EXPECT_EQ(window.calls, c.calls) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RestoreWindowPosition,
    ::testing::Values(
        RestoreCase{"normal", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=-5\r\nYPos=7\r\n",
                    false, false, "X-5 Y7 unminimize"},
        RestoreCase{"no Maximize key", "[Main]\r\nXPos=5\r\nYPos=7\r\n", false, false, ""},
        RestoreCase{"Maximize in other case", "[Main]\r\nMaximize=no\r\nXPos=5\r\nYPos=7\r\n",
                    false, false, ""},
        RestoreCase{"Maximize empty", "[Main]\r\nMaximize=\r\nXPos=5\r\nYPos=7\r\n", false, false,
                    ""},
        RestoreCase{"saved normal, now maximized", "[Main]\r\nMaximize=No\r\nXPos=5\r\nYPos=7\r\n",
                    true, false, "unmaximize X5 Y7 unminimize"},
        RestoreCase{"saved maximized", "[Main]\r\nMaximize=Yes\r\nXPos=5\r\nYPos=7\r\n", false,
                    false, "X5 Y7 maximize unminimize"},
        RestoreCase{"saved maximized, already maximized", "[Main]\r\nMaximize=Yes\r\n", true, false,
                    "unminimize"},
        RestoreCase{"Minimize as a number", "[Main]\r\nMaximize=No\r\nMinimize=1\r\n", false, false,
                    "minimize"},
        RestoreCase{"Minimize=Yes is no number", "[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n", false,
                    false, "unminimize"},
        RestoreCase{"a half position is none", "[Main]\r\nMaximize=No\r\nXPos=5\r\n", false, false,
                    "unminimize"},
        RestoreCase{"empty or bad numbers count as 0",
                    "[Main]\r\nMaximize=No\r\nXPos=\r\nYPos=abc\r\n", false, false,
                    "X0 Y0 unminimize"},
        RestoreCase{"a size on a fixed window is ignored",
                    "[Main]\r\nMaximize=No\r\nXPos=1\r\nYPos=2\r\nWidth=50\r\nHeight=60\r\n", false,
                    false, "X1 Y2 unminimize"},
        RestoreCase{"a size on a resizable window",
                    "[Main]\r\nMaximize=No\r\nXPos=1\r\nYPos=2\r\nWidth=50\r\n", false, true,
                    "X1 Y2 W50 unminimize"}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) {
        return "Case" + std::to_string(info.index);
    });

// A store that, in the middle of a read, asks whether another thread could
// take the manager's lock.
class ProbingStore : public IniFile {
  public:
    using IniFile::IniFile;
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           std::size_t bufferSize) override {
        std::thread other([this] {
            if (lock->try_lock()) {
                takenElsewhere = true;
                lock->unlock();
            }
        });
        other.join();
        ++reads;
        return IniFile::ReadString(file, section, key, fallback, bufferSize);
    }
    std::recursive_mutex* lock = nullptr;
    std::atomic<bool> takenElsewhere{false};
    int reads = 0;
};

TEST_F(SettingsManagerTest, EachOperationHoldsTheLockThroughout) {
    ProbingStore store(dir.Path());
    store.lock = &settings.CRITSECT;
    Current().profile = &store;
    dir.Write("Tolvane.INI", "[Main]\r\nMaximize=No\r\nXPos=1\r\nYPos=2\r\n");
    RecordingWindow window;
    settings.RestoreWindowPosition("Main", window);
    settings.ReadSetting("Main", "Loc:ODBCPath");
    EXPECT_EQ(store.reads, 7);
    EXPECT_FALSE(store.takenElsewhere);
}

}  // namespace
}  // namespace tolvane
