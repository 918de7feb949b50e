// The window services against the real window manager, under Wine: monitors,
// another program's window found by title and by program file, the position
// report on the debug output, and a window brought back onto the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/Text.h"
#include "shell/KWShellClass.h"
#include "tests/WinTestSupport.h"
#include "tests/foundation/DebugListener.h"
#include "tests/foundation/Win32Services.h"
#include "tests/window/FakeWindow.h"
#include "window/KWWindowPlacementClass.h"

namespace tolvane {
namespace {

using namespace std::chrono_literals;

Handle ToHandle(HWND h) { return static_cast<Handle>(reinterpret_cast<std::intptr_t>(h)); }
HWND ToHwnd(Handle h) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(h)); }

// The window host is built beside this test program.
std::string HostPath() { return testing::ThisFolder() + "\\window_host.exe"; }

class Win32Windows : public ::testing::Test {
  protected:
    Win32Windows() : windows(real.windows) { Current().currentWindow = &window; }

    testing::Win32Services real;
    WindowSystem& windows;
    test::FakeWindow window;
};

TEST_F(Win32Windows, MonitorsOfTheDisplay) {
    std::vector<Handle> monitors;
    ASSERT_EQ(windows.EnumerateMonitors([&](Handle m) {
        monitors.push_back(m);
        return true;
    }),
              Lookup::Called);
    ASSERT_FALSE(monitors.empty());
    int primaries = 0;
    for (Handle m : monitors) {
        bool ok = false;
        MonitorInfo info;
        ASSERT_EQ(windows.MonitorInfoOf(m, ok, info), Lookup::Called);
        ASSERT_TRUE(ok);
        EXPECT_LT(info.monitor.left, info.monitor.right);
        EXPECT_LE(info.monitor.left, info.work.left);
        EXPECT_GE(info.monitor.right, info.work.right);
        EXPECT_FALSE(info.deviceName.empty());
        if (info.flags == 1) ++primaries;
    }
    EXPECT_EQ(primaries, 1);
    Handle nearest = 0;
    EXPECT_EQ(windows.NearestMonitor(windows.DesktopWindow(), 2, nearest), Lookup::Called);
    EXPECT_NE(nearest, 0);
    Rect work;
    ASSERT_TRUE(windows.WorkArea(work));
    EXPECT_LT(work.left, work.right);

    KWWindowPlacementClass placement;
    EXPECT_EQ(placement.GetMonitors(), monitors.size());
}

// Another program's window: its host is started, found, and closed again.
class HostedWindow : public Win32Windows {
  protected:
    void SetUp() override {
        hostPath = HostPath();
        title = "Tolvane Window Probe " + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(testing::StartProgram(hostPath, " \"" + title + "\"", nullptr, process))
            << hostPath;
        CloseHandle(process.hThread);
        testing::WaitFor(
            [&] { return (host = FindWindowA("TolvaneWindowHost", title.c_str())) != nullptr; },
            20s, 50ms);
        ASSERT_NE(host, nullptr) << "the host's window did not appear";
    }
    void TearDown() override {
        if (host != nullptr) PostMessageA(host, WM_CLOSE, 0, 0);
        if (process.hProcess != nullptr) {
            if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
                TerminateProcess(process.hProcess, 1);
            }
            CloseHandle(process.hProcess);
        }
    }
    std::string hostPath;
    std::string title;
    PROCESS_INFORMATION process{};
    HWND host = nullptr;
};

