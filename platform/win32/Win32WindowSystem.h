// The window manager through the ANSI Win32 API. The monitor functions and
// GetModuleFileNameExA are looked up by name at each use and their library
// released within the call, so the program does not import them.
#pragma once

#include "platform/WindowSystem.h"

namespace tolvane::win32 {

class Win32WindowSystem : public WindowSystem {
  public:
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
    Handle DesktopWindow() override;
    void EnumTopWindows(const std::function<bool(Handle)>& visit) override;
    Lookup ModuleFileName(Handle window, std::size_t bufferSize, std::string& path) override;
    std::int32_t SystemMetric(std::int32_t index) override;
    bool WorkArea(Rect& rect) override;
    Lookup EnumerateMonitors(const std::function<bool(Handle)>& visit) override;
    Lookup MonitorInfoOf(Handle monitor, bool& ok, MonitorInfo& info) override;
    Lookup NearestMonitor(Handle window, std::uint32_t flags, Handle& monitor) override;
};

}  // namespace tolvane::win32
