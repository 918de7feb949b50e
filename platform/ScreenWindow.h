// The framework's view of an open dialog window: its window rectangle in
// dialog units (or pixels in Pixels mode) and its maximized and minimized
// state, read from and applied through the window system.
#pragma once

#include <cstdint>

#include "platform/Window.h"

namespace tolvane {

class WindowSystem;

// a * b / c rounded to nearest, halves away from zero, as MulDiv does; -1
// when c is 0 or the result does not fit.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

class ScreenWindow : public FrameworkWindow {
  public:
    ScreenWindow(DialogWindow& dialog, WindowSystem& windows);

    Handle GetHandle() const override { return dialog_.GetHandle(); }
    const WindowAttributes& Attributes() const override { return dialog_.Attributes(); }
    bool Pixels() const override { return pixels_; }
    void SetPixels(bool on) override { pixels_ = on; }
    std::int32_t Xpos() const override;
    std::int32_t Ypos() const override;
    std::int32_t Width() const override;
    std::int32_t Height() const override;
    void SetXpos(std::int32_t x) override;
    void SetYpos(std::int32_t y) override;
    void SetWidth(std::int32_t w) override;
    void SetHeight(std::int32_t h) override;
    bool Maximized() const override;
    bool Minimized() const override;
    void SetMaximized(bool on) override;
    void SetMinimized(bool on) override;

  private:
    Rect Current() const;
    bool Read(Rect& r) const;
    // Dialog units to pixels and back, horizontally and vertically.
    std::int32_t ToPixelsX(std::int32_t units) const;
    std::int32_t ToPixelsY(std::int32_t units) const;
    std::int32_t ToUnitsX(std::int32_t pixels) const;
    std::int32_t ToUnitsY(std::int32_t pixels) const;
    void MoveTo(const Rect& r);

    DialogWindow& dialog_;
    WindowSystem& windows_;
    bool pixels_ = false;
};

}  // namespace tolvane