TEST_F(HostedWindow, FoundByTitleAndByProgram) {
    KWShellClass shell;
    EXPECT_EQ(shell.FindTopWindow(text::Upper(title.substr(8)), 1, 0), ToHandle(host));
    EXPECT_EQ(shell.FindTopWindow(title + "  ", 1, 1), ToHandle(host));

    // The program's module, as the system names it.
    const std::string module = shell.GetWindowModuleName(ToHandle(host));
    EXPECT_EQ(text::Upper(module), text::Upper(hostPath));
    EXPECT_EQ(shell.GetWindowProcessID(ToHandle(host)),
              static_cast<std::int32_t>(process.dwProcessId));

    // By the full path of its program: the first window of that program,
    // which may be another window the host's thread owns.
    const std::int32_t byPath = shell.FindTopWindow(hostPath, 0, 1);
    ASSERT_NE(byPath, 0);
    DWORD owner = 0;
    GetWindowThreadProcessId(ToHwnd(byPath), &owner);
    EXPECT_EQ(owner, process.dwProcessId);

    // Its record in the list.
    bool listed = false;
    for (const TWindowRecord& r : *shell.TOPWINDOWS) {
        if (r.CWHWND != ToHandle(host)) continue;
        listed = true;
        EXPECT_EQ(r.TEXT, title);
        EXPECT_EQ(r.CLASSNAME, "TolvaneWindowHost");
        EXPECT_EQ(r.MODULEEXENAME, text::Upper(shell.GetFileParts(hostPath, 12)));
        EXPECT_NE(r.STYLE & WS_CAPTION, 0);
    }
    EXPECT_TRUE(listed);
}

TEST_F(Win32Windows, PositionReportReachesTheDebugOutput) {
    testing::DebugListener listener;
    ASSERT_TRUE(listener.Ready());
    window.x = 40;
    window.y = 30;
    window.width = 200;
    window.height = 100;
    {
        KWShellClass shell;
        shell.DebugWindowInfo("Wine test   ");
    }
    // This process's lines, once all fourteen arrived.
    std::vector<std::string> lines;
    testing::WaitFor(
        [&] {
            lines.clear();
            for (const testing::DebugListener::Line& l : listener.Lines()) {
                if (l.processId == GetCurrentProcessId()) lines.push_back(l.text);
            }
            return lines.size() >= 14;
        },
        10s);
    // The construction of the shell object sends nothing; the report is all.
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], std::string(80, '-'));
    EXPECT_EQ(lines[2], "Window Information from Wine test");
    EXPECT_EQ(lines[3], " Position Information, Dialog units:");
    EXPECT_EQ(lines[4], "   X Position:        20");
    EXPECT_EQ(lines[7], "   Height:            50");
    EXPECT_EQ(lines[8], " Position Information, Pixels:");
    EXPECT_EQ(lines[9], "   X Position:        40");
    EXPECT_EQ(lines[12], "   Height:            100");
    EXPECT_EQ(lines[13], std::string(80, '-'));
}

// A hidden window of this process, placed by the real window manager.
class PlacedWindow : public Win32Windows {
  protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TolvanePlacementProbe";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "Placement probe", WS_OVERLAPPEDWINDOW, 0, 0,
                               300, 200, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(hwnd, nullptr);
        window.handle = ToHandle(hwnd);
        window.attributes.resize = true;
        ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    }
    void TearDown() override {
        if (hwnd != nullptr) DestroyWindow(hwnd);
    }
    void PlaceAt(int x, int y) {
        ASSERT_TRUE(MoveWindow(hwnd, x, y, 300, 200, FALSE));
        window.x = x;
        window.y = y;
        window.width = 300;
        window.height = 200;
    }
    RECT Now() {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r;
    }
    HWND hwnd = nullptr;
    RECT work{};
};

TEST_F(PlacedWindow, FarOffTheScreenComesBackInsideTheWorkArea) {
    PlaceAt(work.right + 5000, work.bottom + 5000);
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    const RECT r = Now();
    EXPECT_GE(r.left, work.left);
    EXPECT_GE(r.top, work.top);
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_FALSE(window.pixels);
}

TEST_F(PlacedWindow, InsideTheWorkAreaStaysPut) {
    PlaceAt(work.left + 50, work.top + 60);
    KWWindowPlacementClass placement;
    placement.FixWindowPosition();
    const RECT r = Now();
    EXPECT_EQ(r.left, work.left + 50);
    EXPECT_EQ(r.top, work.top + 60);
    EXPECT_EQ(placement.TOTALPERCENT, Decimal::FromInt(100));
}

}  // namespace
}  // namespace tolvane
