#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/Library.h"

namespace tolvane::win32 {

namespace {

HWND ToHwnd(Handle h) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(h)); }

template <typename T>
Handle ToHandle(T h) {
    return static_cast<Handle>(reinterpret_cast<std::intptr_t>(h));
}

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// A process handle closed when it goes out of scope.
class ProcessHandle {
  public:
    explicit ProcessHandle(HANDLE h) : handle_(h) {}
    ~ProcessHandle() {
        if (handle_ != nullptr) ::CloseHandle(handle_);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

using EnumDisplayMonitorsFn = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
using GetMonitorInfoAFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using GetModuleFileNameExAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

BOOL CALLBACK VisitMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* visit = reinterpret_cast<const std::function<bool(Handle)>*>(data);
    return (*visit)(ToHandle(monitor)) ? TRUE : FALSE;
}

BOOL CALLBACK VisitWindow(HWND window, LPARAM data) {
    auto* visit = reinterpret_cast<const std::function<bool(Handle)>*>(data);
    return (*visit)(ToHandle(window)) ? TRUE : FALSE;
}

std::string Text(const std::vector<char>& buffer, int got) {
    return got <= 0 ? std::string() : std::string(buffer.data(), static_cast<std::size_t>(got));
}

}  // namespace

bool Win32WindowSystem::WindowRect(Handle window, Rect& rect) {
    RECT r{};
    if (!::GetWindowRect(ToHwnd(window), &r)) return false;
    rect = ToRect(r);
    return true;
}

bool Win32WindowSystem::Move(Handle window, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, bool repaint) {
    return ::MoveWindow(ToHwnd(window), x, y, width, height, repaint ? TRUE : FALSE) != 0;
}

bool Win32WindowSystem::IsMaximized(Handle window) { return ::IsZoomed(ToHwnd(window)) != 0; }

bool Win32WindowSystem::IsMinimized(Handle window) { return ::IsIconic(ToHwnd(window)) != 0; }

void Win32WindowSystem::Show(Handle window, std::int32_t command) {
    ::ShowWindow(ToHwnd(window), command);
}

std::int32_t Win32WindowSystem::WindowLong(Handle window, std::int32_t index) {
    return static_cast<std::int32_t>(::GetWindowLongA(ToHwnd(window), index));
}

std::string Win32WindowSystem::WindowText(Handle window, std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    std::vector<char> buffer(bufferSize, '\0');
    return Text(buffer,
                ::GetWindowTextA(ToHwnd(window), buffer.data(), static_cast<int>(bufferSize)));
}

std::string Win32WindowSystem::ClassName(Handle window, std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    std::vector<char> buffer(bufferSize, '\0');
    return Text(buffer,
                ::GetClassNameA(ToHwnd(window), buffer.data(), static_cast<int>(bufferSize)));
}

std::uint32_t Win32WindowSystem::ProcessId(Handle window) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(ToHwnd(window), &id);
    return id;
}

Handle Win32WindowSystem::Parent(Handle window) { return ToHandle(::GetParent(ToHwnd(window))); }

Handle Win32WindowSystem::DesktopWindow() { return ToHandle(::GetDesktopWindow()); }

void Win32WindowSystem::EnumTopWindows(const std::function<bool(Handle)>& visit) {
    ::EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

Lookup Win32WindowSystem::ModuleFileName(Handle window, std::size_t bufferSize, std::string& path) {
    path.clear();
    Library psapi("Psapi.dll");
    if (!psapi.Loaded()) return Lookup::NoLibrary;
    auto getModuleFileNameEx = psapi.Find<GetModuleFileNameExAFn>("GetModuleFileNameExA");
    if (getModuleFileNameEx == nullptr) return Lookup::NoFunction;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(ToHwnd(window), &processId);
    ProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (process.Get() == nullptr || bufferSize == 0) return Lookup::Called;
    std::vector<char> buffer(bufferSize, '\0');
    DWORD got =
        getModuleFileNameEx(process.Get(), nullptr, buffer.data(), static_cast<DWORD>(bufferSize));
    path = Text(buffer, static_cast<int>(got));
    return Lookup::Called;
}

std::int32_t Win32WindowSystem::SystemMetric(std::int32_t index) {
    return ::GetSystemMetrics(index);
}

bool Win32WindowSystem::WorkArea(Rect& rect) {
    RECT r{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return false;
    rect = ToRect(r);
    return true;
}

Lookup Win32WindowSystem::EnumerateMonitors(const std::function<bool(Handle)>& visit) {
    Library user32("User32.dll");
    if (!user32.Loaded()) return Lookup::NoLibrary;
    auto enumDisplayMonitors = user32.Find<EnumDisplayMonitorsFn>("EnumDisplayMonitors");
    if (enumDisplayMonitors == nullptr) return Lookup::NoFunction;
    enumDisplayMonitors(nullptr, nullptr, VisitMonitor, reinterpret_cast<LPARAM>(&visit));
    return Lookup::Called;
}

Lookup Win32WindowSystem::MonitorInfoOf(Handle monitor, bool& ok, MonitorInfo& info) {
    ok = false;
    Library user32("User32.dll");
    if (!user32.Loaded()) return Lookup::NoLibrary;
    auto getMonitorInfo = user32.Find<GetMonitorInfoAFn>("GetMonitorInfoA");
    if (getMonitorInfo == nullptr) return Lookup::NoFunction;
    MONITORINFOEXA mi{};
    mi.cbSize = sizeof(mi);  // 72: the extended record with the device name
    mi.szDevice[0] = '\0';
    HMONITOR h = reinterpret_cast<HMONITOR>(static_cast<std::intptr_t>(monitor));
    if (!getMonitorInfo(h, reinterpret_cast<LPMONITORINFO>(&mi))) return Lookup::Called;
    ok = true;
    info.monitor = ToRect(mi.rcMonitor);
    info.work = ToRect(mi.rcWork);
    info.flags = mi.dwFlags;
    mi.szDevice[sizeof(mi.szDevice) - 1] = '\0';
    info.deviceName = mi.szDevice;
    return Lookup::Called;
}

Lookup Win32WindowSystem::NearestMonitor(Handle window, std::uint32_t flags, Handle& monitor) {
    monitor = 0;
    Library user32("User32.dll");
    if (!user32.Loaded()) return Lookup::NoLibrary;
    auto monitorFromWindow = user32.Find<MonitorFromWindowFn>("MonitorFromWindow");
    if (monitorFromWindow == nullptr) return Lookup::NoFunction;
    monitor = ToHandle(monitorFromWindow(ToHwnd(window), flags));
    return Lookup::Called;
}

}  // namespace tolvane::win32
