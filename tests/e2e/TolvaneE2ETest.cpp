// Tolvane.exe driven the way a user drives it: started under Wine in a fresh
// working folder, found by its caption, typed into, pressed, its message
// boxes read and closed; the results checked in the registry and the INI file.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/TolvaneSession.h"

namespace {

using namespace tolvane::testing;

// The driver's six values and its "ODBC Drivers" entry, in the 32-bit view.
void ExpectRegistered(const std::string& name, const std::string& dll) {
    SCOPED_TRACE(name);
    const std::string key = kDriverKey + name;
    struct Row {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
    };
    const Row rows[] = {
        {"Driver", REG_SZ, Sz(dll)},        {"Setup", REG_SZ, Sz(dll)},
        {"APILevel", REG_SZ, Sz("1")},      {"ConnectFunctions", REG_SZ, Sz("YYN")},
        {"FileExtns", REG_SZ, Sz("*.tps")}, {"UsageCount", REG_DWORD, {1, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RawValue v = ReadRaw(key, row.name);
        ASSERT_TRUE(v.found);
        EXPECT_EQ(v.type, row.type);
        EXPECT_EQ(v.data, row.data);
    }
    RawValue listed = ReadRaw(kDrivers, name);
    ASSERT_TRUE(listed.found);
    EXPECT_EQ(listed.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(listed.data, Sz("Installed"));
    if (Is64BitWindows()) {
        // The 32-bit view of 64-bit Windows is Wow6432Node; the 64-bit view stays empty.
        EXPECT_TRUE(
            ReadRaw("SOFTWARE\\Wow6432Node\\ODBC\\ODBCINST.INI\\" + name, "Driver", KEY_WOW64_64KEY)
                .found);
        EXPECT_FALSE(ReadRaw(key, "Driver", KEY_WOW64_64KEY).found);
    }
}

// The settings file as Tolvane writes it, with the window position it reported.
std::string Settings(const std::string& xy, const std::string& path, const std::string& name,
                     const char* runAdmin) {
    return "[Main]\r\nMaximize=No\r\nMinimize=No\r\n" + xy + "Loc:ODBCPath=" + path +
           "\r\nLoc:DriverName=" + name + "\r\nLoc:RunODBCAdmin=" + runAdmin + "\r\n";
}

// The "XPos=..\r\nYPos=..\r\n" lines of a settings file.
std::string PositionLines(const std::string& ini) {
    std::size_t x = ini.find("XPos=");
    std::size_t end = ini.find("Loc:ODBCPath=");
    return x == std::string::npos || end == std::string::npos ? "" : ini.substr(x, end - x);
}

TEST(Tolvane, FirstStartShowsTheDefaultsAndCancelSavesThem) {
    WorkFolder folder;
    TolvaneSession app(folder);
    ASSERT_EQ(app.Error(), 0u) << "CreateProcess failed";
    ASSERT_NE(app.Window(), nullptr) << "no window \"" << kCaption << "\"";

    EXPECT_EQ(app.Text(kPath), "");
    EXPECT_EQ(app.Text(kName), "TopSpeed ODBC Driver");
    EXPECT_FALSE(app.Checked(kRunAdminBox));
    EXPECT_TRUE(app.FocusBecomes(kPath)) << "focus on " << app.Focus();
    // Centred in the work area.
    RECT r{};
    ::GetWindowRect(app.Window(), &r);
    const RECT work = WorkArea();
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);

    ASSERT_TRUE(app.Close());
    std::string ini = folder.Read("Tolvane.INI");
    std::string xy = PositionLines(ini);
    int x = 0;
    int y = 0;
    ASSERT_EQ(std::sscanf(xy.c_str(), "XPos=%d\r\nYPos=%d\r\n", &x, &y), 2) << ini;
    EXPECT_EQ(xy, "XPos=" + std::to_string(x) + "\r\nYPos=" + std::to_string(y) + "\r\n");
    EXPECT_GT(x, 0);
    EXPECT_GT(y, 0);
    EXPECT_EQ(ini, Settings(xy, "", "TopSpeed ODBC Driver", "0"));
}

TEST(Tolvane, EachFaultInTheFormHasItsMessageAndFocus) {
    WorkFolder folder;
    ::CreateDirectoryA(folder.File("drivers").c_str(), nullptr);
    struct Case {
        const char* name;
        std::string path;
        const char* caption;
        const char* text;
        int focus;
    };
    const Case cases[] = {
        {"   ", folder.Make("c4otSDX.dll"), "ERROR:  No Driver Name Specified!",
         "You must specify a driver name", kName},
        {"E2E No Path", "   ", "ERROR:  No ODBC Driver Path Specified!",
         "You must specify path to the ODBC driver DLL", kPath},
        {"E2E Missing", folder.File("missing.dll"), "ERROR:  No ODBC Driver file!",
         "The ODBC Driver DLL file does not exist", kName},
        // A folder is no driver DLL.
        {"E2E Folder", folder.File("drivers"), "ERROR:  No ODBC Driver file!",
         "The ODBC Driver DLL file does not exist", kName},
    };
    TolvaneSession app(folder);
    ASSERT_NE(app.Window(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + std::string(" / \"") + c.name + "\"");
        Unregister(c.name);
        app.Type(kName, c.name);
        app.Type(kPath, c.path);
        app.Press(kAddDriver);
        Box box;
        ASSERT_TRUE(app.AnswerBox(box)) << "no message box";
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.text, c.text);
        EXPECT_TRUE(box.icon) << "the error icon";
        EXPECT_EQ(box.owner, app.Window());
        EXPECT_TRUE(app.FocusBecomes(c.focus)) << "focus on " << app.Focus();
        EXPECT_FALSE(ReadRaw(kDrivers, c.name).found) << "nothing registered";
        EXPECT_FALSE(ReadRaw(kDriverKey + c.name, "Driver").found);
    }
    ASSERT_TRUE(app.Close());
}

TEST(Tolvane, RegistersTheDriverAndTheNextStartShowsTheSavedForm) {
    WorkFolder folder;
    const std::string dll = folder.Make("c4otSDX.dll");
    Unregister("TopSpeed ODBC Driver");
    Unregister("E2E Second");
    std::string xy;
    {
        TolvaneSession app(folder);
        ASSERT_NE(app.Window(), nullptr);
        app.Type(kPath, dll);
        app.Press(kAddDriver);
        Box box;
        ASSERT_TRUE(app.AnswerBox(box)) << "no message box";
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.text, "TopSpeed ODBC driver has been installed!");
        EXPECT_FALSE(box.icon);
        EXPECT_TRUE(app.FocusBecomes(kAddDriver)) << "the focus stays, on " << app.Focus();
        ExpectRegistered("TopSpeed ODBC Driver", dll);

        // A second name, with trailing spaces that neither key nor entry keeps.
        app.Type(kName, "E2E Second  ");
        app.Press(kAddDriver);
        ASSERT_TRUE(app.AnswerBox(box));
        EXPECT_EQ(box.text, "TopSpeed ODBC driver has been installed!");
        ExpectRegistered("E2E Second", dll);
        ExpectRegistered("TopSpeed ODBC Driver", dll);

        app.Press(kRunAdminBox);
        ASSERT_TRUE(WaitFor([&] { return app.Checked(kRunAdminBox); }));
        ASSERT_TRUE(app.Close());
        std::string ini = folder.Read("Tolvane.INI");
        xy = PositionLines(ini);
        EXPECT_EQ(ini, Settings(xy, dll, "E2E Second", "1"));
    }
    RECT first{};
    {
        TolvaneSession app(folder);
        ASSERT_NE(app.Window(), nullptr);
        EXPECT_EQ(app.Text(kPath), dll);
        EXPECT_EQ(app.Text(kName), "E2E Second");
        EXPECT_TRUE(app.Checked(kRunAdminBox));
        ::GetWindowRect(app.Window(), &first);
        ASSERT_TRUE(app.Close());
        EXPECT_EQ(PositionLines(folder.Read("Tolvane.INI")), xy) << "the window does not creep";
    }
}

}  // namespace
