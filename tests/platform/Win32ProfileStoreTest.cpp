// The private-profile functions against the portable INI file: the same
// operations on the same file give the same bytes and the same reads. Wine's
// writer goes its own way in places: it writes the whole file anew in its
// own tidy form (no blank lines, CR LF everywhere, trimmed section headers)
// and drops a written value's leading spaces. The portable writer changes
// only the line concerned and leaves the rest byte for byte; each case where
// the two differ says what each side leaves.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "platform/win32/Win32ProfileStore.h"
#include "tests/platform/TempDir.h"

namespace tolvane {
namespace {

using testing::TempDir;

struct Op {
    enum Kind { Write, Delete, Read } kind;
    std::string section;
    std::string key;
    std::string value;  // written, or expected from a read
    std::size_t buffer = 1024;
};

struct Case {
    const char* what;
    const char* before;  // nullptr: no file
    std::vector<Op> ops;
    std::string after;  // both sides, when they agree
    // Where Wine's writer differs: what each side leaves instead.
    std::string wine = "";
    std::string portable = "";
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

std::string Escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Runs the operations on one side and gives back the file's bytes.
std::string Apply(ProfileStore& store, const TempDir& dir, const Case& c, const char* side) {
    SCOPED_TRACE(side);
    std::string file = dir.Path() + "\\t.ini";
    if (c.before != nullptr) dir.Write("t.ini", c.before);
    for (const Op& op : c.ops) {
        switch (op.kind) {
            case Op::Write:
                EXPECT_TRUE(store.WriteString(file, op.section, op.key, op.value));
                break;
            case Op::Delete:
                EXPECT_TRUE(store.DeleteKey(file, op.section, op.key));
                break;
            case Op::Read:
                EXPECT_EQ(store.ReadString(file, op.section, op.key, "(default)", op.buffer),
                          op.value)
                    << op.section << "/" << op.key;
                break;
        }
    }
    return dir.Exists("t.ini") ? dir.Read("t.ini") : "(no file)";
}

class ProfileConformance : public ::testing::TestWithParam<Case> {};

TEST_P(ProfileConformance, SameOperationsSameBytes) {
    const Case& c = GetParam();
    TempDir wineDir;
    TempDir portableDir;
    win32::Win32ProfileStore wine;
    IniFile portable;
    std::string byWine = Apply(wine, wineDir, c, "private-profile functions");
    std::string byPortable = Apply(portable, portableDir, c, "portable INI file");
    if (c.wine.empty()) {
        EXPECT_EQ(Escaped(byWine), Escaped(c.after));
        EXPECT_EQ(Escaped(byPortable), Escaped(c.after));
    } else {
        EXPECT_EQ(Escaped(byWine), Escaped(c.wine));
        EXPECT_EQ(Escaped(byPortable), Escaped(c.portable));
    }
}

const std::string kLong(1500, 'p');

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileConformance,
    ::testing::Values(
        Case{"first save of the program, from no file",
             nullptr,
             {{Op::Write, "Main", "Maximize", "No"},
              {Op::Write, "Main", "Minimize", "No"},
              {Op::Write, "Main", "XPos", "123"},
              {Op::Write, "Main", "YPos", "-45"},
              {Op::Delete, "Main", "Width", ""},
              {Op::Delete, "Main", "Height", ""},
              {Op::Write, "Main", "Loc:ODBCPath", ""},
              {Op::Write, "Main", "Loc:DriverName", "TopSpeed ODBC Driver"},
              {Op::Write, "Main", "Loc:RunODBCAdmin", "0"}},
             "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=123\r\nYPos=-45\r\nLoc:ODBCPath=\r\n"
             "Loc:DriverName=TopSpeed ODBC Driver\r\nLoc:RunODBCAdmin=0\r\n"},
        Case{"a later save replaces in place and removes a hand-written size",
             "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=1\r\nYPos=2\r\nWidth=300\r\n"
             "Height=90\r\nLoc:ODBCPath=C:\\a.dll\r\nLoc:DriverName=X\r\nLoc:RunODBCAdmin=1\r\n",
             {{Op::Write, "Main", "Maximize", "No"},
              {Op::Write, "Main", "Minimize", "No"},
              {Op::Write, "Main", "XPos", "10"},
              {Op::Write, "Main", "YPos", "20"},
              {Op::Delete, "Main", "Width", ""},
              {Op::Delete, "Main", "Height", ""},
              {Op::Write, "Main", "Loc:ODBCPath", "C:\\b\\c4otSDX.dll"},
              {Op::Write, "Main", "Loc:DriverName", "TopSpeed ODBC Driver"},
              {Op::Write, "Main", "Loc:RunODBCAdmin", "0"}},
             "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\n"
             "Loc:ODBCPath=C:\\b\\c4otSDX.dll\r\nLoc:DriverName=TopSpeed ODBC Driver\r\n"
             "Loc:RunODBCAdmin=0\r\n"},
        Case{"the program's reads",
             "[Main]\r\nMaximize=No\r\nLoc:DriverName=\r\nLoc:RunODBCAdmin=Yes\r\n",
             {{Op::Read, "Main", "Maximize", "No"},
              {Op::Read, "Main", "Minimize", "(default)"},
              {Op::Read, "Main", "Loc:DriverName", ""},
              {Op::Read, "Main", "Loc:RunODBCAdmin", "Yes"},
              {Op::Read, "Other", "Maximize", "(default)"}},
             "[Main]\r\nMaximize=No\r\nLoc:DriverName=\r\nLoc:RunODBCAdmin=Yes\r\n"},
        Case{"names in any case, spaces around keys and values, one pair of quotes",
             "[main]\r\n  loc:odbcpath  =  C:\\x.dll  \r\nq=\"quoted\"\r\ns='single'\r\n",
             {{Op::Read, "MAIN", "Loc:ODBCPath", "C:\\x.dll"},
              {Op::Read, "Main", "Q", "quoted"},
              {Op::Read, "Main", "s", "single"}},
             "[main]\r\n  loc:odbcpath  =  C:\\x.dll  \r\nq=\"quoted\"\r\ns='single'\r\n"},
        Case{"spaces around a section name: found, and Wine writes the header anew",
             "[ Main ]\r\nXPos=5\r\n",
             {{Op::Read, "Main", "XPos", "5"}, {Op::Write, "Main", "XPos", "6"}},
             "",
             "[Main]\r\nXPos=6\r\n",
             "[ Main ]\r\nXPos=6\r\n"},
        Case{"a long value comes through a 1024-byte buffer as 1023 characters",
             nullptr,
             {{Op::Write, "Main", "Loc:ODBCPath", kLong},
              {Op::Read, "Main", "Loc:ODBCPath", kLong.substr(0, 1023)}},
             "[Main]\r\nLoc:ODBCPath=" + kLong + "\r\n"},
        Case{"a new key goes to the end of its section, before the next one",
             "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
             {{Op::Write, "A", "z", "3"}},
             "",
             // Wine writes the file anew without its blank lines.
             "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n",
             "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        Case{"a key is deleted with its line",
             "[Main]\r\nXPos=1\r\nWidth=300\r\nYPos=2\r\n",
             {{Op::Delete, "Main", "Width", ""}, {Op::Delete, "Main", "Missing", ""}},
             "[Main]\r\nXPos=1\r\nYPos=2\r\n"},
        Case{"a value written with leading spaces",
             nullptr,
             {{Op::Write, "Main", "Loc:DriverName", "  Spaced Driver"}},
             "",
             // Wine drops them; both readers drop them again when reading.
             "[Main]\r\nLoc:DriverName=Spaced Driver\r\n",
             "[Main]\r\nLoc:DriverName=  Spaced Driver\r\n"},
        Case{"comments and blank lines around the section",
             "; settings\r\n\r\n[Main]\r\n; position\r\nXPos=1\r\n\r\n",
             {{Op::Write, "Main", "XPos", "2"}, {Op::Write, "Main", "YPos", "3"}},
             "",
             // Comments stay on both sides; Wine drops the blank lines.
             "; settings\r\n[Main]\r\n; position\r\nXPos=2\r\nYPos=3\r\n",
             "; settings\r\n\r\n[Main]\r\n; position\r\nXPos=2\r\nYPos=3\r\n\r\n"},
        Case{"a file with bare line feeds",
             "[Main]\nXPos=1\n",
             {{Op::Write, "Main", "XPos", "2"}, {Op::Write, "Main", "YPos", "3"}},
             "",
             // Wine ends every line it writes with CR LF; the portable
             // writer leaves the lines it does not touch as they were.
             "[Main]\r\nXPos=2\r\nYPos=3\r\n",
             "[Main]\nXPos=2\nYPos=3\r\n"},
        Case{"a file without a final line end",
             "[Main]\r\nXPos=1",
             {{Op::Write, "Main", "YPos", "2"}},
             "[Main]\r\nXPos=1\r\nYPos=2\r\n"},
        Case{"a key written with spaces around it in the file",
             "[Main]\r\n  XPos = 1 \r\n",
             {{Op::Write, "Main", "XPos", "2"}},
             "[Main]\r\nXPos=2\r\n"},
        Case{"no file: a read gives the default and a delete makes nothing",
             nullptr,
             {{Op::Read, "Main", "Maximize", "(default)"}, {Op::Delete, "Main", "Width", ""}},
             "(no file)"}));

TEST(Win32ProfileStore, ARelativeNameIsTheFileInTheWorkingFolder) {
    TempDir dir;
    char saved[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA(dir.Path().c_str()));
    win32::Win32ProfileStore store;
    bool written = store.WriteString(".\\Tolvane.INI", "Main", "Maximize", "No");
    std::string read = store.ReadString(".\\Tolvane.INI", "Main", "Maximize", "", 1024);
    ::SetCurrentDirectoryA(saved);
    EXPECT_TRUE(written);
    EXPECT_EQ(read, "No");
    EXPECT_EQ(dir.Read("Tolvane.INI"), "[Main]\r\nMaximize=No\r\n");
}

}  // namespace
}  // namespace tolvane
