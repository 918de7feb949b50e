#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/MainController.h"
#include "app/Program.h"
#include "platform/ErrorManager.h"
#include "platform/SettingsManager.h"
#include "tests/app/AppFixture.h"
#include "window/KWWindowPlacementClass.h"

namespace tolvane {
namespace {

using ControllerTest = testing::AppFixture;

// Where the sim puts the main window when nothing moves it: 641 x 207
// pixels (363 x 95 dialog units at base units 7 and 15, plus the frame),
// centred in the 1024 x 768 work area.
const Rect kCentred{191, 280, 832, 487};

const char kSaved[] =
    "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=20\r\nYPos=30\r\n"
    "Loc:ODBCPath=C:\\Drivers\\c4otSDX.dll\r\nLoc:DriverName=Mine\r\nLoc:RunODBCAdmin=0\r\n";

sim::SimFileAnswer Answer(bool cancelled, const std::string& path, const std::string& browseTo) {
    sim::SimFileAnswer answer;
    answer.result.cancelled = cancelled;
    answer.result.path = path;
    answer.browseTo = browseTo;
    return answer;
}

Rect WindowRect(sim::SimWindowSystem& windows, Handle handle) {
    Rect r;
    windows.WindowRect(handle, r);
    return r;
}

TEST_F(ControllerTest, RunsItsStepsInOrder) {
    dir.Write("Tolvane.INI", kSaved);
    sim::SimDialogWindow& w = dialogs.mainWindow;
    std::string procedure;
    w.Then([&] { procedure = Current().errors->ProcedureName(); }).Press(5).Press(9).Press(4);

    RunProgram();

    EXPECT_EQ(procedure, "Main");
    const std::string key = "RegWrite SOFTWARE\\ODBC\\ODBCINST.INI\\Mine ";
    EXPECT_EQ(Steps({"CreateMainWindow", "Window ", "Read ", "Write ", "Delete ", "MoveWindow",
                     "EnumDisplayMonitors", "Message", "ShellExecuteExA", "RegWrite"}),
              (std::vector<std::string>{
                  "CreateMainWindow",
                  "Window Open",
                  "Window SetFocus 1",
                  "Read Maximize",
                  "Read Minimize",
                  "Read XPos",
                  "Read YPos",
                  "Read Width",
                  "Read Height",
                  "MoveWindow 35,280,641,207",
                  "MoveWindow 35,56,641,207",
                  "Read Loc:ODBCPath",
                  "Read Loc:DriverName",
                  "Read Loc:RunODBCAdmin",
                  "EnumDisplayMonitors",
                  "Window RunEventLoop",
                  "Window Press 5",
                  key + "Driver",
                  key + "Setup",
                  key + "APILevel",
                  key + "ConnectFunctions",
                  key + "FileExtns",
                  key + "UsageCount",
                  "RegWrite SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers Mine",
                  "Message ",
                  "Window Press 9",
                  "ShellExecuteExA open C:\\windows\\syswow64\\odbcad32.exe",
                  "Window Press 4",
                  "Window Close",
                  "Write Maximize=No",
                  "Write Minimize=No",
                  "Write XPos=20",
                  "Write YPos=30",
                  "Delete Width",
                  "Delete Height",
                  "Write Loc:ODBCPath=C:\\Drivers\\c4otSDX.dll",
                  "Write Loc:DriverName=Mine",
                  "Write Loc:RunODBCAdmin=0",
                  "Window Destroy",
              }));
    for (const std::string& f : ini.files) EXPECT_EQ(f, ".\\Tolvane.INI");
    // The program's services lived for its run only.
    EXPECT_EQ(Current().errors, nullptr);
    EXPECT_EQ(Current().settings, nullptr);
    EXPECT_EQ(Current().currentWindow, nullptr);
    EXPECT_EQ(dialogs.mainWindowsReleased, 1);
}

TEST_F(ControllerTest, AFirstRunWritesTheFileAndTheNextShowsIt) {
    sim::SimDialogWindow& w = dialogs.mainWindow;
    w.Then([&] {
         EXPECT_EQ(w.ControlText(2), "");
         EXPECT_EQ(w.ControlText(7), "TopSpeed ODBC Driver");
         EXPECT_FALSE(w.IsChecked(8));
         EXPECT_EQ(w.Focus(), 2);
         EXPECT_EQ(WindowRect(windows, w.handle), kCentred);
     })
        .Type(2, "C:\\Drivers\\c4otSDX.dll  ")
        .Press(4);
    RunProgram();
    const std::string expected =
        "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=109\r\nYPos=149\r\n"
        "Loc:ODBCPath=C:\\Drivers\\c4otSDX.dll\r\nLoc:DriverName=TopSpeed ODBC Driver\r\n"
        "Loc:RunODBCAdmin=0\r\n";
    EXPECT_EQ(dir.Read("Tolvane.INI"), expected);

    w.Then([&] {
         EXPECT_EQ(w.ControlText(2), "C:\\Drivers\\c4otSDX.dll");
         EXPECT_EQ(w.ControlText(7), "TopSpeed ODBC Driver");
         // 109 and 149 dialog units are 191 and 279 pixels.
         Rect r = WindowRect(windows, w.handle);
         EXPECT_EQ(r.left, 191);
         EXPECT_EQ(r.top, 279);
     }).Press(4);
    RunProgram();
    EXPECT_EQ(dir.Read("Tolvane.INI"), expected);
}

TEST_F(ControllerTest, CancelRightAfterStartSavesWhatWasRead) {
    dir.Write("Tolvane.INI", kSaved);
    dialogs.mainWindow.Press(4);
    RunProgram();
    EXPECT_EQ(dir.Read("Tolvane.INI"), kSaved);
}

TEST_F(ControllerTest, BrowseShowsTheChosenFileAndKeepsTheDirectory) {
    sim::SimDialogWindow& w = dialogs.mainWindow;
    dialogs.fileAnswers.push_back(Answer(false, "C:\\Drivers\\c4otRDX.dll", "C:\\Drivers"));
    w.Press(3)
        .Then([&] {
            EXPECT_EQ(w.ControlText(2), "C:\\Drivers\\c4otRDX.dll");
            EXPECT_EQ(files.CurrentDirectory(), "C:\\Work");
        })
        .Press(4);
    RunProgram();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    const FileDialogSettings& s = dialogs.fileDialogs[0];
    EXPECT_EQ(s.title, "Select Topspeed ODBC driver");
    EXPECT_EQ(s.mask, "ZIV ADEZ Driver|c4otSDX.dll|ZIV ADEZ Driver (Read Only)|c4otRDX.dll");
    EXPECT_EQ(s.flags, 0x00081804u);  // explorer, hide read-only, file and path must exist
    EXPECT_EQ(s.defaultDirectory, "");
    EXPECT_EQ(s.defaultFile, "");
    EXPECT_NE(dir.Read("Tolvane.INI").find("\r\nLoc:ODBCPath=C:\\Drivers\\c4otRDX.dll\r\n"),
              std::string::npos);
}

TEST_F(ControllerTest, ACancelledBrowseEmptiesThePath) {
    sim::SimDialogWindow& w = dialogs.mainWindow;
    dialogs.fileAnswers.push_back(Answer(true, "", "C:\\Drivers"));
    w.Type(2, "C:\\Drivers\\c4otSDX.dll")
        .Then([&] { w.displays.clear(); })
        .Press(3)
        .Then([&] {
            EXPECT_EQ(w.ControlText(2), "");
            EXPECT_GE(w.displays[2], 1);  // the display was refreshed
            EXPECT_EQ(files.CurrentDirectory(), "C:\\Work");
        })
        .Press(4);
    RunProgram();
    EXPECT_NE(dir.Read("Tolvane.INI").find("\r\nLoc:ODBCPath=\r\n"), std::string::npos);
}

TEST_F(ControllerTest, AClearedNameIsSavedEmptyAndComesBackAsTheDefault) {
    dir.Write("Tolvane.INI", kSaved);
    sim::SimDialogWindow& w = dialogs.mainWindow;
    w.Type(7, "").Press(4);
    RunProgram();
    EXPECT_NE(dir.Read("Tolvane.INI").find("\r\nLoc:DriverName=\r\n"), std::string::npos);
    w.Then([&] { EXPECT_EQ(w.ControlText(7), "TopSpeed ODBC Driver"); }).Press(4);
    RunProgram();
    EXPECT_NE(dir.Read("Tolvane.INI").find("\r\nLoc:DriverName=TopSpeed ODBC Driver\r\n"),
              std::string::npos);
}

TEST_F(ControllerTest, ASizeWrittenByHandIsNotAppliedAndGoesAtTheNextSave) {
    dir.Write("Tolvane.INI",
              "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=20\r\nYPos=30\r\nWidth=500\r\n"
              "Height=300\r\n");
    sim::SimDialogWindow& w = dialogs.mainWindow;
    w.Then([&] {
         Rect r = WindowRect(windows, w.handle);
         EXPECT_EQ(r.right - r.left, 641);
         EXPECT_EQ(r.bottom - r.top, 207);
     }).Press(4);
    RunProgram();
    std::string after = dir.Read("Tolvane.INI");
    EXPECT_EQ(after.find("Width"), std::string::npos);
    EXPECT_EQ(after.find("Height"), std::string::npos);
}

TEST_F(ControllerTest, AWindowThatCannotOpenLosesNoSavedValue) {
    const char saved[] =
        "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=20\r\nYPos=30\r\n"
        "Loc:ODBCPath=C:\\Drivers\\c4otSDX.dll\r\nLoc:DriverName=Mine\r\nLoc:RunODBCAdmin=1\r\n";
    dir.Write("Tolvane.INI", saved);
    dialogs.mainWindow.openFails = true;
    RunProgram();
    EXPECT_EQ(dialogs.mainWindow.loops, 0);
    EXPECT_EQ(dir.Read("Tolvane.INI"), saved);
}

TEST_F(ControllerTest, FinishWindowDoesItsWorkOnce) {
    ErrorStatus status;
    ErrorManager errors;
    errors.Init(status);
    SettingsManager settings;
    settings.Init(".\\Tolvane.INI", SettingsManager::kIniFile);
    Current().errors = &errors;
    Current().settings = &settings;
    {
        LocFields Loc;
        KWWindowPlacementClass placement;
        FormWindow window(dialogs.CreateMainWindow());
        FileLookup lookup;
        MainController controller(window, Loc, placement, lookup);
        dialogs.mainWindow.Press(4);
        controller.Run();
        ASSERT_TRUE(dir.Exists("Tolvane.INI"));
        std::filesystem::remove(dir.File("Tolvane.INI"));
        EXPECT_EQ(controller.FinishWindow(), Level::Notify);
        EXPECT_FALSE(dir.Exists("Tolvane.INI"));
        EXPECT_EQ(errors.ProcedureName(), "");
    }
    Current().errors = nullptr;
    Current().settings = nullptr;
}

struct RestoreCase {
    const char* what;
    const char* file;  // nullptr: no file
    std::int32_t left;
    std::int32_t top;
    const char* path;
    const char* name;
    bool ticked;
};

void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.what; }

class RestoreRules : public testing::AppFixture,
                     public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreRules, OpenTheWindowAsSaved) {
    const RestoreCase& c = GetParam();
    if (c.file != nullptr) dir.Write("Tolvane.INI", c.file);
    sim::SimDialogWindow& w = dialogs.mainWindow;
    Rect shown;
    w.Then([&] { shown = WindowRect(windows, w.handle); }).Press(4);
    RunProgram();
    EXPECT_EQ(shown.left, c.left) << c.what;
    EXPECT_EQ(shown.top, c.top) << c.what;
    EXPECT_EQ(shown.right - shown.left, 641) << c.what;
    EXPECT_EQ(w.ControlText(2), c.path) << c.what;
    EXPECT_EQ(w.ControlText(7), c.name) << c.what;
    EXPECT_EQ(w.IsChecked(8), c.ticked) << c.what;
}

