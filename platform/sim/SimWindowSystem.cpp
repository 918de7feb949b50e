#include "platform/sim/SimWindowSystem.h"

#include <algorithm>

#include "platform/Text.h"
#include "platform/sim/SimLog.h"

namespace tolvane::sim {

namespace {

constexpr std::int32_t kGwlStyle = -16;
constexpr std::int32_t kGwlExStyle = -20;
constexpr std::int32_t kGwlId = -12;

std::string Fit(const std::string& s, std::size_t bufferSize) {
    // The system writes at most bufferSize - 1 characters and a terminator.
    return bufferSize == 0 ? std::string() : s.substr(0, bufferSize - 1);
}

std::int64_t Overlap(const Rect& a, const Rect& b) {
    std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

std::int64_t Distance(const Rect& a, const Rect& b) {
    std::int64_t dx =
        std::max<std::int64_t>({0, std::int64_t{b.left} - a.right, std::int64_t{a.left} - b.right});
    std::int64_t dy =
        std::max<std::int64_t>({0, std::int64_t{b.top} - a.bottom, std::int64_t{a.top} - b.bottom});
    return dx * dx + dy * dy;
}

}  // namespace

SimWindowSystem::SimWindowSystem() {
    // Metrics of a classic desktop; a test sets what it relies on.
    metrics_ = {{4, 23}, {51, 17}, {5, 1}, {6, 1}, {45, 2}, {46, 2}, {32, 4}, {33, 4}};
}

void SimWindowSystem::Note(const std::string& entry) {
    if (log != nullptr) log->Add(entry);
}

SimWindow& SimWindowSystem::AddWindow(Handle handle, const Rect& rect, const std::string& title) {
    SimWindow& w = windows_[handle];
    w.handle = handle;
    w.rect = rect;
    w.title = title;
    if (std::find(order_.begin(), order_.end(), handle) == order_.end()) order_.push_back(handle);
    return w;
}

SimWindow* SimWindowSystem::Find(Handle handle) {
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : &it->second;
}

void SimWindowSystem::RemoveWindow(Handle handle) {
    windows_.erase(handle);
    order_.erase(std::remove(order_.begin(), order_.end(), handle), order_.end());
}

void SimWindowSystem::SetProcess(std::uint32_t processId, const std::string& modulePath,
                                 bool canOpen) {
    processes_[processId] = SimProcess{modulePath, canOpen};
}

SimMonitor& SimWindowSystem::AddMonitor(Handle handle, const Rect& monitor, const Rect& work,
                                        std::uint32_t flags, const std::string& deviceName) {
    SimMonitor m;
    m.handle = handle;
    m.info.monitor = monitor;
    m.info.work = work;
    m.info.flags = flags;
    m.info.deviceName = deviceName;
    monitors_.push_back(m);
    return monitors_.back();
}

bool SimWindowSystem::WindowRect(Handle window, Rect& rect) {
    SimWindow* w = Find(window);
    if (w == nullptr || !w->rectReadable) return false;
    rect = w->rect;
    return true;
}

bool SimWindowSystem::Move(Handle window, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, bool repaint) {
    Note("MoveWindow " + text::Decimal(x) + "," + text::Decimal(y) + "," + text::Decimal(width) +
         "," + text::Decimal(height));
    moves.push_back(SimMove{window, x, y, width, height, repaint});
    SimWindow* w = Find(window);
    if (w == nullptr) return false;
    w->rect = Rect{x, y, x + width, y + height};
    return true;
}

bool SimWindowSystem::IsMaximized(Handle window) {
    SimWindow* w = Find(window);
    return w != nullptr && w->maximized;
}

bool SimWindowSystem::IsMinimized(Handle window) {
    SimWindow* w = Find(window);
    return w != nullptr && w->minimized;
}

void SimWindowSystem::Show(Handle window, std::int32_t command) {
    Note("ShowWindow " + text::Decimal(command));
    shows.push_back(SimShow{window, command});
    SimWindow* w = Find(window);
    if (w == nullptr) return;
    switch (command) {
        case 3:  // SW_MAXIMIZE
            w->maximized = true;
            w->minimized = false;
            break;
        case 2:  // SW_SHOWMINIMIZED
        case 6:  // SW_MINIMIZE
        case 7:  // SW_SHOWMINNOACTIVE
            w->minimized = true;
            break;
        case 1:  // SW_SHOWNORMAL
        case 9:  // SW_RESTORE
            w->maximized = false;
            w->minimized = false;
            break;
        default:
            break;
    }
}

std::int32_t SimWindowSystem::WindowLong(Handle window, std::int32_t index) {
    SimWindow* w = Find(window);
    if (w == nullptr) return 0;
    switch (index) {
        case kGwlStyle:
            return w->style;
        case kGwlExStyle:
            return w->exStyle;
        case kGwlId:
            return w->id;
        default:
            return 0;
    }
}

std::string SimWindowSystem::WindowText(Handle window, std::size_t bufferSize) {
    SimWindow* w = Find(window);
    return w == nullptr || !w->titleReadable ? std::string() : Fit(w->title, bufferSize);
}

std::string SimWindowSystem::ClassName(Handle window, std::size_t bufferSize) {
    SimWindow* w = Find(window);
    return w == nullptr || !w->classReadable ? std::string() : Fit(w->className, bufferSize);
}

std::uint32_t SimWindowSystem::ProcessId(Handle window) {
    SimWindow* w = Find(window);
    return w == nullptr ? 0 : w->processId;
}

Handle SimWindowSystem::Parent(Handle window) {
    SimWindow* w = Find(window);
    return w == nullptr ? 0 : w->parent;
}

void SimWindowSystem::EnumTopWindows(const std::function<bool(Handle)>& visit) {
    // A copy, so that a visitor may add or remove windows.
    std::vector<Handle> order = order_;
    for (Handle h : order) {
        SimWindow* w = Find(h);
        if (w == nullptr || !w->topLevel) continue;
        if (!visit(h)) break;
    }
}

Lookup SimWindowSystem::ModuleFileName(Handle window, std::size_t bufferSize, std::string& path) {
    path.clear();
    if (getModuleFileNameEx != Lookup::Called) return getModuleFileNameEx;
    auto it = processes_.find(ProcessId(window));
    if (it == processes_.end() || !it->second.canOpen) return Lookup::Called;
    ++processesOpened;
    path = Fit(it->second.modulePath, bufferSize);
    ++processesClosed;
    return Lookup::Called;
}

std::int32_t SimWindowSystem::SystemMetric(std::int32_t index) {
    auto it = metrics_.find(index);
    return it == metrics_.end() ? 0 : it->second;
}

bool SimWindowSystem::WorkArea(Rect& rect) {
    if (!workAreaReadable) return false;
    rect = workArea;
    return true;
}

Lookup SimWindowSystem::EnumerateMonitors(const std::function<bool(Handle)>& visit) {
    if (enumDisplayMonitors != Lookup::Called) return enumDisplayMonitors;
    ++monitorsEnumerated;
    Note("EnumDisplayMonitors");
    std::vector<Handle> handles;
    for (const SimMonitor& m : monitors_) handles.push_back(m.handle);
    for (Handle h : handles) {
        if (!visit(h)) break;
    }
    return Lookup::Called;
}

Lookup SimWindowSystem::MonitorInfoOf(Handle monitor, bool& ok, MonitorInfo& info) {
    ok = false;
    if (getMonitorInfo != Lookup::Called) return getMonitorInfo;
    auto it = std::find_if(monitors_.begin(), monitors_.end(),
                           [monitor](const SimMonitor& m) { return m.handle == monitor; });
    if (it != monitors_.end() && it->infoLookup != Lookup::Called) return it->infoLookup;
    monitorInfoAsked.push_back(monitor);
    if (it == monitors_.end() || it->infoFails) return Lookup::Called;
    info = it->info;
    ok = true;
    return Lookup::Called;
}

Lookup SimWindowSystem::NearestMonitor(Handle window, std::uint32_t /*flags*/, Handle& monitor) {
    monitor = 0;
    if (monitorFromWindow != Lookup::Called) return monitorFromWindow;
    if (nearestOverride != 0) {
        monitor = nearestOverride;
        return Lookup::Called;
    }
    // As the system does: the monitor with the largest share of the window,
    // else the closest one.
    Rect r;
    if (SimWindow* w = Find(window)) r = w->rect;
    std::int64_t bestOverlap = 0;
    for (const SimMonitor& m : monitors_) {
        std::int64_t o = Overlap(r, m.info.monitor);
        if (o > bestOverlap) {
            bestOverlap = o;
            monitor = m.handle;
        }
    }
    if (monitor != 0) return Lookup::Called;
    std::int64_t bestDistance = -1;
    for (const SimMonitor& m : monitors_) {
        std::int64_t d = Distance(r, m.info.monitor);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            monitor = m.handle;
        }
    }
    return Lookup::Called;
}

}  // namespace tolvane::sim
