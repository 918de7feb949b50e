// Finding top-level windows and reporting the current window, through the
// shell object's operation table, against windows laid out in the sim.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/KWShellClass.h"
#include "tests/foundation/SimServices.h"
#include "tests/window/FakeWindow.h"

namespace tolvane {
namespace {

struct Layout {
    Handle handle;
    std::string title;
    std::uint32_t processId;
};

class WindowReport : public ::testing::Test {
  protected:
    WindowReport() {
        Current().currentWindow = &window;
        auto& ws = sim.windows;
        // Enumeration order differs from handle order on purpose.
        for (const Layout& l : std::vector<Layout>{{0x101, "Tolvane - TopSpeed ODBC", 100},
                                                   {0x104, "Notes", 201},
                                                   {0x102, " Report  ", 200},
                                                   {0x103, "", 300}}) {
            sim::SimWindow& w = ws.AddWindow(l.handle, Rect{0, 0, 100, 100}, l.title);
            w.processId = l.processId;
        }
        ws.SetProcess(100, "C:\\Program Files\\Tolvane\\Tolvane.exe");
        ws.SetProcess(201, "D:\\Tools\\NOTEPAD.EXE");
        ws.SetProcess(200, "C:\\Windows\\notepad.exe");
        ws.SetProcess(300, "C:\\Secret\\Guard.exe", false);  // cannot be opened
    }
    testing::SimServices sim;
    test::FakeWindow window;
};

struct FindCase {
    std::string search;
    Flag byTitle;
    Flag exactMatch;
    std::int32_t want;
};

TEST_F(WindowReport, FindTopWindow) {
    const std::vector<FindCase> cases = {
        // By title.
        {"topSPEED odbc", 1, 0, 0x101},                 // a part, any case
        {"tolvane - topspeed odbc   ", 1, 1, 0x101},    // whole, trailing spaces
        {" report", 1, 1, 0x102},                       // the leading space counts...
        {"report", 1, 1, 0},                            // ...both ways
        {"REPORT", 1, 0, 0x102},                        // contained
        {"Tolvane - TopSpeed ODBC and more", 1, 0, 0},  // longer than any title
        {"o", 1, 0, 0x101},                             // several: the first reported
        {"", 1, 0, 0},                                  // empty never contained
        {"", 1, 1, 0x103},                              // the first empty title
        // By program file.
        {"E:\\Elsewhere\\Notepad.exe", 0, 1, 0x104},     // a path: its file name
        {"E:\\Elsewhere\\Notepad.exe   ", 0, 0, 0x104},  // wherever the file lies
        {"notepad.exe", 0, 1, 0x104},                    // bare: compared whole
        {"notepad", 0, 1, 0},                            //
        {"notepad", 0, 0, 0x104},                        // contained
        {"tolvane.exe", 0, 1, 0x101},                    //
        {"", 0, 0, 0},                                   //
        {"", 0, 1, 0x103},                               // the first unknown program
        {"guard.exe", 0, 1, 0},                          // its process cannot be opened
        {"C:\\Secret\\Guard.exe", 0, 0, 0},              //
    };
    KWShellClass shell;
    for (const FindCase& c : cases) {
        EXPECT_EQ(shell.FindTopWindow(c.search, c.byTitle, c.exactMatch), c.want)
            << '"' << c.search << "\" byTitle " << int(c.byTitle) << " exact " << int(c.exactMatch);
    }
}

TEST_F(WindowReport, RecordsHoldWhatTheSystemTells) {
    sim::SimWindow& w = *sim.windows.Find(0x101);
    w.style = static_cast<std::int32_t>(0x94CA0000u);
    w.exStyle = 0x10100;
    w.id = 7;
    w.className = "#32770";
    sim::SimWindow& longOne = sim.windows.AddWindow(0x105, Rect{}, std::string(2000, 't'));
    longOne.processId = 400;
    longOne.classReadable = false;
    sim.windows.SetProcess(400, "C:\\" + std::string(3000, 'p') + "\\Long.exe");

    KWShellClass shell;
    ASSERT_EQ(shell.GetTopWindows(), 5);
    const std::vector<TWindowRecord>& r = *shell.TOPWINDOWS;
    EXPECT_EQ(r[0].CWHWND, 0x101);
    EXPECT_EQ(r[0].STYLE, static_cast<std::int32_t>(0x94CA0000u));
    EXPECT_EQ(r[0].EXSTYLE, 0x10100);
    EXPECT_EQ(r[0].TEXT, "Tolvane - TopSpeed ODBC");
    EXPECT_EQ(r[0].UPPERTEXT, "TOLVANE - TOPSPEED ODBC");
    EXPECT_EQ(r[0].MODULENAME, "C:\\Program Files\\Tolvane\\Tolvane.exe");
    EXPECT_EQ(r[0].MODULEEXENAME, "TOLVANE.EXE");
    EXPECT_EQ(r[0].PROCESSID, 100);
    EXPECT_EQ(r[0].CLASSNAME, "#32770");
    EXPECT_EQ(r[0].ID, 7);
    EXPECT_EQ(r[0].PARENTWINDOW, 0);
    EXPECT_EQ(r[0].ISRUNTIMEWINDOW, 0);
    // A process that cannot be opened: no program, the record all the same.
    EXPECT_EQ(r[3].CWHWND, 0x103);
    EXPECT_EQ(r[3].MODULENAME, "");
    EXPECT_EQ(r[3].MODULEEXENAME, "");
    EXPECT_EQ(r[3].PROCESSID, 300);
    // Texts through their buffers and capacities.
    EXPECT_EQ(r[4].TEXT.Value(), std::string(1024, 't'));
    EXPECT_EQ(r[4].MODULENAME.Value().size(), 1024u);
    EXPECT_EQ(r[4].CLASSNAME, "");
    EXPECT_EQ(shell.GetWindowModuleName(0x105).size(), 2048u);
    EXPECT_EQ(shell.GetWindowProcessID(0x105), 400);
    EXPECT_EQ(shell.GetWindowProcessID(0x999), 0);
    EXPECT_EQ(shell.GetWindowModuleName(0x999), "");
    // Every process opened was closed again.
    EXPECT_EQ(sim.windows.processesOpened, sim.windows.processesClosed);
}

TEST_F(WindowReport, TwoRunsGiveTheSameRecords) {
    KWShellClass shell;
    const std::size_t factsBefore = sim.system.moduleBufferSizes.size();
    EXPECT_EQ(shell.GetTopWindows(), 4);
    // A base object constructed for each window gathers the facts anew.
    EXPECT_EQ(sim.system.moduleBufferSizes.size(), factsBefore + 4);
    std::vector<std::int32_t> first;
    for (const TWindowRecord& r : *shell.TOPWINDOWS) first.push_back(r.CWHWND);
    EXPECT_EQ(shell.GetTopWindows(), 4);
    std::vector<std::int32_t> second;
    for (const TWindowRecord& r : *shell.TOPWINDOWS) second.push_back(r.CWHWND);
    EXPECT_EQ(first, (std::vector<std::int32_t>{0x101, 0x104, 0x102, 0x103}));
    EXPECT_EQ(second, first);
    // The other lists are not touched.
    EXPECT_TRUE(shell.CHILDWINDOWS->empty());
    EXPECT_TRUE(shell.MODULEWINDOWS->empty());
}

TEST_F(WindowReport, WithoutPsapiNoProgramIsKnown) {
    sim.windows.getModuleFileNameEx = Lookup::NoLibrary;
    KWShellClass shell;
    EXPECT_EQ(shell.GetTopWindows(), 4);
    for (const TWindowRecord& r : *shell.TOPWINDOWS) EXPECT_EQ(r.MODULENAME, "");
    EXPECT_EQ(shell.FindTopWindow("tolvane.exe", 0, 1), 0);
    EXPECT_EQ(shell.FindTopWindow("", 0, 1), 0x101);
    sim.windows.getModuleFileNameEx = Lookup::NoFunction;
    EXPECT_EQ(shell.GetWindowModuleName(0x101), "");
}

std::vector<std::string> Report(const std::string& caller, const std::string& dialog,
                                const std::string& pixels) {
    const std::string rule(80, '-');
    std::vector<std::string> lines = {"", rule, "Window Information from " + caller,
                                      " Position Information, Dialog units:"};
    auto add = [&lines](const std::string& values) {
        std::vector<std::string> v;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= values.size(); ++i) {
            if (i == values.size() || values[i] == ' ') {
                v.push_back(values.substr(start, i - start));
                start = i + 1;
            }
        }
        lines.push_back("   X Position:        " + v[0]);
        lines.push_back("   Y Position:        " + v[1]);
        lines.push_back("   Width:             " + v[2]);
        lines.push_back("   Height:            " + v[3]);
    };
    add(dialog);
    lines.push_back(" Position Information, Pixels:");
    add(pixels);
    lines.push_back(rule);
    return lines;
}

TEST_F(WindowReport, DebugWindowInfoLines) {
    window.x = 201;  // pixels; dialog units are half of them
    window.y = -31;
    window.width = 640;
    window.height = 480;
    KWShellClass shell;
    sim.system.debugLines.clear();
    shell.DebugWindowInfo("PrepareWindow   ");
    EXPECT_EQ(sim.system.debugLines, Report("PrepareWindow", "100 -15 320 240", "201 -31 640 480"));
    EXPECT_EQ(window.pixelModes, (std::vector<bool>{true, false}));
    EXPECT_FALSE(window.pixels);
}

TEST_F(WindowReport, DebugWindowInfoFromPixelModeEndsOutOfIt) {
    window.x = 8;
    window.y = 6;
    window.width = 4;
    window.height = 2;
    window.pixels = true;
    KWShellClass shell;
    sim.system.debugLines.clear();
    shell.DebugWindowInfo("x");
    EXPECT_EQ(sim.system.debugLines, Report("x", "8 6 4 2", "8 6 4 2"));
    EXPECT_FALSE(window.pixels);
}

TEST_F(WindowReport, DebugWindowInfoAboveLevelZeroStillSwitchesPixels) {
    KWShellClass shell;
    shell.DEBUGLEVEL = 1;
    sim.system.debugLines.clear();
    shell.DebugWindowInfo("Main");
    EXPECT_TRUE(sim.system.debugLines.empty());
    EXPECT_EQ(window.pixelModes, (std::vector<bool>{true, false}));
}

// A derived class that takes over DebugOutput receives every line.
class Collecting : public KWShellClass {
  public:
    void DebugOutput(const std::string& text, std::int16_t level) override {
        lines.push_back(text);
        levels.push_back(level);
    }
    std::vector<std::string> lines;
    std::vector<std::int16_t> levels;
};

TEST_F(WindowReport, DebugWindowInfoGoesThroughTheOperationTable) {
    Collecting shell;
    KWShellClass& base = shell;
    base.DebugWindowInfo("Caller  ");
    ASSERT_EQ(shell.lines.size(), 14u);
    EXPECT_EQ(shell.lines[2], "Window Information from Caller  ");  // trimmed by DebugOutput
    EXPECT_EQ(shell.levels, std::vector<std::int16_t>(14, 0));
}

}  // namespace
}  // namespace tolvane
