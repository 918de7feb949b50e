// The main window from its resource, in this process: its definition, its
// fonts and icon, and how the event loop turns the controls' notifications
// into accepted control numbers.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/resource.h"
#include "tests/platform/OpenMainWindow.h"

namespace tolvane::win32 {
namespace {

class MainWindow : public testing::OpenMainWindow {
  protected:
    HWND Item(int control) const { return ::GetDlgItem(hwnd_, control); }
    LONG Style(int control) const { return ::GetWindowLongA(Item(control), GWL_STYLE); }

    // Runs the loop until "Cancel" is accepted (or a watchdog closes the
    // window) and gives back the accepted controls in order.
    std::vector<int> Run(const std::function<void(int)>& also = nullptr) {
        std::vector<int> accepted;
        watched_ = this;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 10000, &Watchdog);
        window_->RunEventLoop([&](int control) {
            accepted.push_back(control);
            if (also) also(control);
            if (control == IDC_CANCEL) window_->Close();
        });
        ::KillTimer(nullptr, timer);
        watched_ = nullptr;
        return accepted;
    }
    void Post(int control, UINT message, WPARAM w = 0, LPARAM l = 0) {
        ::PostMessageA(Item(control), message, w, l);
    }
    void Click(int control) { Post(control, BM_CLICK); }
    // What a user's typing does: the entry changes its own text.
    void UserText(int control, const char* text) {
        ::SendMessageA(Item(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }

    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
        if (watched_ != nullptr) watched_->window_->Close();
    }

    static MainWindow* watched_;
};
MainWindow* MainWindow::watched_ = nullptr;

TEST_F(MainWindow, HasTheFrameOfItsDefinition) {
    char caption[100] = {};
    ::GetWindowTextA(hwnd_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Install Topspeed ODBC driver in Registry");
    LONG style = ::GetWindowLongA(hwnd_, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & DS_MODALFRAME);
    EXPECT_FALSE(style & WS_SYSMENU) << "no close box";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    EXPECT_FALSE(::IsWindowVisible(hwnd_)) << "hidden until its loop runs";
    EXPECT_EQ(::GetMenu(hwnd_), nullptr);

    const WindowAttributes& a = window_->Attributes();
    EXPECT_TRUE(a.doubleBorder);
    EXPECT_TRUE(a.gray);
    EXPECT_FALSE(a.resize);
    EXPECT_FALSE(a.mdi);
    EXPECT_FALSE(a.noFrame);
    EXPECT_EQ(a.type, 0);

    RECT units{0, 0, 4, 8};
    ASSERT_TRUE(::MapDialogRect(hwnd_, &units));
    EXPECT_EQ(window_->BaseUnitX(), units.right);
    EXPECT_EQ(window_->BaseUnitY(), units.bottom);
    EXPECT_GT(window_->BaseUnitX(), 0);
    RECT size{0, 0, 363, 95};
    ::MapDialogRect(hwnd_, &size);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
}

TEST_F(MainWindow, HasTheTenControlsWhereTheDefinitionPutsThem) {
    // Position and size in dialog units; 0 marks a size left to the text.
    struct Row {
        int id;
        const char* klass;
        const char* text;
        int x, y, width, height;
    };
    const Row rows[] = {
        {1, "Static", "ODBC Path:", 6, 25, 40, 0},
        {2, "Edit", "", 49, 25, 286, 10},
        {3, "Button", "", 339, 23, 12, 12},
        {4, "Button", "Cancel", 303, 71, 48, 0},
        {5, "Button", "Add Driver", 118, 71, 0, 0},
        {6, "Static", "Driver Name:", 6, 39, 0, 0},
        {7, "Edit", "", 49, 39, 143, 10},
        {8, "Button", " Run ODBC Admin (32bit) after install", 49, 53, 0, 0},
        {9, "Button", "Run ODBC Admin", 45, 71, 0, 0},
        {10, "Static", nullptr, 49, 5, 149, 0},
    };
    HWND child = ::GetWindow(hwnd_, GW_CHILD);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(::GetDlgCtrlID(child), row.id) << "controls in the order of their numbers";
        char klass[32] = {};
        ::GetClassNameA(child, klass, sizeof klass);
        EXPECT_STREQ(klass, row.klass);
        if (row.text != nullptr) {
            EXPECT_EQ(window_->ControlText(row.id), row.text);
        }
        // A dialog template maps the corner and the size each on its own.
        RECT expected{row.x, row.y, row.width, row.height};
        ::MapDialogRect(hwnd_, &expected);
        RECT actual{};
        ::GetWindowRect(child, &actual);
        ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&actual), 2);
        if (row.id == 6 && actual.left < expected.left) {
            // Its text is wider than the layout's: it ends 3 units before its entry.
            RECT gap{0, 0, 3, 0};
            ::MapDialogRect(hwnd_, &gap);
            RECT entry{49, 39, 0, 0};
            ::MapDialogRect(hwnd_, &entry);
            EXPECT_EQ(actual.right, entry.left - gap.right);
        } else {
            EXPECT_EQ(actual.left, expected.left);
        }
        EXPECT_EQ(actual.top, expected.top);
        if (row.width != 0) {
            EXPECT_EQ(actual.right - actual.left, expected.right);
        }
        if (row.height != 0) {
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);

