#include "platform/sim/SimDialogWindow.h"

#include <algorithm>

#include "platform/ScreenWindow.h"
#include "platform/Text.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimWindowSystem.h"

namespace tolvane::sim {

void SimDialogWindow::Note(const std::string& entry) {
    if (log != nullptr) log->Add("Window " + entry);
}

SimDialogWindow& SimDialogWindow::Type(int control, const std::string& text) {
    script_.push_back(Action{Action::Type, control, text, nullptr});
    return *this;
}

SimDialogWindow& SimDialogWindow::Press(int control) {
    script_.push_back(Action{Action::Press, control, "", nullptr});
    return *this;
}

SimDialogWindow& SimDialogWindow::Toggle(int control) {
    script_.push_back(Action{Action::Toggle, control, "", nullptr});
    return *this;
}

SimDialogWindow& SimDialogWindow::Then(std::function<void()> step) {
    script_.push_back(Action{Action::Then, 0, "", std::move(step)});
    return *this;
}

bool SimDialogWindow::Open() {
    Note("Open");
    if (openFails) return false;
    ++opened;
    if (windows != nullptr) {
        // Client area plus a dialog frame and caption, centred in the work area.
        std::int32_t w = MulDiv(widthUnits, baseUnitX, 4) + 6;
        std::int32_t h = MulDiv(heightUnits, baseUnitY, 8) + 29;
        const Rect& work = windows->workArea;
        std::int32_t x = work.left + (work.right - work.left - w) / 2;
        std::int32_t y = work.top + (work.bottom - work.top - h) / 2;
        windows->AddWindow(handle, Rect{x, y, x + w, y + h});
    }
    return true;
}

void SimDialogWindow::RunEventLoop(const std::function<void(int control)>& accepted) {
    Note("RunEventLoop");
    ++loops;
    closing_ = false;
    for (const Action& a : script_) {
        if (closing_) break;
        switch (a.kind) {
            case Action::Type: {
                focus_ = a.control;
                std::string typed = a.text;
                auto limit = typingLimits.find(a.control);
                if (limit != typingLimits.end()) typed = text::Cut(typed, limit->second);
                bool changed = typed != texts_[a.control];
                texts_[a.control] = typed;
                Note("Type " + text::Decimal(a.control));
                if (changed) accepted(a.control);
                break;
            }
            case Action::Press:
                focus_ = a.control;
                Note("Press " + text::Decimal(a.control));
                accepted(a.control);
                break;
            case Action::Toggle:
                focus_ = a.control;
                checks_[a.control] = !checks_[a.control];
                Note("Toggle " + text::Decimal(a.control));
                accepted(a.control);
                break;
            case Action::Then:
                a.step();
                break;
        }
    }
    if (!closing_) scriptRanOut = true;
    script_.clear();
}

void SimDialogWindow::Close() {
    Note("Close");
    ++closed;
    closing_ = true;
}

void SimDialogWindow::Destroy() {
    Note("Destroy");
    ++destroyed;
    if (windows != nullptr) windows->RemoveWindow(handle);
}

std::string SimDialogWindow::ControlText(int control) const {
    auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
}

void SimDialogWindow::SetControlText(int control, const std::string& text) {
    ++displays[control];
    texts_[control] = text;
}

bool SimDialogWindow::IsChecked(int control) const {
    auto it = checks_.find(control);
    return it != checks_.end() && it->second;
}

void SimDialogWindow::SetChecked(int control, bool on) {
    ++displays[control];
    checks_[control] = on;
}

void SimDialogWindow::SetFocus(int control) {
    focusMoves.push_back(control);
    Note("SetFocus " + text::Decimal(control));
    // A prompt takes no focus: it goes on to the next control that does.
    auto at = std::find(tabOrder.begin(), tabOrder.end(), control);
    if (at == tabOrder.end()) {
        focus_ = control;
        return;
    }
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        int candidate = *(tabOrder.begin() + ((at - tabOrder.begin() + i) % tabOrder.size()));
        if (noFocus.count(candidate) == 0) {
            focus_ = candidate;
            return;
        }
    }
}

}  // namespace tolvane::sim
