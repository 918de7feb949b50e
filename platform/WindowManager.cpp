#include "platform/WindowManager.h"

#include "platform/ScreenWindow.h"
#include "platform/Services.h"
#include "platform/Text.h"

namespace tolvane {

FormWindow::FormWindow(std::unique_ptr<DialogWindow> dialog) : dialog_(std::move(dialog)) {}

void FormWindow::BindText(int control, std::string& field, std::size_t capacity) {
    bindings_.push_back(Binding{control, &field, capacity, nullptr});
}

void FormWindow::BindFlag(int control, std::uint8_t& field) {
    bindings_.push_back(Binding{control, nullptr, 0, &field});
}

void FormWindow::Display() {
    for (const Binding& b : bindings_) {
        if (b.text != nullptr) {
            dialog_->SetControlText(b.control, *b.text);
        } else {
            dialog_->SetChecked(b.control, *b.flag != 0);
        }
    }
}

void FormWindow::Update(int control) {
    for (const Binding& b : bindings_) {
        if (b.control != control) continue;
        if (b.text != nullptr) {
            *b.text = text::Cut(dialog_->ControlText(control), b.capacity);
        } else {
            *b.flag = dialog_->IsChecked(control) ? 1 : 0;
        }
    }
}

WindowManager::WindowManager(FormWindow& window) : window_(window) {}

WindowManager::~WindowManager() {
    // The window stops being the thread's current one with its manager.
    if (registered_ && Current().currentWindow == screen_.get()) {
        Current().currentWindow = previousCurrent_;
    }
}

Level WindowManager::Run() {
    if (PrepareWindow() == Level::Benign) {
        window_.Display();
        window_.Dialog().RunEventLoop([this](int control) { HandleAccepted(control); });
    }
    FinishWindow();
    return Level::Benign;
}

Level WindowManager::PrepareWindow() {
    closers_ = std::make_unique<std::vector<Closer>>();
    return Level::Benign;
}

Level WindowManager::HandleAccepted(int control) {
    window_.Update(control);
    if (closers_ != nullptr) {
        for (const Closer& c : *closers_) {
            if (c.control == control) {
                RESPONSE = c.response;
                window_.Dialog().Close();
                break;
            }
        }
    }
    return Level::Benign;
}

Level WindowManager::FinishWindow() {
    if (finished_) return Level::Notify;
    finished_ = true;
    closers_.reset();
    return Level::Benign;
}

Level WindowManager::Open() {
    if (!window_.Dialog().Open()) return Level::Fatal;
    OPENED = true;
    if (WindowSystem* windows = Current().windows) {
        screen_ = std::make_unique<ScreenWindow>(window_.Dialog(), *windows);
        previousCurrent_ = Current().currentWindow;
        Current().currentWindow = screen_.get();
        registered_ = true;
    }
    window_.Dialog().SetFocus(FIRSTFIELD);
    return Level::Benign;
}

void WindowManager::AddItem(int control, Response response) {
    if (closers_ == nullptr) closers_ = std::make_unique<std::vector<Closer>>();
    closers_->push_back(Closer{control, response});
}

FrameworkWindow* WindowManager::Screen() { return screen_.get(); }

}  // namespace tolvane
