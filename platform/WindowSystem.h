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
    virtual bool GetWindowRect(Handle window, Rect& rect) = 0;
    virtual bool MoveWindow(Handle window, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, bool repaint) = 0;
    virtual bool IsZoomed(Handle window) = 0;
    virtual bool IsIconic(Handle window) = 0;
    virtual void ShowWindow(Handle window, std::int32_t command) = 0;  // SW_ values
    virtual std::int32_t GetWindowLong(Handle window, std::int32_t index) = 0;
    // Texts through a buffer of `bufferSize` bytes; empty when the call fails.
    virtual std::string GetWindowText(Handle window, std::size_t bufferSize) = 0;
    virtual std::string GetClassName(Handle window, std::size_t bufferSize) = 0;
    // The owning process's identifier, 0 when the system cannot tell.
    virtual std::uint32_t GetWindowThreadProcessId(Handle window) = 0;
    virtual Handle GetParent(Handle window) = 0;
    virtual Handle GetDesktopWindow() = 0;

    // Top-level windows in the system's order; the visitor returns false to stop.
    virtual void EnumWindows(const std::function<bool(Handle)>& visit) = 0;
    // "GetModuleFileNameExA" from "Psapi.dll": the main module of the process
    // that owns `window`, opened with 0x0410 and closed again. `path` stays
    // empty when the process cannot be opened or the call fails.
    virtual Lookup GetModuleFileNameEx(Handle window, std::size_t bufferSize,
                                       std::string& path) = 0;

    // The screen.
    virtual std::int32_t GetSystemMetrics(std::int32_t index) = 0;
    virtual bool GetWorkArea(Rect& rect) = 0;  // SPI_GETWORKAREA

    // Monitors, through functions looked up in "User32.dll" at each use.
    // The visitor returns false to stop the enumeration.
    virtual Lookup EnumDisplayMonitors(const std::function<bool(Handle)>& visit) = 0;
    // `ok` tells whether GetMonitorInfoA itself succeeded.
    virtual Lookup GetMonitorInfo(Handle monitor, bool& ok, MonitorInfo& info) = 0;
    virtual Lookup MonitorFromWindow(Handle window, std::uint32_t flags, Handle& monitor) = 0;
};

}  // namespace tolvane