    EXPECT_EQ(Style(1) & SS_TYPEMASK, SS_RIGHT);
    EXPECT_EQ(Style(6) & SS_TYPEMASK, SS_RIGHT);
    EXPECT_EQ(Style(10) & SS_TYPEMASK, SS_LEFT);
    for (int button : {3, 4, 5, 9}) EXPECT_EQ(Style(button) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(Style(8) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_TRUE(Style(3) & BS_ICON);
    EXPECT_NE(::SendMessageA(Item(3), BM_GETIMAGE, IMAGE_ICON, 0), 0) << "the file-pick icon";
    char notice[200] = {};
    ::GetWindowTextA(Item(10), notice, sizeof notice);
    EXPECT_GT(std::string(notice).size(), 0u);
}

TEST_F(MainWindow, EveryTextFitsOneLineOfItsControl) {
    // Room that a control keeps for itself: a button's edges, a check box's box.
    struct Row {
        int id;
        int margin;
    };
    for (Row row :
         {Row{1, 0}, Row{4, 6}, Row{5, 6}, Row{6, 0}, Row{8, 16}, Row{9, 6}, Row{10, 0}}) {
        SCOPED_TRACE(row.id);
        HWND item = Item(row.id);
        std::string text = window_->ControlText(row.id);
        HDC dc = ::GetDC(item);
        auto font = reinterpret_cast<HFONT>(::SendMessageA(item, WM_GETFONT, 0, 0));
        HGDIOBJ old = ::SelectObject(dc, font);
        SIZE extent{};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ::SelectObject(dc, old);
        ::ReleaseDC(item, dc);
        RECT client{};
        ::GetClientRect(item, &client);
        EXPECT_LE(extent.cx + row.margin, client.right) << '"' << text << '"';
        EXPECT_LE(extent.cy, client.bottom) << '"' << text << '"';
    }
    // Grown to their text, the controls still keep clear of each other.
    for (int a = 1; a <= 10; ++a) {
        for (int b = a + 1; b <= 10; ++b) {
            RECT ra{}, rb{}, both{};
            ::GetWindowRect(Item(a), &ra);
            ::GetWindowRect(Item(b), &rb);
            EXPECT_FALSE(::IntersectRect(&both, &ra, &rb)) << a << " overlaps " << b;
        }
    }
}

TEST_F(MainWindow, TabsThroughTheControlsInTheirOrder) {
    std::vector<int> order;
    HWND at = Item(2);
    for (int i = 0; i < 8; ++i) {
        order.push_back(::GetDlgCtrlID(at));
        at = ::GetNextDlgTabItem(hwnd_, at, FALSE);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 2}));
}

TEST_F(MainWindow, EntriesStopTypingAtTheirLimits) {
    for (auto [control, limit] : {std::pair{2, 255}, std::pair{7, 100}}) {
        SCOPED_TRACE(control);
        EXPECT_EQ(::SendMessageA(Item(control), EM_GETLIMITTEXT, 0, 0), limit);
        for (int i = 0; i < limit + 20; ++i) ::SendMessageA(Item(control), WM_CHAR, 'a', 1);
        EXPECT_EQ(window_->ControlText(control), std::string(limit, 'a'));
    }
}

TEST_F(MainWindow, AddDriverIsBoldAndTheNoticeElevenPointBold) {
    auto fontOf = [&](int control) {
        LOGFONTA font{};
        ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(Item(control), WM_GETFONT, 0, 0)),
                     sizeof font, &font);
        return font;
    };
    LOGFONTA dialog{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)), sizeof dialog,
                 &dialog);
    EXPECT_STREQ(dialog.lfFaceName, "Segoe UI");
    EXPECT_EQ(dialog.lfWeight, FW_NORMAL);
    HDC dc = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(nullptr, dc);
    EXPECT_EQ(dialog.lfHeight, -::MulDiv(9, dpi, 72));

    EXPECT_EQ(fontOf(5).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(5).lfHeight, dialog.lfHeight);
    EXPECT_STREQ(fontOf(5).lfFaceName, "Segoe UI");
    EXPECT_EQ(fontOf(10).lfWeight, FW_BOLD);
    EXPECT_EQ(fontOf(10).lfHeight, -::MulDiv(11, dpi, 72));
    for (int control : {1, 2, 3, 4, 6, 7, 8, 9}) {
        SCOPED_TRACE(control);
        EXPECT_EQ(fontOf(control).lfWeight, FW_NORMAL);
        EXPECT_EQ(fontOf(control).lfHeight, dialog.lfHeight);
    }
}

