// Windows' window manager as the program needs it: geometry of a window,
// top-level window facts, screen metrics and monitors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Types.h"

namespace tolvane {

struct MonitorInfo {
    Rect monitor;
    Rect work;
    std::uint32_t flags = 0;  // MONITORINFOF_PRIMARY is 1
    std::string deviceName;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // One window.
    virtual bool WindowRect(Handle window, Rect& rect) = 0;
    virtual bool Move(Handle window, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, bool repaint) = 0;
    virtual bool IsMaximized(Handle window) = 0;
    virtual bool IsMinimized(Handle window) = 0;
    virtual void Show(Handle window, std::int32_t command) = 0;  // SW_ values
    virtual std::int32_t WindowLong(Handle window, std::int32_t index) = 0;
    // Texts through a buffer of `bufferSize` bytes; empty when the call fails.
    virtual std::string WindowText(Handle window, std::size_t bufferSize) = 0;
    virtual std::string ClassName(Handle window, std::size_t bufferSize) = 0;
    // The owning process's identifier, 0 when the system cannot tell.
    virtual std::uint32_t ProcessId(Handle window) = 0;
    virtual Handle Parent(Handle window) = 0;
    virtual Handle DesktopWindow() = 0;

    // Top-level windows in the system's order; the visitor returns false to stop.
    virtual void EnumTopWindows(const std::function<bool(Handle)>& visit) = 0;
    // "GetModuleFileNameExA" from "Psapi.dll": the main module of the process
    // that owns `window`, opened with 0x0410 and closed again. `path` stays
    // empty when the process cannot be opened or the call fails.
    virtual Lookup ModuleFileName(Handle window, std::size_t bufferSize, std::string& path) = 0;

    // The screen.
    virtual std::int32_t SystemMetric(std::int32_t index) = 0;
    virtual bool WorkArea(Rect& rect) = 0;  // SPI_GETWORKAREA

    // Monitors, through functions looked up in "User32.dll" at each use (the
    // names steer clear of the macros of <windows.h>, such as EnumMonitors).
    // The visitor returns false to stop the enumeration.
    virtual Lookup EnumerateMonitors(const std::function<bool(Handle)>& visit) = 0;
    // `ok` tells whether GetMonitorInfoA itself succeeded.
    virtual Lookup MonitorInfoOf(Handle monitor, bool& ok, MonitorInfo& info) = 0;
    virtual Lookup NearestMonitor(Handle window, std::uint32_t flags, Handle& monitor) = 0;
};

}  // namespace tolvane
