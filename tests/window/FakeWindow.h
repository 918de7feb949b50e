// A framework window for the tests: positions held in pixels, shown in
// dialog units (half the pixels) unless the pixel mode is on.
#pragma once

#include <vector>

#include "platform/Window.h"

namespace tolvane::test {

class FakeWindow : public FrameworkWindow {
  public:
    Handle GetHandle() const override { return handle; }
    const WindowAttributes& Attributes() const override { return attributes; }
    bool Pixels() const override { return pixels; }
    void SetPixels(bool on) override {
        pixels = on;
        pixelModes.push_back(on);
    }
    std::int32_t Xpos() const override { return Show(x); }
    std::int32_t Ypos() const override { return Show(y); }
    std::int32_t Width() const override { return Show(width); }
    std::int32_t Height() const override { return Show(height); }
    void SetXpos(std::int32_t v) override { x = Take(v); }
    void SetYpos(std::int32_t v) override { y = Take(v); }
    void SetWidth(std::int32_t v) override { width = Take(v); }
    void SetHeight(std::int32_t v) override { height = Take(v); }
    bool Maximized() const override { return maximized; }
    bool Minimized() const override { return minimized; }
    void SetMaximized(bool on) override { maximized = on; }
    void SetMinimized(bool on) override { minimized = on; }

    Handle handle = 0x1000;
    WindowAttributes attributes;
    bool pixels = false;
    std::vector<bool> pixelModes;  // every SetPixels, in order
    // In pixels.
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximized = false;
    bool minimized = false;

  private:
    std::int32_t Show(std::int32_t px) const { return pixels ? px : px / 2; }
    std::int32_t Take(std::int32_t v) const { return pixels ? v : v * 2; }
};

}  // namespace tolvane::test