TEST_F(MainWindow, ReleasesItsFontsAndIconWhenDestroyed) {
    auto bold = reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(5), WM_GETFONT, 0, 0));
    auto notice = reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(10), WM_GETFONT, 0, 0));
    auto icon = reinterpret_cast<HICON>(::SendMessageA(Item(3), BM_GETIMAGE, IMAGE_ICON, 0));
    ASSERT_EQ(::GetObjectType(bold), static_cast<DWORD>(OBJ_FONT));
    ASSERT_EQ(::GetObjectType(notice), static_cast<DWORD>(OBJ_FONT));
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    window_->Destroy();
    EXPECT_FALSE(::IsWindow(hwnd_));
    EXPECT_EQ(::GetObjectType(bold), 0u);
    EXPECT_EQ(::GetObjectType(notice), 0u);
    EXPECT_FALSE(::GetIconInfo(icon, &info));
    window_->Destroy();  // a second time is harmless
}

TEST_F(MainWindow, ControlTextAndCheckBoxAccess) {
    window_->SetControlText(2, "C:\\drivers\\c4otSDX.dll");
    EXPECT_EQ(window_->ControlText(2), "C:\\drivers\\c4otSDX.dll");
    EXPECT_FALSE(window_->IsChecked(8));
    window_->SetChecked(8, true);
    EXPECT_TRUE(window_->IsChecked(8));
    EXPECT_EQ(::IsDlgButtonChecked(hwnd_, 8), static_cast<UINT>(BST_CHECKED));
    window_->SetChecked(8, false);
    EXPECT_FALSE(window_->IsChecked(8));
}

TEST_F(MainWindow, ShowsWhenItsLoopRunsWithTheFocusPastThePrompt) {
    window_->SetFocus(1);  // a prompt: the focus goes on to the path entry
    HWND focusAtStart = nullptr;
    bool visible = false;
    ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    Run([&](int) {
        focusAtStart = ::GetFocus();
        visible = ::IsWindowVisible(hwnd_);
    });
    EXPECT_TRUE(visible);
    EXPECT_EQ(focusAtStart, Item(2));
}

