#include "platform/sim/SimDialogs.h"

#include "platform/FileSystem.h"
#include "platform/sim/SimLog.h"

namespace tolvane::sim {

namespace {

// The program's hold on the main window; the window itself stays with the sim.
class Lent : public DialogWindow {
  public:
    Lent(SimDialogWindow& window, int& released) : w_(window), released_(released) {}
    ~Lent() override { ++released_; }
    bool Open() override { return w_.Open(); }
    Handle GetHandle() const override { return w_.GetHandle(); }
    const WindowAttributes& Attributes() const override { return w_.Attributes(); }
    std::int32_t BaseUnitX() const override { return w_.BaseUnitX(); }
    std::int32_t BaseUnitY() const override { return w_.BaseUnitY(); }
    void RunEventLoop(const std::function<void(int)>& accepted) override {
        w_.RunEventLoop(accepted);
    }
    void Close() override { w_.Close(); }
    void Destroy() override { w_.Destroy(); }
    std::string ControlText(int control) const override { return w_.ControlText(control); }
    void SetControlText(int control, const std::string& text) override {
        w_.SetControlText(control, text);
    }
    bool IsChecked(int control) const override { return w_.IsChecked(control); }
    void SetChecked(int control, bool on) override { w_.SetChecked(control, on); }
    void SetFocus(int control) override { w_.SetFocus(control); }

  private:
    SimDialogWindow& w_;
    int& released_;
};

}  // namespace

SimDialogs::SimDialogs() {
    mainWindow.widthUnits = 363;
    mainWindow.heightUnits = 95;
    mainWindow.attributes.doubleBorder = true;
    mainWindow.attributes.gray = true;
    mainWindow.tabOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    mainWindow.noFocus = {1, 6, 10};
    mainWindow.typingLimits = {{2, 255}, {7, 100}};
}

void SimDialogs::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons) {
    messages.push_back(SimMessage{text, caption, icon, buttons});
    if (log != nullptr) log->Add("Message " + caption);
}

FileDialogResult SimDialogs::AskOpenFile(const FileDialogSettings& settings) {
    fileDialogs.push_back(settings);
    if (log != nullptr) log->Add("AskOpenFile");
    if (fileAnswers.empty()) return FileDialogResult{};
    SimFileAnswer answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (!answer.browseTo.empty() && files != nullptr) files->ChangeDirectory(answer.browseTo);
    return answer.result;
}

std::unique_ptr<DialogWindow> SimDialogs::CreateMainWindow() {
    ++mainWindowsCreated;
    if (log != nullptr) log->Add("CreateMainWindow");
    return std::make_unique<Lent>(mainWindow, mainWindowsReleased);
}

}  // namespace tolvane::sim
