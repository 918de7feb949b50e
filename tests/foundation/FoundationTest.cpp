#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/KWStringClass.h"
#include "tests/foundation/SimServices.h"

namespace tolvane {
namespace {

using testing::kPolicyKey;
using testing::SimServices;

class Foundation : public ::testing::Test {
  protected:
    SimServices sim;
};

TEST_F(Foundation, GetFilePartsAnswersOnlyItsCodes) {
    struct Case {
        const char* path;
        int parts;
        const char* result;
    };
    const Case cases[] = {
        {"C:\\Tools\\app.exe", 1, "C:"},
        {"C:\\Tools\\app.exe", 2, "\\Tools"},
        {"C:\\Tools\\app.exe", 3, "C:\\Tools"},
        {"C:\\Tools\\app.exe", 4, "app"},
        {"C:\\Tools\\app.exe", 6, "\\Tools\\app"},
        {"C:\\Tools\\app.exe", 7, "C:\\Tools\\app"},
        {"C:\\Tools\\app.exe", 8, ".exe"},
        {"C:\\Tools\\app.exe", 12, "app.exe"},
        {"C:\\Tools\\app.exe", 14, "\\Tools\\app.exe"},
        {"C:\\Tools\\app.exe", 0, ""},
        {"C:\\Tools\\app.exe", 5, ""},
        {"C:\\Tools\\app.exe", 9, ""},
        {"C:\\Tools\\app.exe", 10, ""},
        {"C:\\Tools\\app.exe", 11, ""},
        {"C:\\Tools\\app.exe", 13, ""},
        {"C:\\Tools\\app.exe", 15, ""},
        {"C:\\Tools\\app.exe", 16, ""},
        {"C:\\Tools\\app.exe", 255, ""},
        {"C:\\app.exe", 3, "C:"},
        {"C:\\app.exe", 2, ""},
        {"app.exe", 3, ""},
        {"app.exe", 12, "app.exe"},
        {"\\\\server\\share\\app.exe", 3, "\\\\server\\share"},
        {"\\\\server\\share\\app.exe", 1, ""},
        {"archive.tar.gz", 8, ".gz"},
        {"archive.tar.gz", 4, "archive.tar"},
        {"C:\\dir.d\\file", 8, ""},
        {"C:\\dir.d\\file", 4, "file"},
        {"C:/Tools/app.exe", 3, "C:/Tools/"},
        {"C:\\Tools\\app.exe   ", 12, "app.exe"},
        {"C:\\My Tools\\my app.exe", 12, "my app.exe"},
        {"C:\\Tools\\*.exe", 4, "*"},
        {"   ", 1, ""},
        {"   ", 3, ""},
        {"   ", 12, ""},
        {"", 14, ""},
    };
    KWBaseClass base;
    for (const Case& c : cases) {
        EXPECT_EQ(base.GetFileParts(c.path, static_cast<std::uint8_t>(c.parts)), c.result)
            << c.path << " with code " << c.parts;
    }
}

TEST_F(Foundation, GetFilePartsCutsLongPathsAndParts) {
    KWBaseClass base;
    // The path is cut to 259 characters before it is split.
    const std::string name(300, 'n');
    EXPECT_EQ(base.GetFileParts("C:\\d\\" + name + ".exe", 12), std::string(254, 'n'));
    // Each of directory, name and extension is cut to 255.
    EXPECT_EQ(base.GetFileParts("C:\\" + std::string(258, 'x'), 4), std::string(255, 'x'));
}

TEST_F(Foundation, StripBackslashRemovesOneBackslashOnly) {
    struct Case {
        const char* text;
        const char* result;
    };
    const Case cases[] = {{"C:\\Tools\\", "C:\\Tools"},
                          {"C:\\\\", "C:\\"},
                          {"C:/", "C:/"},
                          {"a\\   ", "a"},
                          {"abc", "abc"},
                          {"", ""},
                          {"   ", "   "}};
    for (const Case& c : cases) EXPECT_EQ(KWBaseClass::StripBackslash(c.text), c.result) << c.text;
}

TEST_F(Foundation, DebugOutputFiltersByLevelAndDropsTrailingSpaces) {
    struct Case {
        int debugLevel;
        const char* text;
        int level;
        bool sent;
        const char* line;
    };
    const Case cases[] = {
        {0, "abc   ", 0, true, "abc"},    {0, "abc   ", -1, false, ""}, {3, "x", 2, false, ""},
        {3, "x", 3, true, "x"},           {3, "x", 4, true, "x"},       {0, "   ", 0, true, ""},
        {0, "  lead", 0, true, "  lead"}, {255, "x", 254, false, ""},   {255, "x", 255, true, "x"},
        {0, "x", -32768, false, ""},
    };
    for (const Case& c : cases) {
        KWBaseClass base;
        base.DEBUGLEVEL = static_cast<std::uint8_t>(c.debugLevel);
        sim.system.debugLines.clear();
        base.DebugOutput(c.text, static_cast<std::int16_t>(c.level));
        std::vector<std::string> expected;
        if (c.sent) expected.push_back(c.line);
        EXPECT_EQ(sim.system.debugLines, expected)
            << "DEBUGLEVEL " << c.debugLevel << " level " << c.level << " text '" << c.text << "'";
    }
}

TEST_F(Foundation, DebugMessageIsLevelZeroUnlessQuiet) {
    KWBaseClass base;
    base.DebugMessage("hello  ", 0);
    base.DebugMessage("hidden", 1);
    EXPECT_EQ(sim.system.debugLines, std::vector<std::string>{"hello"});
    base.DEBUGLEVEL = 1;
    base.DebugMessage("filtered", 0);
    EXPECT_EQ(sim.system.debugLines.size(), 1u);
}

class ApiError : public Foundation {
  protected:
    void SetUp() override {
        sim.system.messages[2] = "The system cannot find the file specified. ";
        sim.system.messages[5] = "Access is denied. ";
        sim.system.lastError = 2;
    }
};

TEST_F(ApiError, WithoutHolderTakesTheThreadsError) {
    KWBaseClass base;
    sim.system.debugLines.clear();
    EXPECT_EQ(base.GetLastAPIError("KWShellClass.KWRun  "),
              "The system cannot find the file specified. ");
    EXPECT_EQ(base.LASTAPIERRORCODE, 2);
    EXPECT_EQ(base.LASTAPIERROR.Value(),
              "KWShellClass.KWRun: The system cannot find the file specified.");
    EXPECT_EQ(base.LASTAPIERROR.Raw().size(), 255u);
    EXPECT_EQ(sim.system.debugLines,
              std::vector<std::string>{"GetLastAPIError (2) KWShellClass.KWRun: The system "
                                       "cannot find the file specified."});
    // Inserts are ignored, as no argument block is passed.
    ASSERT_EQ(sim.system.messageRequests.size(), 1u);
    EXPECT_EQ(sim.system.messageRequests[0].flags, 0x12FFu);
    EXPECT_EQ(sim.system.messageRequests[0].code, 2);
    EXPECT_EQ(sim.system.messageRequests[0].languageId, 0u);
    EXPECT_EQ(sim.system.messageRequests[0].bufferSize, 256u);
}

TEST_F(ApiError, HolderOfZeroTakesTheThreadsErrorAndReceivesIt) {
    KWBaseClass base;
    std::int32_t code = 0;
    base.GetLastAPIError("Op", &code);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(base.LASTAPIERRORCODE, 2);
}

TEST_F(ApiError, HolderOfFiveWinsOverTheThreadsError) {
    KWBaseClass base;
    std::int32_t code = 5;
    EXPECT_EQ(base.GetLastAPIError("Op", &code), "Access is denied. ");
    EXPECT_EQ(code, 5);
    EXPECT_EQ(base.LASTAPIERRORCODE, 5);
    EXPECT_EQ(base.LASTAPIERROR.Value(), "Op: Access is denied.");
}

TEST_F(ApiError, CodeWithoutTextStillWritesOneLine) {
    KWBaseClass base;
    sim.system.lastError = -2147467259;  // 0x80004005, written signed
    sim.system.debugLines.clear();
    EXPECT_EQ(base.GetLastAPIError("Op"), "");
    EXPECT_EQ(base.LASTAPIERROR.Value(), "Op:");
    EXPECT_EQ(base.LASTAPIERROR.Raw().substr(0, 4), "Op: ");
    EXPECT_EQ(base.LASTAPIERRORCODE, -2147467259);
    EXPECT_EQ(sim.system.debugLines, std::vector<std::string>{"GetLastAPIError (-2147467259) Op:"});
}

TEST_F(ApiError, LongNameLeavesOnlyItsFirst255Characters) {
    KWBaseClass base;
    const std::string name(300, 'p');
    base.GetLastAPIError(name);
    EXPECT_EQ(base.LASTAPIERROR.Value(), std::string(255, 'p'));
    EXPECT_EQ(sim.system.debugLines.back(), "GetLastAPIError (2) " + std::string(255, 'p'));
}

// A derived class that replaces DebugOutput receives every line.
class Capturing : public KWBaseClass {
  public:
    void DebugOutput(const std::string& text, std::int16_t level) override {
        lines.push_back(text::Decimal(level) + ":" + text);
    }
    std::vector<std::string> lines;
};

TEST_F(ApiError, ReplacedDebugOutputReceivesTheLines) {
    Capturing capturing;
    KWBaseClass& base = capturing;
    base.GetLastAPIError("Op");
    base.DebugMessage("note", 0);
    EXPECT_EQ(
        capturing.lines,
        (std::vector<std::string>{
            "0:GetLastAPIError (2) Op: The system cannot find the file specified.", "0:note"}));
    EXPECT_TRUE(sim.system.debugLines.empty());
}

TEST_F(Foundation, NewStringClassHoldsEmptyListsAndPunctuation) {
    KWStringClass s;
    ASSERT_TRUE(s.CHILDWINDOWS && s.TOPWINDOWS && s.MODULEWINDOWS && s.THEMEDCONTROLS && s.MSQ &&
                s.LINES && s.WORDS && s.FOUND);
    EXPECT_TRUE(s.CHILDWINDOWS->empty() && s.TOPWINDOWS->empty() && s.MODULEWINDOWS->empty() &&
                s.THEMEDCONTROLS->empty() && s.MSQ->empty() && s.LINES->empty() &&
                s.WORDS->empty() && s.FOUND->empty());
    EXPECT_FALSE(s.CSVFIELDS);
    EXPECT_FALSE(s.FILESTRING || s.LINESTRING || s.RESSTR || s.TEMPS || s.HTMLSTRING ||
                 s.STRINGBETWEEN || s.XMLSTR || s.ANSIFROMWIDESTRING || s.REPLACESTRING ||
                 s.URLSTR);
    EXPECT_EQ(s.DEPUNCTUATIONSTRING.Raw(), "()[]{}!@#$%^&*-" + std::string(240, ' '));
    EXPECT_EQ(s.DEPUNCTUATIONSTRING.Value(), "()[]{}!@#$%^&*-");
    EXPECT_EQ(s.LASTAPIERROR.Raw(), std::string(255, ' '));
    EXPECT_EQ(s.LASTAPIERRORCODE, 0);
    EXPECT_EQ(s.DEBUGLEVEL, 0);
}

void RunDestructionSteps(KWStringClass& s) {
    s.StringDestruction();
    s.DialogDestruction();
    s.WindowsDestruction();
    s.BaseDestruction();
}

void ExpectAllReleased(const KWStringClass& s) {
    EXPECT_FALSE(s.CHILDWINDOWS || s.TOPWINDOWS || s.MODULEWINDOWS || s.THEMEDCONTROLS || s.MSQ ||
                 s.LINES || s.WORDS || s.FOUND || s.CSVFIELDS);
    EXPECT_FALSE(s.FILESTRING || s.LINESTRING || s.RESSTR || s.TEMPS || s.HTMLSTRING ||
                 s.STRINGBETWEEN || s.XMLSTR || s.ANSIFROMWIDESTRING || s.REPLACESTRING ||
                 s.URLSTR);
}

TEST_F(Foundation, DestructionStepsReleaseEveryListAndText) {
    KWStringClass s;
    for (OwnedText* t :
         {&s.FILESTRING, &s.LINESTRING, &s.RESSTR, &s.TEMPS, &s.HTMLSTRING, &s.STRINGBETWEEN,
          &s.XMLSTR, &s.ANSIFROMWIDESTRING, &s.REPLACESTRING, &s.URLSTR}) {
        *t = std::make_unique<std::string>("owned");
    }
    s.LINES->push_back(TLineRecord{std::make_unique<std::string>("line"), 4});
    s.CSVFIELDS = NewList<TCsvFieldRecord>();
    s.CSVFIELDS->push_back(TCsvFieldRecord{std::make_unique<std::string>("field")});
    s.WORDS->push_back(TWordRecord{});
    s.FOUND->push_back(TFoundRecord{1, 2});
    s.TOPWINDOWS->push_back(TWindowRecord{});
    s.THEMEDCONTROLS->push_back(TThemeControls{3, 4});
    s.MSQ->push_back(TMultiFileRecord{});

    RunDestructionSteps(s);
    ExpectAllReleased(s);
    // A second run over null references does nothing.
    RunDestructionSteps(s);
    ExpectAllReleased(s);
}

TEST_F(Foundation, ProbesGatherTheFacts) {
    sim.system.moduleFileName = "C:\\Tools\\app.exe";
    sim.system.version = OsVersion{6, 1, 7601, 2, "Service Pack 1"};
    sim.registry.Set(RegRoot::LocalMachine, kPolicyKey, "EnableLUA", DwordValue(1));
    KWWindowsClass w;
    EXPECT_EQ(w.EXENAME, "C:\\Tools\\app.exe");
    EXPECT_EQ(w.PROGPATH, "C:\\Tools");
    EXPECT_EQ(w.COMPUTERNAME, "WORKSTATION");
    EXPECT_EQ(w.USERNAME, "Operator");
    EXPECT_EQ(w.XPTHEMESPRESENT, 1);
    EXPECT_EQ(w.ISNEWIDE, 1);
    EXPECT_EQ(w.MAJORVERSION, 6);
    EXPECT_EQ(w.MINORVERSION, 1);
    EXPECT_EQ(w.VERSIONBUILDNR, 7601);
    EXPECT_EQ(w.VERSIONPLATFORMID, 2);
    EXPECT_EQ(w.VERSIONINFORMATION.Value(), "Service Pack 1");
    EXPECT_EQ(w.VERSIONINFORMATION.Raw().size(), 128u);
    EXPECT_EQ(w.ISVISTA, 1);
    EXPECT_EQ(w.VISTAHASUAC, 1);
    EXPECT_EQ(w.QueryOSVersion(), "6.1");
    EXPECT_EQ(sim.system.moduleBufferSizes.front(), 260u);
    EXPECT_EQ(sim.system.versionRecordSizes.front(), 148u);
    ASSERT_FALSE(sim.registry.calls.empty());
    const sim::SimRegistryCall& read = sim.registry.calls[0];
    EXPECT_FALSE(read.write);
    EXPECT_EQ(read.root, RegRoot::LocalMachine);
    EXPECT_EQ(read.path, kPolicyKey);
    EXPECT_EQ(read.name, "EnableLUA");
    EXPECT_EQ(read.access, 0x20001u);
}

TEST_F(Foundation, VersionDecidesVistaAndIsReturnedAsText) {
    struct Case {
        std::uint32_t major, minor;
        Flag vista;
        const char* text;
    };
    const Case cases[] = {{5, 1, 0, "5.1"}, {6, 0, 1, "6.0"}, {10, 0, 1, "10.0"}};
    for (const Case& c : cases) {
        sim.system.version = OsVersion{c.major, c.minor, 0, 2, ""};
        KWWindowsClass w;
        EXPECT_EQ(w.ISVISTA, c.vista) << c.text;
        EXPECT_EQ(w.QueryOSVersion(), c.text);
    }
    // The policy is read on older systems too.
    EXPECT_EQ(sim.registry.calls.size(), 6u);
}

TEST_F(Foundation, EnableLuaReadsAsANumber) {
    struct Case {
        const char* label;
        std::optional<RegistryValue> value;
        int expected;
    };
    const Case cases[] = {
        {"dword 1", DwordValue(1), 1},
        {"dword 0", DwordValue(0), 0},
        {"dword 257, low 8 bits", DwordValue(257), 1},
        {"dword all bits, unsigned", DwordValue(0xFFFFFFFFu), 255},
        {"string", StringValue("1"), 1},
        {"expandable string", StringValue("2", RegType::ExpandString), 2},
        {"string not a number", StringValue("yes"), 0},
        {"empty string", StringValue(""), 0},
        {"binary", RegistryValue{RegType::Binary, {1, 0, 0, 0}}, 0},
        {"short dword", RegistryValue{RegType::Dword, {1}}, 0},
        {"missing", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        sim.registry = sim::SimRegistry();
        if (c.value) sim.registry.Set(RegRoot::LocalMachine, kPolicyKey, "EnableLUA", *c.value);
        KWWindowsClass w;
        EXPECT_EQ(w.VISTAHASUAC, c.expected) << c.label;
    }
}

TEST_F(Foundation, ProbesFallBackWhenCallsFail) {
    sim.system.computerNameFails = true;
    sim.system.userNameFails = true;
    sim.system.versionFails = true;
    sim.system.version.servicePack = "Service Pack 3";
    KWWindowsClass w;
    EXPECT_EQ(w.COMPUTERNAME, "");
    EXPECT_EQ(w.QueryComputerName(), "");
    EXPECT_EQ(w.USERNAME, "");
    EXPECT_EQ(w.QueryUserName(), "");
    EXPECT_EQ(w.MAJORVERSION, 0);
    EXPECT_EQ(w.MINORVERSION, 0);
    EXPECT_EQ(w.VERSIONBUILDNR, 0);
    EXPECT_EQ(w.VERSIONINFORMATION.Value(), "");
    EXPECT_EQ(w.ISVISTA, 0);
    EXPECT_EQ(w.QueryOSVersion(), "0.0");
}

TEST_F(Foundation, ComputerNameThatDoesNotFitIsEmpty) {
    sim.system.computerName = std::string(32, 'c');
    KWBaseClass base;
    EXPECT_EQ(base.COMPUTERNAME, "");
    sim.system.computerName = std::string(31, 'c');
    EXPECT_EQ(base.QueryComputerName(), std::string(31, 'c'));
    EXPECT_EQ(base.COMPUTERNAME, std::string(31, 'c'));
}

TEST_F(Foundation, UserNameIsCutTo255) {
    sim.system.userName = std::string(300, 'u');
    KWBaseClass base;
    EXPECT_EQ(base.USERNAME, std::string(255, 'u'));
    EXPECT_EQ(base.QueryUserName(), std::string(300, 'u'));
}

TEST_F(Foundation, ProgramFileAndFolder) {
    struct Case {
        std::string module;
        std::string exeName;
        std::string progPath;
    };
    const Case cases[] = {
        {"C:\\app.exe", "C:\\app.exe", "C:"},
        {"C:\\Program Files\\Tolvane\\Tolvane.exe", "C:\\Program Files\\Tolvane\\Tolvane.exe",
         "C:\\Program Files\\Tolvane"},
        {"\\\\server\\share\\app.exe", "\\\\server\\share\\app.exe", "\\\\server\\share"},
        // The system cuts the path to its 260-byte buffer.
        {"C:\\" + std::string(300, 'a'), "C:\\" + std::string(256, 'a'), "C:"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        sim.system.moduleFileName = c.module;
        KWBaseClass base;
        EXPECT_EQ(base.EXENAME, c.exeName);
        EXPECT_EQ(base.PROGPATH, c.progPath);
    }
}

TEST_F(Foundation, CommandLineAndDebugSwitch) {
    struct Case {
        const char* raw;
        const char* arguments;
        int debug;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\T\\t.exe\"", "", 0},
        {"\"C:\\Program Files\\T\\t.exe\"   ", "", 0},
        {"\"C:\\Program Files\\T\\t.exe\" debug=7 x", " debug=7 x", 7},
        {"\"C:\\Program Files\\T\\t.exe\"debug=7", " debug=7", 7},
        {"t.exe   DEBUG=300", " DEBUG=300", 44},
        {"t.exe DEBUG", " DEBUG", 0},
        {"t.exe DEBUG=on", " DEBUG=on", 0},
        {"t.exe DeBuG=12 DEBUG=3", " DeBuG=12 DEBUG=3", 12},
        {"t.exe DEBUGX=3 debug=4", " DEBUGX=3 debug=4", 4},
        {"t.exe DEBUG =3", " DEBUG =3", 0},
        {"t.exe \"DEBUG=5\"", " \"DEBUG=5\"", 5},
        {"t.exe \"x debug=6\"", " \"x debug=6\"", 0},
        {"t.exe DEBUG=-1", " DEBUG=-1", 255},
        {"t.exe\tx  y  ", " x  y  ", 0},
        {"debug=9.exe", "", 0},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        sim.system.commandLine = c.raw;
        KWBaseClass base;
        EXPECT_EQ(base.PROGRAMCOMMANDLINE, c.arguments) << c.raw;
        EXPECT_EQ(base.PROGRAMDEBUGON, c.debug) << c.raw;
    }
}

}  // namespace
}  // namespace tolvane