const std::string kLongName(120, 'n');
const std::string kLongFile = "[Main]\r\nLoc:DriverName=" + kLongName + "\r\n";
const std::string kCutName(100, 'n');

INSTANTIATE_TEST_SUITE_P(
    Table, RestoreRules,
    ::testing::Values(
        RestoreCase{"no file", nullptr, 191, 280, "", "TopSpeed ODBC Driver", false},
        RestoreCase{"a saved position", "[Main]\r\nMaximize=No\r\nXPos=20\r\nYPos=30\r\n", 35, 56,
                    "", "TopSpeed ODBC Driver", false},
        RestoreCase{"on the monitor left of the primary one",
                    "[Main]\r\nMaximize=No\r\nXPos=-500\r\nYPos=100\r\n", -875, 188, "",
                    "TopSpeed ODBC Driver", false},
        RestoreCase{"no Maximize: the position is ignored", "[Main]\r\nXPos=20\r\nYPos=30\r\n", 191,
                    280, "", "TopSpeed ODBC Driver", false},
        RestoreCase{"Maximize spelled otherwise", "[Main]\r\nMaximize=no\r\nXPos=20\r\nYPos=30\r\n",
                    191, 280, "", "TopSpeed ODBC Driver", false},
        RestoreCase{"Maximize without YPos", "[Main]\r\nMaximize=No\r\nXPos=20\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", false},
        RestoreCase{"a saved path, its trailing spaces gone",
                    "[Main]\r\nLoc:ODBCPath=C:\\Drivers\\c4otRDX.dll   \r\n", 191, 280,
                    "C:\\Drivers\\c4otRDX.dll", "TopSpeed ODBC Driver", false},
        RestoreCase{"an empty name", "[Main]\r\nLoc:DriverName=\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", false},
        RestoreCase{"a name longer than 100", kLongFile.c_str(), 191, 280, "", kCutName.c_str(),
                    false},
        RestoreCase{"box 1", "[Main]\r\nLoc:RunODBCAdmin=1\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", true},
        RestoreCase{"box 0", "[Main]\r\nLoc:RunODBCAdmin=0\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", false},
        RestoreCase{"box Yes", "[Main]\r\nLoc:RunODBCAdmin=Yes\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", false},
        RestoreCase{"box 2", "[Main]\r\nLoc:RunODBCAdmin=2\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", true},
        RestoreCase{"box 256 kept in 8 bits", "[Main]\r\nLoc:RunODBCAdmin=256\r\n", 191, 280, "",
                    "TopSpeed ODBC Driver", false}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST_F(ControllerTest, AnOddTickIsSavedBackAsOne) {
    dir.Write("Tolvane.INI", "[Main]\r\nLoc:RunODBCAdmin=2\r\n");
    dialogs.mainWindow.Press(4);
    RunProgram();
    EXPECT_NE(dir.Read("Tolvane.INI").find("\r\nLoc:RunODBCAdmin=1\r\n"), std::string::npos);
}

TEST_F(ControllerTest, AWindowSavedOffScreenIsBroughtBackAfterTheFormIsRead) {
    dir.Write("Tolvane.INI", "[Main]\r\nMaximize=No\r\nXPos=5000\r\nYPos=5000\r\n");
    sim::SimDialogWindow& w = dialogs.mainWindow;
    Rect shown;
    w.Then([&] { shown = WindowRect(windows, w.handle); }).Press(4);
    RunProgram();
    const Rect work{0, 0, 1024, 768};
    EXPECT_GE(shown.left, work.left);
    EXPECT_GE(shown.top, work.top);
    EXPECT_LE(shown.right, work.right);
    EXPECT_LE(shown.bottom, work.bottom);
    std::vector<std::string> steps = Steps({"Read Loc:RunODBCAdmin", "MoveWindow"});
    ASSERT_GE(steps.size(), 4u);
    // Two moves of the restore, then the form, then the placement's move.
    EXPECT_EQ(steps[2], "Read Loc:RunODBCAdmin");
    EXPECT_EQ(steps[3].compare(0, 10, "MoveWindow"), 0);
}

}  // namespace
}  // namespace tolvane
