// An in-memory window manager: windows and monitors that a test lays out,
// moves and show commands that are recorded, and switches that make the
// looked-up system functions missing or failing.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace tolvane::sim {

class SimLog;

struct SimWindow {
    Handle handle = 0;
    Rect rect;
    bool rectReadable = true;  // false: GetWindowRect fails
    std::int32_t style = 0;
    std::int32_t exStyle = 0;
    std::int32_t id = 0;
    std::string title;
    bool titleReadable = true;
    std::string className;
    bool classReadable = true;
    std::uint32_t processId = 0;
    Handle parent = 0;
    bool topLevel = true;  // reported by the top-level enumeration
    bool maximized = false;
    bool minimized = false;
};

struct SimProcess {
    std::string modulePath;
    bool canOpen = true;  // false: OpenProcess is refused
};

struct SimMonitor {
    Handle handle = 0;
    MonitorInfo info;
    bool infoFails = false;              // GetMonitorInfoA returns false for it
    Lookup infoLookup = Lookup::Called;  // GetMonitorInfoA missing for this one step
};

struct SimMove {
    Handle window = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool repaint = false;
};

struct SimShow {
    Handle window = 0;
    std::int32_t command = 0;
};

class SimWindowSystem : public WindowSystem {
  public:
    SimWindowSystem();

    // Layout. References stay valid for the sim's life.
    SimWindow& AddWindow(Handle handle, const Rect& rect = Rect{}, const std::string& title = "");
    SimWindow* Find(Handle handle);
    void RemoveWindow(Handle handle);
    void SetProcess(std::uint32_t processId, const std::string& modulePath, bool canOpen = true);
    SimMonitor& AddMonitor(Handle handle, const Rect& monitor, const Rect& work,
                           std::uint32_t flags = 0, const std::string& deviceName = "");
    void SetMetric(std::int32_t index, std::int32_t value) { metrics_[index] = value; }

    // WindowSystem
    bool WindowRect(Handle window, Rect& rect) override;
    bool Move(Handle window, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, bool repaint) override;
    bool IsMaximized(Handle window) override;
    bool IsMinimized(Handle window) override;
    void Show(Handle window, std::int32_t command) override;
    std::int32_t WindowLong(Handle window, std::int32_t index) override;
    std::string WindowText(Handle window, std::size_t bufferSize) override;
    std::string ClassName(Handle window, std::size_t bufferSize) override;
    std::uint32_t ProcessId(Handle window) override;
    Handle Parent(Handle window) override;
    Handle DesktopWindow() override { return desktop; }
    void EnumTopWindows(const std::function<bool(Handle)>& visit) override;
    Lookup ModuleFileName(Handle window, std::size_t bufferSize, std::string& path) override;
    std::int32_t SystemMetric(std::int32_t index) override;
    bool WorkArea(Rect& rect) override;
    Lookup EnumerateMonitors(const std::function<bool(Handle)>& visit) override;
    Lookup MonitorInfoOf(Handle monitor, bool& ok, MonitorInfo& info) override;
    Lookup NearestMonitor(Handle window, std::uint32_t flags, Handle& monitor) override;

    // Switches: what becomes of each looked-up function.
    Lookup enumDisplayMonitors = Lookup::Called;
    Lookup getMonitorInfo = Lookup::Called;
    Lookup monitorFromWindow = Lookup::Called;
    Lookup getModuleFileNameEx = Lookup::Called;
    // Nonzero: MonitorFromWindow answers this instead of working it out.
    Handle nearestOverride = 0;

    Rect workArea{0, 0, 1024, 768};
    bool workAreaReadable = true;
    Handle desktop = 0x10010;

    // What happened.
    std::vector<SimMove> moves;
    std::vector<SimShow> shows;
    std::vector<Handle> monitorInfoAsked;  // each GetMonitorInfoA call
    int monitorsEnumerated = 0;            // each EnumDisplayMonitors call
    int processesOpened = 0;
    int processesClosed = 0;
    SimLog* log = nullptr;  // optional shared call log

  private:
    void Note(const std::string& entry);
    std::map<Handle, SimWindow> windows_;
    std::vector<Handle> order_;  // top-level enumeration order
    std::map<std::uint32_t, SimProcess> processes_;
    std::deque<SimMonitor> monitors_;
    std::map<std::int32_t, std::int32_t> metrics_;
};

}  // namespace tolvane::sim
