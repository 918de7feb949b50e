// The program's main window from its resource, opened in this process for
// one test and destroyed with the fixture.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "platform/Window.h"
#include "platform/win32/Win32DialogWindow.h"
#include "platform/win32/Win32Dialogs.h"

namespace tolvane::testing {

class OpenMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = dialogs_.CreateMainWindow();
        ASSERT_TRUE(window_->Open());
        hwnd_ = static_cast<win32::Win32DialogWindow&>(*window_).Window();
    }

    win32::Win32Dialogs dialogs_{::GetModuleHandleA(nullptr)};
    std::unique_ptr<DialogWindow> window_;
    HWND hwnd_ = nullptr;
};

}  // namespace tolvane::testing