TEST_F(MainWindow, SetFocusMovesToTheControlOrPastAPrompt) {
    std::vector<HWND> seen;
    ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    Run([&](int) {
        window_->SetFocus(7);
        seen.push_back(::GetFocus());
        window_->SetFocus(6);
        seen.push_back(::GetFocus());
        window_->SetFocus(2);
        seen.push_back(::GetFocus());
    });
    EXPECT_EQ(seen, (std::vector<HWND>{Item(7), Item(7), Item(2)}));
}

TEST_F(MainWindow, ButtonsAndTheCheckBoxAreAccepted) {
    for (int control : {3, 5, 9, 8, 8, 4}) Click(control);
    std::vector<bool> checked;
    EXPECT_EQ(Run([&](int control) {
                  if (control == 8) checked.push_back(window_->IsChecked(8));
              }),
              (std::vector<int>{3, 5, 9, 8, 8, 4}));
    EXPECT_EQ(checked, (std::vector<bool>{true, false}));
}

TEST_F(MainWindow, AnEntryIsAcceptedWhenLeftAfterAChange) {
    window_->SetFocus(2);
    Post(2, WM_CHAR, 'x', 1);
    Post(2, WM_KEYDOWN, VK_TAB, 0);  // leaves the entry: focus to the browse button
    Post(3, WM_KEYDOWN, VK_TAB, 0);  // nothing changed there
    Click(4);
    std::string atAccept;
    EXPECT_EQ(Run([&](int control) {
                  if (control == 2) atAccept = window_->ControlText(2);
              }),
              (std::vector<int>{2, 4}));
    EXPECT_EQ(atAccept, "x");
}

TEST_F(MainWindow, ChangedEntriesAreAcceptedBeforeAButtonActs) {
    UserText(7, "My Driver");
    UserText(2, "C:\\x.dll");
    Click(5);
    std::string nameAtPress;
    std::string pathAtPress;
    EXPECT_EQ(Run([&](int control) {
                  if (control == 5) {
                      nameAtPress = window_->ControlText(7);
                      pathAtPress = window_->ControlText(2);
                  }
                  if (control == 5) Click(4);
              }),
              (std::vector<int>{2, 7, 5, 4}));
    EXPECT_EQ(nameAtPress, "My Driver");
    EXPECT_EQ(pathAtPress, "C:\\x.dll");
}

TEST_F(MainWindow, TheProgramsOwnTextIsNoChange) {
    window_->SetControlText(2, "shown by the program");
    window_->SetControlText(7, "TopSpeed ODBC Driver");
    Click(4);
    EXPECT_EQ(Run(), (std::vector<int>{4}));
}

TEST_F(MainWindow, EnterAndEscapeAreNoPressOfAnyControl) {
    window_->SetFocus(2);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        Post(2, WM_KEYDOWN, key, 0);
        Post(2, WM_KEYUP, key, 0);
    }
    ::PostMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(IDCANCEL)));
    Click(4);
    EXPECT_EQ(Run(), (std::vector<int>{4}));
}

TEST_F(MainWindow, ClosingTheWindowOtherwiseActsAsCancel) {
    UserText(7, "kept");
    ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_EQ(Run(), (std::vector<int>{7, 4}));
}

TEST_F(MainWindow, NothingIsAcceptedOutsideTheLoop) {
    std::vector<int> accepted;
    UserText(2, "typed");
    Click(4);
    window_->RunEventLoop([&](int control) {
        accepted.push_back(control);
        if (control == IDC_CANCEL) window_->Close();
    });
    // After the loop: a change, a click and the lost focus reach nobody.
    UserText(7, "late");
    ::SendMessageA(Item(5), BM_CLICK, 0, 0);
    window_->Destroy();
    EXPECT_EQ(accepted, (std::vector<int>{2, 4}));
}

}  // namespace
}  // namespace tolvane::win32
