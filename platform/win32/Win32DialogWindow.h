// The main window: the DIALOGEX resource IDD_MAIN run as a modeless dialog
// with its own message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/Window.h"

namespace tolvane::win32 {

class Win32DialogWindow : public DialogWindow {
  public:
    // `owner` is told the window's handle while it exists, so that message
    // boxes and the file dialog can be owned by it.
    Win32DialogWindow(HINSTANCE instance, std::shared_ptr<HWND> owner);
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    bool Open() override;
    Handle GetHandle() const override;
    const WindowAttributes& Attributes() const override;
    std::int32_t BaseUnitX() const override;
    std::int32_t BaseUnitY() const override;
    void RunEventLoop(const std::function<void(int control)>& accepted) override;
    void Close() override;
    void Destroy() override;
    std::string ControlText(int control) const override;
    void SetControlText(int control, const std::string& text) override;
    bool IsChecked(int control) const override;
    void SetChecked(int control, bool on) override;
    void SetFocus(int control) override;

    HWND Window() const { return hwnd_; }

  private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Initialise(HWND hwnd);
    bool Command(int control, int code, HWND from);
    void Accept(int control);
    void CommitEntries();
    void MoveFocus(HWND control);

    HINSTANCE instance_;
    std::shared_ptr<HWND> owner_;
    HWND hwnd_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT noticeFont_ = nullptr;
    HICON filePickIcon_ = nullptr;
    std::function<void(int)> accepted_;
    bool running_ = false;
    bool closing_ = false;
    bool settingText_ = false;
    bool pathChanged_ = false;
    bool nameChanged_ = false;
    HWND pendingFocus_ = nullptr;
};

}  // namespace tolvane::win32
