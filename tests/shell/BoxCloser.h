// Closes the message boxes that this process shows (the shell shows its own
// when it cannot start a program) and keeps their texts.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/WinTestSupport.h"

namespace tolvane::testing {

class BoxCloser {
  public:
    BoxCloser() : thread_([this] { Run(); }) {}
    ~BoxCloser() {
        stop_ = true;
        thread_.join();
    }
    BoxCloser(const BoxCloser&) = delete;
    BoxCloser& operator=(const BoxCloser&) = delete;

    std::vector<std::string> Closed() {
        std::lock_guard<std::mutex> lock(lock_);
        return closed_;
    }

  private:
    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        if (IsVisibleDialogOf(window, ::GetCurrentProcessId())) {
            reinterpret_cast<BoxCloser*>(self)->Close(window);
        }
        return TRUE;
    }
    static BOOL CALLBACK Texts(HWND child, LPARAM out) {
        char cls[64] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        if (std::string(cls) == "Static") {
            char t[1024] = {};
            ::GetWindowTextA(child, t, sizeof t);
            *reinterpret_cast<std::string*>(out) += t;
        }
        return TRUE;
    }
    void Close(HWND box) {
        std::string text;
        ::EnumChildWindows(box, Texts, reinterpret_cast<LPARAM>(&text));
        {
            std::lock_guard<std::mutex> lock(lock_);
            closed_.push_back(text);
        }
        // As a user pressing OK, once the box has settled.
        ::Sleep(300);
        PressOk(box);
        ::Sleep(200);
    }
    void Run() {
        while (!stop_) {
            ::EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            ::Sleep(50);
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex lock_;
    std::vector<std::string> closed_;
    std::thread thread_;
};

}  // namespace tolvane::testing
