// A debug-output viewer for tests: it takes the DBWIN_BUFFER side of the
// protocol that OutputDebugStringA speaks, and keeps the lines it receives.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tolvane::testing {

class DebugListener {
  public:
    struct Line {
        DWORD processId;
        std::string text;
    };

    DebugListener() {
        mutex_ = ::CreateMutexA(nullptr, FALSE, "DBWinMutex");
        bufferReady_ = ::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
        dataReady_ = ::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
        mapping_ = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                        "DBWIN_BUFFER");
        view_ =
            mapping_ != nullptr ? ::MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 4096) : nullptr;
        if (Ready()) thread_ = std::thread([this] { Run(); });
    }
    ~DebugListener() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (view_ != nullptr) ::UnmapViewOfFile(view_);
        for (HANDLE h : {mapping_, dataReady_, bufferReady_, mutex_}) {
            if (h != nullptr) ::CloseHandle(h);
        }
    }
    DebugListener(const DebugListener&) = delete;
    DebugListener& operator=(const DebugListener&) = delete;

    bool Ready() const {
        return mutex_ != nullptr && bufferReady_ != nullptr && dataReady_ != nullptr &&
               view_ != nullptr;
    }

    std::vector<Line> Lines() {
        std::lock_guard<std::mutex> lock(lock_);
        return lines_;
    }

    // Waits until a line equal to `text` has arrived.
    bool WaitFor(const std::string& text, int milliseconds = 10000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end) {
            for (const Line& line : Lines()) {
                if (line.text == text) return true;
            }
            ::Sleep(20);
        }
        return false;
    }

  private:
    void Run() {
        while (!stop_) {
            ::SetEvent(bufferReady_);
            if (::WaitForSingleObject(dataReady_, 50) != WAIT_OBJECT_0) continue;
            const char* data = static_cast<const char*>(view_);
            Line line;
            std::memcpy(&line.processId, data, sizeof(DWORD));
            line.text.assign(data + sizeof(DWORD), ::strnlen(data + sizeof(DWORD), 4096 - 4));
            std::lock_guard<std::mutex> lock(lock_);
            lines_.push_back(line);
        }
    }

    HANDLE mutex_ = nullptr;
    HANDLE bufferReady_ = nullptr;
    HANDLE dataReady_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex lock_;
    std::vector<Line> lines_;
};

}  // namespace tolvane::testing
