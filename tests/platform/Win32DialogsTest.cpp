// Message boxes and the open-file dialog as the program shows them, answered
// from a second thread the way a user would answer them.
#include <windows.h>
// The common dialogs' headers need windows.h before them.
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/win32/Win32Dialogs.h"
#include "tests/WinTestSupport.h"
#include "tests/platform/OpenMainWindow.h"
#include "tests/platform/TempDir.h"

namespace tolvane::win32 {
namespace {

// Waits on its own thread for a dialog of this process other than `skip`,
// hands it to `answer`, and so lets the modal call on the test's thread return.
class Answerer {
  public:
    Answerer(HWND skip, std::function<void(HWND)> answer)
        : thread_([this, skip, answer] {
              HWND found = nullptr;
              if (!testing::WaitFor([&] {
                      return (found = testing::FindDialogOf(::GetCurrentProcessId(), skip)) !=
                             nullptr;
                  })) {
                  return;
              }
              seen_ = true;
              answer(found);
          }) {}
    ~Answerer() {
        if (thread_.joinable()) thread_.join();
    }
    bool Seen() {
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

  private:
    std::atomic<bool> seen_{false};
    std::thread thread_;
};

std::string Text(HWND w) {
    char text[1024] = {};
    ::GetWindowTextA(w, text, sizeof text);
    return text;
}

class Win32DialogsTest : public testing::OpenMainWindow {};

TEST_F(Win32DialogsTest, AMessageBoxBreaksLinesAtBarsAndBelongsToTheMainWindow) {
    struct Row {
        MessageIcon icon;
        bool shown;
    };
    for (Row row : {Row{MessageIcon::Error, true}, Row{MessageIcon::None, false}}) {
        testing::Box box;
        Answerer answer(hwnd_, [&](HWND found) {
            box = testing::ReadBox(found);
            testing::PressOk(found);
        });
        dialogs_.ShowMessage("The driver could not be written to the registry.|Access denied.",
                             "ERROR:  Driver Not Registered!", row.icon, MessageButtons::Ok);
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(box.caption, "ERROR:  Driver Not Registered!");
        EXPECT_EQ(box.text, "The driver could not be written to the registry.\r\nAccess denied.");
        EXPECT_EQ(box.owner, hwnd_);
        EXPECT_EQ(box.icon, row.shown);
    }
}

TEST_F(Win32DialogsTest, WithoutItsWindowAMessageBoxHasNoOwner) {
    window_->Destroy();
    HWND owner = hwnd_;
    Answerer answer(nullptr, [&](HWND box) {
        owner = ::GetWindow(box, GW_OWNER);
        testing::PressOk(box);
    });
    dialogs_.ShowMessage("text", "caption", MessageIcon::None, MessageButtons::Ok);
    ASSERT_TRUE(answer.Seen());
    EXPECT_EQ(owner, nullptr);
}

TEST(Win32DialogsFilter, BarsBecomeNulsWithADoubleNulAtTheEnd) {
    const char expected[] = "ZIV ADEZ Driver\0c4otSDX.dll\0Read Only\0c4otRDX.dll\0";
    EXPECT_EQ(Win32Dialogs::FilterText("ZIV ADEZ Driver|c4otSDX.dll|Read Only|c4otRDX.dll"),
              std::string(expected, sizeof expected));  // the literal's own NUL is the second
}

// The file-selection object's settings for the browse button.
FileDialogSettings BrowseSettings() {
    FileDialogSettings s;
    s.title = "Select Topspeed ODBC driver";
    s.mask = "ZIV ADEZ Driver|c4otSDX.dll|ZIV ADEZ Driver (Read Only)|c4otRDX.dll";
    s.flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return s;
}

class FileDialog : public Win32DialogsTest {
  protected:
    void SetUp() override {
        Win32DialogsTest::SetUp();
        ::GetCurrentDirectoryA(sizeof saved_, saved_);
        ASSERT_TRUE(::SetCurrentDirectoryA(dir_.Path().c_str()));
        ::GetCurrentDirectoryA(sizeof here_, here_);
        dir_.Write("c4otSDX.dll", "MZ");
        dir_.Write("c4otRDX.dll", "MZ");
    }
    void TearDown() override { ::SetCurrentDirectoryA(saved_); }
    testing::TempDir dir_;
    char saved_[MAX_PATH] = {};
    char here_[MAX_PATH] = {};
};

TEST_F(FileDialog, OpensInTheWorkingFolderWithTheFirstTypeAndGivesTheChosenPath) {
    std::string title, folder, firstType, secondType;
    LRESULT types = 0, selected = -1;
    HWND owner = nullptr;
    Answerer answer(hwnd_, [&](HWND dlg) {
        title = Text(dlg);
        owner = ::GetWindow(dlg, GW_OWNER);
        char buffer[MAX_PATH] = {};
        ::SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        folder = buffer;
        HWND combo = ::GetDlgItem(dlg, cmb1);
        types = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
        selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
        ::SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer));
        firstType = buffer;
        ::SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buffer));
        secondType = buffer;
        ::SendMessageA(dlg, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>("c4otRDX.dll"));
        ::PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    });
    FileDialogResult result = dialogs_.AskOpenFile(BrowseSettings());
    ASSERT_TRUE(answer.Seen());
    EXPECT_EQ(title, "Select Topspeed ODBC driver");
    EXPECT_EQ(owner, hwnd_);
    EXPECT_EQ(folder, here_);
    EXPECT_EQ(types, 2);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(firstType, "ZIV ADEZ Driver");
    EXPECT_EQ(secondType, "ZIV ADEZ Driver (Read Only)");
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.path, std::string(here_) + "\\c4otRDX.dll");
}

TEST_F(FileDialog, CancelledGivesNoPath) {
    Answerer answer(hwnd_, [&](HWND dlg) { ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); });
    FileDialogResult result = dialogs_.AskOpenFile(BrowseSettings());
    ASSERT_TRUE(answer.Seen());
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.path, "");
}

}  // namespace
}  // namespace tolvane::win32
