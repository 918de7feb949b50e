// The replaced framework's windows: the properties of an open window, and
// the program's one dialog window with its controls and event loop.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Types.h"

namespace tolvane {

// Attributes fixed by a window's definition.
struct WindowAttributes {
    bool mdi = false;           // Mdi: an MDI child
    std::int32_t type = 0;      // Type: 24 is an application frame
    bool doubleBorder = false;  // Double
    bool noFrame = false;       // NoFrame
    bool resize = false;        // Resize: the user can resize it
    bool gray = false;          // Gray: the three-dimensional dialog look
};

// An open window as the framework shows it to the program. Xpos, Ypos, Width
// and Height are the window rectangle's corner and size, in dialog units
// unless Pixels is on.
class FrameworkWindow {
  public:
    virtual ~FrameworkWindow() = default;
    virtual Handle GetHandle() const = 0;
    virtual const WindowAttributes& Attributes() const = 0;
    virtual bool Pixels() const = 0;
    virtual void SetPixels(bool on) = 0;
    virtual std::int32_t Xpos() const = 0;
    virtual std::int32_t Ypos() const = 0;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
    virtual void SetXpos(std::int32_t x) = 0;
    virtual void SetYpos(std::int32_t y) = 0;
    virtual void SetWidth(std::int32_t w) = 0;
    virtual void SetHeight(std::int32_t h) = 0;
    virtual bool Maximized() const = 0;
    virtual bool Minimized() const = 0;
    virtual void SetMaximized(bool on) = 0;  // off restores the normal size
    virtual void SetMinimized(bool on) = 0;
};

// The program's dialog window, built from its definition; controls are
// reached by their numbers.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;
    // Creates the window, not yet shown. False when it cannot be created.
    virtual bool Open() = 0;
    virtual Handle GetHandle() const = 0;
    virtual const WindowAttributes& Attributes() const = 0;
    // Pixels per 4 horizontal and per 8 vertical dialog units.
    virtual std::int32_t BaseUnitX() const = 0;
    virtual std::int32_t BaseUnitY() const = 0;
    // Shows the window and runs its events until Close; each accepted
    // control (a button pressed, an entry left after a change, the check
    // box toggled) reaches `accepted` with its number.
    virtual void RunEventLoop(const std::function<void(int control)>& accepted) = 0;
    virtual void Close() = 0;
    virtual void Destroy() = 0;
    virtual std::string ControlText(int control) const = 0;
    virtual void SetControlText(int control, const std::string& text) = 0;
    virtual bool IsChecked(int control) const = 0;
    virtual void SetChecked(int control, bool on) = 0;
    virtual void SetFocus(int control) = 0;
};

}  // namespace tolvane
