#include "platform/win32/Win32DialogWindow.h"

#include <vector>

#include "app/resource.h"

namespace tolvane::win32 {

namespace {

const WindowAttributes kAttributes = [] {
    WindowAttributes a;
    a.mdi = false;
    a.type = 0;
    a.doubleBorder = true;
    a.noFrame = false;
    a.resize = false;
    a.gray = true;
    return a;
}();

bool IsEntry(int control) { return control == IDC_ODBCPATH || control == IDC_DRIVERNAME; }

bool IsButton(int control) {
    return control == IDC_LOOKUPFILE || control == IDC_CANCEL || control == IDC_ADDDRIVER ||
           control == IDC_RUNODBCADMIN || control == IDC_RUNADMIN;
}

HFONT FontLike(HFONT base, LONG weight, int points) {
    LOGFONTA font{};
    if (base == nullptr || ::GetObjectA(base, sizeof font, &font) == 0) return nullptr;
    font.lfWeight = weight;
    if (points > 0) {
        HDC dc = ::GetDC(nullptr);
        font.lfHeight = -::MulDiv(points, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
        ::ReleaseDC(nullptr, dc);
    }
    return ::CreateFontIndirectA(&font);
}

SIZE TextExtent(HWND control) {
    SIZE extent{};
    int length = ::GetWindowTextLengthA(control);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    ::GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    HDC dc = ::GetDC(control);
    HGDIOBJ old =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    ::GetTextExtentPoint32A(dc, text.data(), length, &extent);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    extent.cy = metrics.tmHeight;
    return extent;
}

// Controls whose width or height the definition leaves to their text get
// the size that their text needs in the font they really have, which on
// another system may be wider than the one the layout was drawn with.
void NaturalSize(HWND dialog, int control, bool width, bool height) {
    HWND item = ::GetDlgItem(dialog, control);
    if (item == nullptr) return;
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(dialog, &units);
    const int baseX = units.right;
    const int baseY = units.bottom;
    char klass[16] = {};
    ::GetClassNameA(item, klass, sizeof klass);
    LONG style = ::GetWindowLongA(item, GWL_STYLE);
    SIZE text = TextExtent(item);
    int cx = text.cx;
    int cy = text.cy;
    if (::lstrcmpiA(klass, "Button") == 0) {
        if ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            // The box, the gap after it, and the text.
            cx += ::GetSystemMetrics(SM_CXMENUCHECK) + ::MulDiv(2, baseX, 4);
            cy = ::MulDiv(10, baseY, 8);
        } else {
            cx += 2 * ::MulDiv(4, baseX, 4);
            cy = ::MulDiv(14, baseY, 8);
        }
    }
    RECT r{};
    ::GetWindowRect(item, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    ::SetWindowPos(item, nullptr, 0, 0, width ? cx : r.right - r.left,
                   height ? cy : r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A right-aligned prompt that has grown into the entry it names moves left
// instead, so that its text ends a little before the entry, as it was laid out.
void KeepLeftOf(HWND dialog, int prompt, int entry) {
    HWND item = ::GetDlgItem(dialog, prompt);
    HWND next = ::GetDlgItem(dialog, entry);
    if (item == nullptr || next == nullptr) return;
    RECT units{0, 0, 3, 0};
    ::MapDialogRect(dialog, &units);
    RECT r{};
    RECT n{};
    ::GetWindowRect(item, &r);
    ::GetWindowRect(next, &n);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&n), 2);
    int limit = n.left - units.right;
    if (r.right <= limit) return;
    int left = limit - (r.right - r.left);
    ::SetWindowPos(item, nullptr, left > 0 ? left : 0, r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Win32DialogWindow::Win32DialogWindow(HINSTANCE instance, std::shared_ptr<HWND> owner)
    : instance_(instance), owner_(std::move(owner)) {}

Win32DialogWindow::~Win32DialogWindow() { Destroy(); }

bool Win32DialogWindow::Open() {
    if (hwnd_ != nullptr) return true;
    // The resource has no WS_VISIBLE: the window shows when its loop starts,
    // after the controller has placed it and filled the form.
    HWND hwnd = ::CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_MAIN), nullptr, &Procedure,
                                     reinterpret_cast<LPARAM>(this));
    if (hwnd == nullptr) return false;
    hwnd_ = hwnd;
    if (owner_) *owner_ = hwnd_;
    return true;
}

Handle Win32DialogWindow::GetHandle() const {
    return static_cast<Handle>(reinterpret_cast<INT_PTR>(hwnd_));
}

const WindowAttributes& Win32DialogWindow::Attributes() const { return kAttributes; }

std::int32_t Win32DialogWindow::BaseUnitX() const {
    RECT r{0, 0, 4, 8};
    return hwnd_ != nullptr && ::MapDialogRect(hwnd_, &r) ? r.right : 0;
}

std::int32_t Win32DialogWindow::BaseUnitY() const {
    RECT r{0, 0, 4, 8};
    return hwnd_ != nullptr && ::MapDialogRect(hwnd_, &r) ? r.bottom : 0;
}

void Win32DialogWindow::RunEventLoop(const std::function<void(int control)>& accepted) {
    if (hwnd_ == nullptr) return;
    accepted_ = accepted;
    closing_ = false;
    running_ = true;
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    if (pendingFocus_ != nullptr) {
        MoveFocus(pendingFocus_);
        pendingFocus_ = nullptr;
    }
    MSG msg;
    while (!closing_) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave WM_QUIT for whoever runs the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (!::IsDialogMessageA(hwnd_, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    running_ = false;
    accepted_ = nullptr;
}

void Win32DialogWindow::Close() {
    closing_ = true;
    if (hwnd_ != nullptr) ::PostMessageA(hwnd_, WM_NULL, 0, 0);  // wakes the loop
}

void Win32DialogWindow::Destroy() {
    running_ = false;
    if (hwnd_ != nullptr) {
        HWND hwnd = hwnd_;
        hwnd_ = nullptr;
        ::DestroyWindow(hwnd);
        if (owner_ && *owner_ == hwnd) *owner_ = nullptr;
    }
    // The controls are gone, so nothing uses the fonts and the icon any more.
    if (boldFont_ != nullptr) ::DeleteObject(boldFont_);
    if (noticeFont_ != nullptr) ::DeleteObject(noticeFont_);
    if (filePickIcon_ != nullptr) ::DestroyIcon(filePickIcon_);
    boldFont_ = nullptr;
    noticeFont_ = nullptr;
    filePickIcon_ = nullptr;
}

std::string Win32DialogWindow::ControlText(int control) const {
    HWND item = hwnd_ != nullptr ? ::GetDlgItem(hwnd_, control) : nullptr;
    if (item == nullptr) return std::string();
    int length = ::GetWindowTextLengthA(item);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(item, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

void Win32DialogWindow::SetControlText(int control, const std::string& text) {
    if (hwnd_ == nullptr) return;
    // The program's own display refresh is no change by the user.
    settingText_ = true;
    ::SetDlgItemTextA(hwnd_, control, text.c_str());
    settingText_ = false;
    if (control == IDC_ODBCPATH) pathChanged_ = false;
    if (control == IDC_DRIVERNAME) nameChanged_ = false;
}

bool Win32DialogWindow::IsChecked(int control) const {
    return hwnd_ != nullptr && ::IsDlgButtonChecked(hwnd_, control) == BST_CHECKED;
}

void Win32DialogWindow::SetChecked(int control, bool on) {
    if (hwnd_ != nullptr) ::CheckDlgButton(hwnd_, control, on ? BST_CHECKED : BST_UNCHECKED);
}

void Win32DialogWindow::SetFocus(int control) {
    HWND item = hwnd_ != nullptr ? ::GetDlgItem(hwnd_, control) : nullptr;
    if (item == nullptr) return;
    // A prompt takes no focus: it goes on to the next control that does.
    if ((::GetWindowLongA(item, GWL_STYLE) & WS_TABSTOP) == 0) {
        HWND next = ::GetNextDlgTabItem(hwnd_, item, FALSE);
        if (next != nullptr) item = next;
    }
    if (::IsWindowVisible(hwnd_)) {
        MoveFocus(item);
    } else {
        pendingFocus_ = item;  // a hidden window would lose it when shown
    }
}

void Win32DialogWindow::MoveFocus(HWND control) {
    ::SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

INT_PTR CALLBACK Win32DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->Initialise(hwnd);
        return FALSE;  // the focus is placed by SetFocus once the window shows
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    switch (message) {
        case WM_COMMAND:
            return self->Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_CLOSE:
            // Alt+F4 or the task bar: closes the way "Cancel" does, so the
            // form is saved however the window goes.
            self->CommitEntries();
            self->Accept(IDC_CANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

void Win32DialogWindow::Initialise(HWND hwnd) {
    hwnd_ = hwnd;
    ::SendDlgItemMessageA(hwnd, IDC_ODBCPATH, EM_LIMITTEXT, TOLVANE_ODBCPATH_LIMIT, 0);
    ::SendDlgItemMessageA(hwnd, IDC_DRIVERNAME, EM_LIMITTEXT, TOLVANE_DRIVERNAME_LIMIT, 0);

    auto base = reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0));
    boldFont_ = FontLike(base, FW_BOLD, 0);
    noticeFont_ = FontLike(base, FW_BOLD, 11);
    if (boldFont_ != nullptr) {
        ::SendDlgItemMessageA(hwnd, IDC_ADDDRIVER, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_),
                              FALSE);
    }
    if (noticeFont_ != nullptr) {
        ::SendDlgItemMessageA(hwnd, IDC_NOTICE, WM_SETFONT, reinterpret_cast<WPARAM>(noticeFont_),
                              FALSE);
    }
    NaturalSize(hwnd, IDC_ODBCPATH_PROMPT, false, true);
    NaturalSize(hwnd, IDC_CANCEL, false, true);
    NaturalSize(hwnd, IDC_ADDDRIVER, true, true);
    NaturalSize(hwnd, IDC_DRIVERNAME_PROMPT, true, true);
    KeepLeftOf(hwnd, IDC_DRIVERNAME_PROMPT, IDC_DRIVERNAME);
    NaturalSize(hwnd, IDC_RUNODBCADMIN, true, true);
    NaturalSize(hwnd, IDC_RUNADMIN, true, true);
    NaturalSize(hwnd, IDC_NOTICE, false, true);
    filePickIcon_ = static_cast<HICON>(
        ::LoadImageA(instance_, MAKEINTRESOURCEA(IDI_FILEPICK), IMAGE_ICON, 16, 16, 0));
    if (filePickIcon_ != nullptr) {
        ::SendDlgItemMessageA(hwnd, IDC_LOOKUPFILE, BM_SETIMAGE, IMAGE_ICON,
                              reinterpret_cast<LPARAM>(filePickIcon_));
    }
}

bool Win32DialogWindow::Command(int control, int code, HWND from) {
    // Only the controls' own notifications count: the dialog manager's
    // IDOK and IDCANCEL for Enter and Escape carry the numbers of controls
    // 1 and 2 with a button's code, and are no press of anything.
    if (from == nullptr || from != ::GetDlgItem(hwnd_, control)) return false;
    if (IsEntry(control)) {
        bool& changed = control == IDC_ODBCPATH ? pathChanged_ : nameChanged_;
        if (code == EN_CHANGE && !settingText_) {
            changed = true;
        } else if (code == EN_KILLFOCUS && changed) {
            changed = false;
            Accept(control);
        }
        return true;
    }
    if (IsButton(control) && code == BN_CLICKED) {
        // An entry's text reaches its field before any button acts on it.
        CommitEntries();
        Accept(control);
        return true;
    }
    return false;
}

void Win32DialogWindow::CommitEntries() {
    if (pathChanged_) {
        pathChanged_ = false;
        Accept(IDC_ODBCPATH);
    }
    if (nameChanged_) {
        nameChanged_ = false;
        Accept(IDC_DRIVERNAME);
    }
}

void Win32DialogWindow::Accept(int control) {
    if (running_ && accepted_) accepted_(control);
}

}  // namespace tolvane::win32
