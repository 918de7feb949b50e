#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/OdbcAdmin.h"
#include "platform/Dialogs.h"
#include "platform/Window.h"
#include "shell/KWShellClass.h"
#include "tests/foundation/SimServices.h"

namespace tolvane {
namespace {

using sim::SimShell;

// Message boxes, recorded.
class RecordingDialogs : public Dialogs {
  public:
    struct Box {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) override {
        boxes.push_back({text, caption, icon, buttons});
    }
    FileDialogResult AskOpenFile(const FileDialogSettings&) override { return {}; }
    std::unique_ptr<DialogWindow> CreateMainWindow() override { return nullptr; }
    std::vector<Box> boxes;
};

class Shell : public ::testing::Test {
  protected:
    Shell() {
        Current().dialogs = &dialogs;
        sim.system.messages[2] = "The system cannot find the file specified. ";
        sim.system.messages[5] = "Access is denied. ";
        sim.system.messages[0] = "The operation completed successfully. ";
        sim.files.AddFolder("C:\\Work", "C:\\WORK~1");
        sim.files.AddFolder("C:\\", "C:\\");
        sim.files.AddFolder("D:\\", "D:\\");
        sim.files.AddFolder("C:\\Program Files\\Tool", "C:\\PROGRA~1\\Tool");
        sim.files.AddFolder("C:\\windows\\syswow64", "C:\\windows\\syswow64");
        sim.files.AddFolder("C:\\windows\\system32", "C:\\windows\\system32");
        sim.system.specialFolders[41] = "C:\\windows\\syswow64";
        sim.system.specialFolders[37] = "C:\\windows\\system32";
    }
    testing::SimServices sim;
    RecordingDialogs dialogs;
};

TEST_F(Shell, NewObjectHasItsShowSettingAndLists) {
    KWShellClass shell;
    EXPECT_EQ(shell.SHOWSETTING, 1);
    ASSERT_TRUE(shell.ENVVARS);
    EXPECT_TRUE(shell.ENVVARS->empty());
    EXPECT_TRUE(shell.LINES && shell.TOPWINDOWS && shell.THEMEDCONTROLS && shell.MSQ);
    EXPECT_EQ(shell.DEPUNCTUATIONSTRING.Value(), "()[]{}!@#$%^&*-");
}

TEST_F(Shell, DestructionStepsReleaseEverything) {
    KWShellClass shell;
    shell.ENVVARS->push_back(TEnvVarRecord{"PATH", "C:\\"});
    shell.XMLSTR = std::make_unique<std::string>("x");
    shell.URLSTR = std::make_unique<std::string>("u");
    auto run = [&] {
        shell.ShellDestruction();
        shell.StringDestruction();
        shell.DialogDestruction();
        shell.WindowsDestruction();
        shell.BaseDestruction();
    };
    run();
    EXPECT_FALSE(shell.ENVVARS || shell.LINES || shell.WORDS || shell.FOUND || shell.MSQ ||
                 shell.CHILDWINDOWS || shell.TOPWINDOWS || shell.MODULEWINDOWS ||
                 shell.THEMEDCONTROLS || shell.XMLSTR || shell.URLSTR);
    // With ENVVARS already null the steps go on with the bases.
    shell.LINES = NewList<TLineRecord>();
    run();
    EXPECT_FALSE(shell.LINES);
}

TEST_F(Shell, BaseObjectOnItsOwnHoldsTheSameFacts) {
    sim.system.moduleFileName = "C:\\Tools\\app.exe";
    KWShellClass shell;
    KWBaseClass base;
    EXPECT_EQ(base.EXENAME.Value(), shell.EXENAME.Value());
    EXPECT_EQ(base.PROGPATH.Value(), shell.PROGPATH.Value());
    EXPECT_EQ(base.COMPUTERNAME.Value(), shell.COMPUTERNAME.Value());
    EXPECT_EQ(base.USERNAME.Value(), shell.USERNAME.Value());
    EXPECT_EQ(base.PROGPATH, "C:\\Tools");
}

struct RunCase {
    std::string label;
    // Arguments.
    std::string file = "C:\\Program Files\\Tool\\t.exe";
    std::string parameters;
    std::string directory;
    std::int32_t wait = 0;
    Flag ignoreParameters = 0;
    Flag useFileFolder = 1;
    Flag runElevated = 0;
    // Surroundings.
    std::uint32_t major = 10;
    std::int32_t showSetting = 1;
    bool scripted = true;
    SimShell::Start start{true, 0x200, 0, 0, false};
    // Outcome.
    bool called = true;
    std::string verb = "open";
    std::string sentFile = "C:\\Program Files\\Tool\\t.exe";
    std::optional<std::string> sentParameters;
    std::string sentDirectory = "C:\\PROGRA~1\\Tool";
    std::int32_t sentShow = 1;
    std::int32_t result = 0x200;
    std::vector<std::string> calls;
    bool leftOpen = true;
    std::int32_t errorCode = 77;  // as preset: unchanged
};

RunCase Named(const char* label) {
    RunCase c;
    c.label = label;
    return c;
}

std::vector<RunCase> RunCases() {
    std::vector<RunCase> cases;
    auto add = [&](RunCase c) { cases.push_back(std::move(c)); };
    RunCase c;

    c = Named("started, not waited: the handle is returned open");
    add(c);

    c = Named("blank file: nothing at all");
    c.file = "   ";
    c.called = false;
    c.result = 0;
    c.leftOpen = false;
    add(c);

    c = Named("file keeps leading spaces, loses trailing ones");
    c.file = "  t.exe   ";
    c.sentFile = "  t.exe";
    c.sentDirectory = "C:\\WORK~1";
    add(c);

    c = Named("ignoreParameters drops given parameters");
    c.parameters = "-x";
    c.ignoreParameters = 1;
    add(c);

    c = Named("blank parameters are a null pointer");
    c.parameters = "   ";
    add(c);

    c = Named("parameters pass unchanged, trailing spaces too");
    c.parameters = " -a -b  ";
    c.sentParameters = " -a -b  ";
    add(c);

    c = Named("useFileFolder with a bare name: current directory, short");
    c.file = "notepad.exe";
    c.sentFile = "notepad.exe";
    c.sentDirectory = "C:\\WORK~1";
    add(c);

    c = Named("useFileFolder with a file in a drive's root");
    c.file = "C:\\app.exe";
    c.sentFile = "C:\\app.exe";
    c.sentDirectory = "C:\\";
    add(c);

    c = Named("directory given: used when useFileFolder is off");
    c.useFileFolder = 0;
    c.directory = "C:\\Program Files\\Tool";
    add(c);

    c = Named("directory that has no short form stays as it is");
    c.useFileFolder = 0;
    c.directory = "D:\\Missing";
    c.sentDirectory = "D:\\Missing";
    add(c);

    c = Named("blank directory: current directory, short");
    c.useFileFolder = 0;
    c.directory = "  ";
    c.sentDirectory = "C:\\WORK~1";
    add(c);

    c = Named("bare drive gets its backslash");
    c.useFileFolder = 0;
    c.directory = "D:";
    c.sentDirectory = "D:\\";
    add(c);

    c = Named("elevated on major version 6: runas");
    c.runElevated = 1;
    c.major = 6;
    c.verb = "runas";
    add(c);

    c = Named("elevated on major version 5: open");
    c.runElevated = 1;
    c.major = 5;
    add(c);

    c = Named("not elevated on major version 10: open");
    add(c);

    c = Named("changed SHOWSETTING is the record's show value");
    c.showSetting = 3;
    c.sentShow = 3;
    add(c);

    c = Named("waited: the exit code, the handle closed");
    c.wait = 1;
    c.start.exitCode = 3;
    c.result = 3;
    c.calls = {"Wait 512 4294967295", "ExitCode 512", "Close 512"};
    c.leftOpen = false;
    add(c);

    c = Named("waited, exit code unreadable: 0, the handle still closed");
    c.wait = -1;
    c.start.exitCode = 3;
    c.start.exitCodeFails = true;
    c.result = 0;
    c.calls = {"Wait 512 4294967295", "ExitCode 512", "Close 512"};
    c.leftOpen = false;
    add(c);

    c = Named("request taken over without a process: 0, no wait");
    c.wait = 1;
    c.start.process = 0;
    c.result = 0;
    c.leftOpen = false;
    add(c);

    c = Named("shell refuses: 0 and the error recorded");
    c.wait = 1;
    c.start = SimShell::Start{false, 0, 2, 0, false};
    c.result = 0;
    c.leftOpen = false;
    c.errorCode = 2;
    add(c);
    return cases;
}

TEST_F(Shell, KWRunFollowsItsRules) {
    for (const RunCase& c : RunCases()) {
        SCOPED_TRACE(c.label);
        sim.system.version.major = c.major;
        sim.shell = SimShell(&sim.system);
        sim.shell.Script(c.start);
        KWShellClass shell;
        shell.SHOWSETTING = c.showSetting;
        shell.LASTAPIERRORCODE = 77;
        sim.system.debugLines.clear();

        EXPECT_EQ(shell.KWRun(c.file, c.parameters, c.directory, c.wait, c.ignoreParameters,
                              c.useFileFolder, c.runElevated),
                  c.result);

        ASSERT_EQ(sim.shell.executeExCalls.size(), c.called ? 1u : 0u);
        if (c.called) {
            const ShellExecuteRecord& r = sim.shell.executeExCalls[0];
            EXPECT_EQ(r.size, 60u);
            EXPECT_EQ(r.mask, 0x40u);
            EXPECT_EQ(r.owner, 0);
            EXPECT_EQ(r.process, 0);
            EXPECT_EQ(r.verb, c.verb);
            EXPECT_EQ(r.file, c.sentFile);
            EXPECT_EQ(r.parameters, c.sentParameters);
            EXPECT_EQ(r.directory, c.sentDirectory);
            EXPECT_EQ(r.show, c.sentShow);
        }
        EXPECT_EQ(sim.shell.calls, c.calls);
        EXPECT_EQ(sim.shell.OpenHandles().count(0x200), c.leftOpen ? 1u : 0u);
        EXPECT_EQ(shell.LASTAPIERRORCODE, c.errorCode);
        if (c.errorCode == 2) {
            EXPECT_EQ(shell.LASTAPIERROR.Value(),
                      "KWShellClass.KWRun: The system cannot find the file specified.");
            EXPECT_EQ(sim.system.debugLines,
                      std::vector<std::string>{"GetLastAPIError (2) KWShellClass.KWRun: The "
                                               "system cannot find the file specified."});
        } else {
            EXPECT_TRUE(sim.system.debugLines.empty());
        }
        EXPECT_TRUE(dialogs.boxes.empty());
    }
}

// A derived class that replaces DebugOutput receives the runner's line.
class CapturingShell : public KWShellClass {
  public:
    void DebugOutput(const std::string& text, std::int16_t) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

TEST_F(Shell, ReplacedDebugOutputReceivesEveryLine) {
    sim.shell.Script(SimShell::Start{false, 0, 5, 0, false});
    sim.system.lastError = 5;
    CapturingShell shell;
    shell.KWRun("x.exe", "", "", 0, 1, 1, 0);
    shell.APIErrorHandler("Caption");
    EXPECT_EQ(shell.lines, (std::vector<std::string>{
                               "GetLastAPIError (5) KWShellClass.KWRun: Access is denied.",
                               "GetLastAPIError (5) KWShellClass.APIErrorHandler: Access is "
                               "denied.",
                               "", "Error in KWShellClass, Caption", "(5) Access is denied. "}));
    EXPECT_TRUE(sim.system.debugLines.empty());
}

TEST_F(Shell, ShellOpenAndShellExecuteVerb) {
    KWShellClass shell;
    shell.SHOWSETTING = 3;
    shell.ShellOpen("C:\\Docs\\read me.txt   ");
    ASSERT_EQ(sim.shell.executeCalls.size(), 1u);
    const SimShell::ExecuteCall& open = sim.shell.executeCalls[0];
    EXPECT_EQ(open.owner, sim.windows.desktop);
    EXPECT_EQ(open.verb, "open");
    EXPECT_EQ(open.file, "C:\\Docs\\read me.txt");
    EXPECT_EQ(open.parameters, std::nullopt);
    EXPECT_EQ(open.directory, "C:\\WORK~1");
    EXPECT_EQ(open.show, 1);  // SW_SHOWNORMAL, not SHOWSETTING

    sim.shell.executeResult = 2;
    EXPECT_EQ(shell.ShellExecuteVerb("print  ", "a.txt", "   ", "  ", 77, 0, 0, 5), 2);
    const SimShell::ExecuteCall& print = sim.shell.executeCalls[1];
    EXPECT_EQ(print.owner, 77);
    EXPECT_EQ(print.verb, "print");
    EXPECT_EQ(print.parameters, std::optional<std::string>(""));
    EXPECT_EQ(print.directory, "");
    EXPECT_EQ(print.show, 5);
    shell.ShellExecuteVerb("open", "a.txt", "-p  ", "D:\\x  ", 0, 0, 0, 1);
    EXPECT_EQ(sim.shell.executeCalls[2].parameters, std::optional<std::string>("-p"));
    EXPECT_EQ(sim.shell.executeCalls[2].directory, "D:\\x");
    // Nothing is reported whatever the result.
    EXPECT_TRUE(sim.system.debugLines.empty());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Shell, SpecialFolderLooksItsFunctionUpAtEachCall) {
    struct Case {
        Lookup availability;
        std::int32_t csidl;
        const char* path;
    };
    const Case cases[] = {{Lookup::Called, 41, "C:\\windows\\syswow64"},
                          {Lookup::Called, 37, "C:\\windows\\system32"},
                          {Lookup::Called, 99, ""},
                          {Lookup::NoLibrary, 37, ""},
                          {Lookup::NoFunction, 37, ""}};
    for (const Case& c : cases) {
        sim.system.shell32 = c.availability;
        KWShellClass shell;
        shell.LASTAPIERRORCODE = 77;
        sim.system.debugLines.clear();
        EXPECT_EQ(shell.GetSpecialFolder(c.csidl), c.path) << c.csidl;
        EXPECT_EQ(sim.system.specialFolderOwners.back(), sim.windows.desktop);
        EXPECT_EQ(sim.system.librariesLoaded, sim.system.librariesFreed);
        EXPECT_EQ(shell.LASTAPIERRORCODE, 77);
        EXPECT_TRUE(sim.system.debugLines.empty());
    }
}

TEST_F(Shell, IsWow64OnlyWhenTheCallSaysSo) {
    struct Case {
        Lookup availability;
        bool wow64;
        bool callFails;
        bool expected;
    };
    const Case cases[] = {{Lookup::Called, true, false, true},
                          {Lookup::Called, false, false, false},
                          {Lookup::Called, true, true, false},
                          {Lookup::NoLibrary, true, false, false},
                          {Lookup::NoFunction, true, false, false}};
    for (const Case& c : cases) {
        sim.system.kernel32 = c.availability;
        sim.system.wow64 = c.wow64;
        sim.system.wow64CallFails = c.callFails;
        KWShellClass shell;
        EXPECT_EQ(shell.IsWow64(), c.expected);
        EXPECT_EQ(sim.system.librariesLoaded, sim.system.librariesFreed);
    }
}

TEST_F(Shell, ApiErrorHandlerWritesFourLinesAndShowsTheBox) {
    KWShellClass shell;
    sim.system.lastError = 5;
    sim.system.debugLines.clear();
    shell.APIErrorHandler("Driver Setup  ");
    EXPECT_EQ(sim.system.debugLines,
              (std::vector<std::string>{
                  "GetLastAPIError (5) KWShellClass.APIErrorHandler: Access is denied.", "",
                  "Error in KWShellClass, Driver Setup", "(5) Access is denied."}));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error in ShellClass.||(5) Access is denied.");
    EXPECT_EQ(dialogs.boxes[0].caption, "Driver Setup  ");
    EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.boxes[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(shell.LASTAPIERRORCODE, 5);
    EXPECT_EQ(shell.LASTAPIERROR.Value(), "KWShellClass.APIErrorHandler: Access is denied.");
}

TEST_F(Shell, ApiErrorHandlerAboveLevelZeroOnlyShowsTheBox) {
    KWShellClass shell;
    shell.DEBUGLEVEL = 1;
    sim.system.lastError = 5;
    sim.system.debugLines.clear();
    shell.APIErrorHandler("Caption");
    EXPECT_TRUE(sim.system.debugLines.empty());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error in ShellClass.||(5) Access is denied.");
    EXPECT_EQ(shell.LASTAPIERRORCODE, 5);
    EXPECT_EQ(shell.LASTAPIERROR.Value(), "KWShellClass.APIErrorHandler: Access is denied.");
}

TEST_F(Shell, ApiErrorHandlerShowsCodeZeroAndCodesWithoutText) {
    KWShellClass shell;
    sim.system.lastError = 0;
    shell.APIErrorHandler("A");
    sim.system.lastError = 1234;
    shell.APIErrorHandler("B");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "Error in ShellClass.||(0) The operation completed successfully.");
    EXPECT_EQ(dialogs.boxes[1].text, "Error in ShellClass.||(1234) ");
    EXPECT_EQ(sim.system.debugLines.back(), "(1234)");
}

class Launch : public Shell {
  protected:
    std::vector<std::string> Filtered() const {
        std::vector<std::string> out;
        for (const std::string& e : sim.log.Entries()) {
            if (e.rfind("ShellExecuteExA", 0) == 0 || e.rfind("Close", 0) == 0 ||
                e.rfind("OutputDebugStringA", 0) == 0) {
                out.push_back(e);
            }
        }
        return out;
    }
};

TEST_F(Launch, On64BitWindowsStartsFromThe32BitSystemFolder) {
    sim.system.wow64 = true;
    sim.shell.Script(SimShell::Start{true, 0x300, 0, 0, false});
    LaunchODBCAdmin();
    ASSERT_EQ(sim.shell.executeExCalls.size(), 1u);
    const ShellExecuteRecord& r = sim.shell.executeExCalls[0];
    EXPECT_EQ(r.verb, "open");
    EXPECT_EQ(r.file, "C:\\windows\\syswow64\\odbcad32.exe");
    EXPECT_EQ(r.parameters, std::nullopt);
    EXPECT_EQ(r.directory, "C:\\windows\\syswow64");
    EXPECT_EQ(r.show, 1);
    EXPECT_TRUE(sim.shell.calls.size() == 1 && sim.shell.calls[0] == "Close 768");
    EXPECT_TRUE(sim.shell.OpenHandles().empty());
    EXPECT_EQ(Filtered(),
              (std::vector<std::string>{"ShellExecuteExA open C:\\windows\\syswow64\\odbcad32.exe",
                                        "Close 768",
                                        "OutputDebugStringA 32Bit ODBC Administrator: "
                                        "C:\\windows\\syswow64\\odbcad32.exe"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Launch, On32BitWindowsStartsFromTheSystemFolder) {
    sim.system.wow64 = false;
    LaunchODBCAdmin();
    ASSERT_EQ(sim.shell.executeExCalls.size(), 1u);
    EXPECT_EQ(sim.shell.executeExCalls[0].file, "C:\\windows\\system32\\odbcad32.exe");
    EXPECT_EQ(sim.shell.executeExCalls[0].directory, "C:\\windows\\system32");
    EXPECT_EQ(sim.system.debugLines.back(),
              "32Bit ODBC Administrator: C:\\windows\\system32\\odbcad32.exe");
    EXPECT_TRUE(sim.shell.OpenHandles().empty());
}

TEST_F(Launch, WithoutWow64FunctionUsesTheSystemFolder) {
    sim.system.kernel32 = Lookup::NoFunction;
    LaunchODBCAdmin();
    ASSERT_EQ(sim.shell.executeExCalls.size(), 1u);
    EXPECT_EQ(sim.shell.executeExCalls[0].file, "C:\\windows\\system32\\odbcad32.exe");
}

TEST_F(Launch, EmptyFolderAndAFailedStartReportNothingButTheLines) {
    sim.system.shell32 = Lookup::NoLibrary;
    sim.shell.Script(SimShell::Start{false, 0, 2, 0, false});
    LaunchODBCAdmin();
    ASSERT_EQ(sim.shell.executeExCalls.size(), 1u);
    EXPECT_EQ(sim.shell.executeExCalls[0].file, "\\odbcad32.exe");
    EXPECT_EQ(sim.shell.executeExCalls[0].directory, "C:\\WORK~1");
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_EQ(sim.system.debugLines,
              (std::vector<std::string>{"GetLastAPIError (2) KWShellClass.KWRun: The system "
                                        "cannot find the file specified.",
                                        "32Bit ODBC Administrator: \\odbcad32.exe"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Launch, EachCallStartsAnotherAdministrator) {
    sim.system.wow64 = true;
    LaunchODBCAdmin();
    LaunchODBCAdmin();
    EXPECT_EQ(sim.shell.executeExCalls.size(), 2u);
    EXPECT_EQ(sim.shell.calls.size(), 2u);
    EXPECT_TRUE(sim.shell.OpenHandles().empty());
}

}  // namespace
}  // namespace tolvane
