// A dialog window that a test types into and presses: a script of user
// actions that the event loop plays in order, with a record of the focus
// moves and of the window's life.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace tolvane::sim {

class SimLog;
class SimWindowSystem;

class SimDialogWindow : public DialogWindow {
  public:
    // The user's actions, played by RunEventLoop in the order given.
    // Typing replaces an entry's text (cut to its typing limit) and leaves
    // the entry, which accepts it when the text changed.
    SimDialogWindow& Type(int control, const std::string& text);
    SimDialogWindow& Press(int control);
    SimDialogWindow& Toggle(int control);
    // Runs a test's own code at this point of the loop.
    SimDialogWindow& Then(std::function<void()> step);

    bool Open() override;
    Handle GetHandle() const override { return handle; }
    const WindowAttributes& Attributes() const override { return attributes; }
    std::int32_t BaseUnitX() const override { return baseUnitX; }
    std::int32_t BaseUnitY() const override { return baseUnitY; }
    void RunEventLoop(const std::function<void(int control)>& accepted) override;
    void Close() override;
    void Destroy() override;
    std::string ControlText(int control) const override;
    void SetControlText(int control, const std::string& text) override;
    bool IsChecked(int control) const override;
    void SetChecked(int control, bool on) override;
    void SetFocus(int control) override;

    // The control that holds the focus now (0: none).
    int Focus() const { return focus_; }

    // The definition.
    Handle handle = 0x20020;
    std::int32_t baseUnitX = 7;
    std::int32_t baseUnitY = 15;
    WindowAttributes attributes;
    std::int32_t widthUnits = 0;  // client area, dialog units
    std::int32_t heightUnits = 0;
    std::vector<int> tabOrder;  // every control, in window order
    std::set<int> noFocus;      // prompts: the focus passes to the next control
    std::map<int, std::size_t> typingLimits;
    // When set, Open places the window centred in the work area there.
    SimWindowSystem* windows = nullptr;
    bool openFails = false;

    // What happened.
    std::vector<int> focusMoves;  // each SetFocus, as asked
    int opened = 0;
    int loops = 0;
    int closed = 0;
    int destroyed = 0;
    bool scriptRanOut = false;    // the loop ended without Close
    std::map<int, int> displays;  // SetControlText/SetChecked calls per control
    SimLog* log = nullptr;        // optional shared call log

  private:
    struct Action {
        enum Kind { Type, Press, Toggle, Then } kind;
        int control = 0;
        std::string text;
        std::function<void()> step;
    };
    void Note(const std::string& entry);
    std::vector<Action> script_;
    std::map<int, std::string> texts_;
    std::map<int, bool> checks_;
    int focus_ = 0;
    bool closing_ = false;
};

}  // namespace tolvane::sim
