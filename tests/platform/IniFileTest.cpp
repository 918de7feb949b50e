#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "tests/platform/TempDir.h"

namespace tolvane {
namespace {

using testing::TempDir;

struct Op {
    enum Kind { Write, Delete } kind;
    std::string section;
    std::string key;
    std::string value;
};

struct FormatCase {
    const char* what;
    const char* before;  // nullptr: no file
    std::vector<Op> ops;
    const char* after;  // nullptr: still no file
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.what; }

class IniFileFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(IniFileFormat, WritesTheBytesOfAPrivateProfileFile) {
    const FormatCase& c = GetParam();
    TempDir dir;
    if (c.before != nullptr) dir.Write("t.ini", c.before);
    IniFile ini(dir.Path());
    for (const Op& op : c.ops) {
        bool ok = op.kind == Op::Write ? ini.WriteString(".\\t.ini", op.section, op.key, op.value)
                                       : ini.DeleteKey(".\\t.ini", op.section, op.key);
        EXPECT_TRUE(ok);
    }
    if (c.after == nullptr) {
        EXPECT_FALSE(dir.Exists("t.ini"));
    } else {
        EXPECT_EQ(dir.Read("t.ini"), c.after);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniFileFormat,
    ::testing::Values(
        FormatCase{"a first write makes the file and its section",
                   nullptr,
                   {{Op::Write, "Main", "Maximize", "No"}, {Op::Write, "Main", "XPos", "-12"}},
                   "[Main]\r\nMaximize=No\r\nXPos=-12\r\n"},
        FormatCase{"a new key goes after the last key of its section, before a blank line",
                   "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
                   {{Op::Write, "A", "z", "3"}},
                   "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        FormatCase{"a new section goes at the end of the file",
                   "[A]\r\nx=1\r\n",
                   {{Op::Write, "B", "y", "2"}},
                   "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        FormatCase{"an existing key is replaced in place, the rest stays as it was",
                   "; kept\r\n[Main]\r\n  A = 1\r\nB = 2\r\n",
                   {{Op::Write, "Main", "A", "9"}},
                   "; kept\r\n[Main]\r\nA=9\r\nB = 2\r\n"},
        FormatCase{"names match in any case and keep the file's spelling",
                   "[main]\r\nXPOS=1\r\n",
                   {{Op::Write, "Main", "XPos", "2"}},
                   "[main]\r\nXPOS=2\r\n"},
        FormatCase{"writing the value a key holds leaves the file untouched",
                   "[A]\r\nx =  1\r\n",
                   {{Op::Write, "A", "x", "1"}},
                   "[A]\r\nx =  1\r\n"},
        FormatCase{"a last line without a line end gets one before the new key",
                   "[A]\r\nx=1",
                   {{Op::Write, "A", "y", "2"}},
                   "[A]\r\nx=1\r\ny=2\r\n"},
        FormatCase{"a write reaches the first of two same-named sections",
                   "[A]\r\nx=1\r\n[B]\r\n[a]\r\ny=2\r\n",
                   {{Op::Write, "A", "y", "3"}},
                   "[A]\r\nx=1\r\ny=3\r\n[B]\r\n[a]\r\ny=2\r\n"},
        FormatCase{"a value keeps its leading spaces",
                   nullptr,
                   {{Op::Write, "A", "p", "  C:\\x"}},
                   "[A]\r\np=  C:\\x\r\n"},
        FormatCase{"deleting a key removes its line",
                   "[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=3\r\n",
                   {{Op::Delete, "A", "x", ""}},
                   "[A]\r\ny=2\r\n[B]\r\nx=3\r\n"},
        FormatCase{"deleting a missing key changes nothing",
                   "[A]\r\nx=1\r\n",
                   {{Op::Delete, "A", "Width", ""}, {Op::Delete, "B", "x", ""}},
                   "[A]\r\nx=1\r\n"},
        FormatCase{"deleting from a missing file makes none",
                   nullptr,
                   {{Op::Delete, "Main", "Width", ""}},
                   nullptr}),
    [](const ::testing::TestParamInfo<FormatCase>& info) {
        return "Case" + std::to_string(info.index);
    });

struct ReadCase {
    const char* what;
    const char* content;  // nullptr: no file
    const char* section;
    const char* key;
    const char* fallback;
    std::size_t buffer;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class IniFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniFileRead, ReadsAsThePrivateProfileFunctionsDo) {
    const ReadCase& c = GetParam();
    TempDir dir;
    if (c.content != nullptr) dir.Write("t.ini", c.content);
    IniFile ini(dir.Path());
    EXPECT_EQ(ini.ReadString(".\\t.ini", c.section, c.key, c.fallback, c.buffer), c.expected)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniFileRead,
    ::testing::Values(
        ReadCase{"plain value", "[Main]\r\nKey=Value\r\n", "Main", "Key", "d", 1024, "Value"},
        ReadCase{"names in any case", "[Main]\r\nKey=Value\r\n", "MAIN", "kEY", "d", 1024, "Value"},
        ReadCase{"spaces around names and values", "[Main]\r\n  Key \t=  two words  \r\n", "Main",
                 " Key ", "d", 1024, "two words"},
        ReadCase{"line feeds only", "[Main]\nKey=Value\n", "Main", "Key", "d", 1024, "Value"},
        ReadCase{"double quotes", "[M]\r\nk=\" quoted \"\r\n", "M", "k", "d", 1024, " quoted "},
        ReadCase{"single quotes", "[M]\r\nk='x'\r\n", "M", "k", "d", 1024, "x"},
        ReadCase{"one pair only", "[M]\r\nk=\"\"x\"\"\r\n", "M", "k", "d", 1024, "\"x\""},
        ReadCase{"quotes that do not match", "[M]\r\nk=\"x'\r\n", "M", "k", "d", 1024, "\"x'"},
        ReadCase{"a lone quote", "[M]\r\nk=\"\r\n", "M", "k", "d", 1024, "\""},
        ReadCase{"an empty value is no missing key", "[M]\r\nk=\r\n", "M", "k", "d", 1024, ""},
        ReadCase{"a key line without = gives the default", "[M]\r\nk\r\n", "M", "k", "d", 1024,
                 "d"},
        ReadCase{"missing key", "[M]\r\nk=1\r\n", "M", "XPos", "-2147483648", 1024, "-2147483648"},
        ReadCase{"missing section", "[M]\r\nk=1\r\n", "N", "k", "d", 1024, "d"},
        ReadCase{"missing file", nullptr, "M", "k", "", 1024, ""},
        ReadCase{"the default loses its trailing spaces", nullptr, "M", "k", "d  ", 1024, "d"},
        ReadCase{"a key of another section", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "A", "j", "d", 1024,
                 "d"},
        ReadCase{"the first of two same-named sections", "[M]\r\na=1\r\n[m]\r\na=2\r\nb=3\r\n", "M",
                 "a", "d", 1024, "1"},
        ReadCase{"nothing from the second same-named section",
                 "[M]\r\na=1\r\n[m]\r\na=2\r\nb=3\r\n", "M", "b", "d", 1024, "d"},
        ReadCase{"the first of two same-named keys", "[M]\r\na=1\r\nA=2\r\n", "M", "a", "d", 1024,
                 "1"},
        ReadCase{"cut to the buffer", "[M]\r\nk=abcdef\r\n", "M", "k", "d", 4, "abc"},
        ReadCase{"a buffer of one byte holds nothing", "[M]\r\nk=abc\r\n", "M", "k", "d", 1, ""},
        ReadCase{"keys before any section belong to none", "k=1\r\n[M]\r\n", "M", "k", "d", 1024,
                 "d"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(IniFile, ReadsWhatItWrote) {
    TempDir dir;
    IniFile ini(dir.Path());
    ASSERT_TRUE(ini.WriteString(".\\t.ini", "Main", "Loc:ODBCPath", "C:\\Drivers\\c4otSDX.dll"));
    ASSERT_TRUE(ini.WriteString(".\\t.ini", "Main", "Loc:ODBCPath", "D:\\c4otRDX.dll"));
    EXPECT_EQ(ini.ReadString(".\\t.ini", "Main", "Loc:ODBCPath", "", 1024), "D:\\c4otRDX.dll");
    ASSERT_TRUE(ini.DeleteKey(".\\t.ini", "Main", "Loc:ODBCPath"));
    EXPECT_EQ(ini.ReadString(".\\t.ini", "Main", "Loc:ODBCPath", "gone", 1024), "gone");
    EXPECT_EQ(dir.Read("t.ini"), "[Main]\r\n");
}

TEST(IniFile, AWriteIntoAMissingFolderFails) {
    TempDir dir;
    IniFile ini(dir.Path());
    EXPECT_FALSE(ini.WriteString(".\\no such folder\\t.ini", "Main", "k", "v"));
}

}  // namespace
}  // namespace tolvane
