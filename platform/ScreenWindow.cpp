#include "platform/ScreenWindow.h"

#include <cstdlib>

#include "platform/WindowSystem.h"

namespace tolvane {

namespace {
// ShowWindow commands.
constexpr std::int32_t kSwMaximize = 3;
constexpr std::int32_t kSwMinimize = 6;
constexpr std::int32_t kSwRestore = 9;
}  // namespace

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    long long product = static_cast<long long>(a) * b;
    bool negative = (product < 0) != (c < 0);
    long long p = std::llabs(product);
    long long d = std::llabs(static_cast<long long>(c));
    long long q = (p + d / 2) / d;
    if (q > INT32_MAX) return -1;
    return static_cast<std::int32_t>(negative ? -q : q);
}

ScreenWindow::ScreenWindow(DialogWindow& dialog, WindowSystem& windows)
    : dialog_(dialog), windows_(windows) {}

// An unreadable rectangle reads as all zeros.
Rect ScreenWindow::Current() const {
    Rect r;
    if (!windows_.WindowRect(dialog_.GetHandle(), r)) return Rect{};
    return r;
}

bool ScreenWindow::Read(Rect& r) const { return windows_.WindowRect(dialog_.GetHandle(), r); }

std::int32_t ScreenWindow::ToPixelsX(std::int32_t units) const {
    return pixels_ ? units : MulDiv(units, dialog_.BaseUnitX(), 4);
}
std::int32_t ScreenWindow::ToPixelsY(std::int32_t units) const {
    return pixels_ ? units : MulDiv(units, dialog_.BaseUnitY(), 8);
}
std::int32_t ScreenWindow::ToUnitsX(std::int32_t pixels) const {
    return pixels_ ? pixels : MulDiv(pixels, 4, dialog_.BaseUnitX());
}
std::int32_t ScreenWindow::ToUnitsY(std::int32_t pixels) const {
    return pixels_ ? pixels : MulDiv(pixels, 8, dialog_.BaseUnitY());
}

std::int32_t ScreenWindow::Xpos() const { return ToUnitsX(Current().left); }
std::int32_t ScreenWindow::Ypos() const { return ToUnitsY(Current().top); }
std::int32_t ScreenWindow::Width() const {
    Rect r = Current();
    return ToUnitsX(r.right - r.left);
}
std::int32_t ScreenWindow::Height() const {
    Rect r = Current();
    return ToUnitsY(r.bottom - r.top);
}

void ScreenWindow::MoveTo(const Rect& r) {
    windows_.Move(dialog_.GetHandle(), r.left, r.top, r.right - r.left, r.bottom - r.top, true);
}

// Each setter changes one side and keeps the others in exact pixels, so
// that setting one property never shifts another by a rounding; a window
// whose rectangle cannot be read is left alone.
void ScreenWindow::SetXpos(std::int32_t x) {
    Rect r;
    if (!Read(r)) return;
    std::int32_t left = ToPixelsX(x);
    MoveTo(Rect{left, r.top, left + (r.right - r.left), r.bottom});
}

void ScreenWindow::SetYpos(std::int32_t y) {
    Rect r;
    if (!Read(r)) return;
    std::int32_t top = ToPixelsY(y);
    MoveTo(Rect{r.left, top, r.right, top + (r.bottom - r.top)});
}

void ScreenWindow::SetWidth(std::int32_t w) {
    Rect r;
    if (!Read(r)) return;
    MoveTo(Rect{r.left, r.top, r.left + ToPixelsX(w), r.bottom});
}

void ScreenWindow::SetHeight(std::int32_t h) {
    Rect r;
    if (!Read(r)) return;
    MoveTo(Rect{r.left, r.top, r.right, r.top + ToPixelsY(h)});
}

bool ScreenWindow::Maximized() const { return windows_.IsMaximized(dialog_.GetHandle()); }
bool ScreenWindow::Minimized() const { return windows_.IsMinimized(dialog_.GetHandle()); }

// Only a change of state reaches the window system: restoring a window that
// is not maximized (or not minimized) would undo the other state.
void ScreenWindow::SetMaximized(bool on) {
    if (on == Maximized()) return;
    windows_.Show(dialog_.GetHandle(), on ? kSwMaximize : kSwRestore);
}

void ScreenWindow::SetMinimized(bool on) {
    if (on == Minimized()) return;
    windows_.Show(dialog_.GetHandle(), on ? kSwMinimize : kSwRestore);
}

}  // namespace tolvane
