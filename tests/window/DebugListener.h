// Listens to the system debug output the way a debug-output viewer does
// (the DBWIN_BUFFER protocol) and keeps the lines of this process.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tolvane::test {

class DebugListener {
  public:
    DebugListener() {
        bufferReady_ = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
        dataReady_ = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
        mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize,
                                      "DBWIN_BUFFER");
        if (mapping_ != nullptr) view_ = MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, kSize);
        if (Ready()) {
            thread_ = std::thread([this] { Run(); });
            SetEvent(bufferReady_);
        }
    }
    ~DebugListener() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (view_ != nullptr) UnmapViewOfFile(view_);
        for (HANDLE h : {mapping_, dataReady_, bufferReady_}) {
            if (h != nullptr) CloseHandle(h);
        }
    }
    DebugListener(const DebugListener&) = delete;
    DebugListener& operator=(const DebugListener&) = delete;

    bool Ready() const {
        return bufferReady_ != nullptr && dataReady_ != nullptr && view_ != nullptr;
    }
    // Waits until `count` lines arrived or `timeout` passed; the lines so far.
    std::vector<std::string> WaitFor(std::size_t count, std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (lines_.size() >= count || std::chrono::steady_clock::now() > end) {
                    return lines_;
                }
            }
            Sleep(20);
        }
    }

  private:
    static constexpr DWORD kSize = 4096;
    void Run() {
        const DWORD self = GetCurrentProcessId();
        while (!stop_) {
            if (WaitForSingleObject(dataReady_, 50) != WAIT_OBJECT_0) continue;
            const char* data = static_cast<const char*>(view_);
            DWORD pid = 0;
            std::memcpy(&pid, data, sizeof pid);
            std::string text(data + sizeof pid, strnlen(data + sizeof pid, kSize - sizeof pid));
            if (pid == self) {
                std::lock_guard<std::mutex> lock(mutex_);
                lines_.push_back(text);
            }
            SetEvent(bufferReady_);
        }
    }
    HANDLE bufferReady_ = nullptr;
    HANDLE dataReady_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

}  // namespace tolvane::test
