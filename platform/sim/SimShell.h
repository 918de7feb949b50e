// A shell whose ShellExecuteExA results a test scripts: a started process
// with its exit code, a request taken over without a process, or a failure
// with the error code it leaves. Records every call, and which process
// handles are still open.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace tolvane::sim {

class SimLog;
class SimSystem;

class SimShell : public Shell {
  public:
    // A failing call sets the last error of `system`, when given.
    explicit SimShell(SimSystem* system = nullptr) : system_(system) {}

    struct Start {
        bool ok = true;
        Handle process = 0;      // 0: no new process (the request was taken over)
        std::int32_t error = 0;  // the last error a failed call leaves
        std::uint32_t exitCode = 0;
        bool exitCodeFails = false;
    };
    // The results of the next ShellExecuteExA calls, in order. Without a
    // script a call starts a new process that exits with code 0.
    void Script(const Start& start) { script_.push_back(start); }

    bool ExecuteEx(ShellExecuteRecord& record) override;
    std::int32_t Execute(Handle owner, const std::string& verb, const std::string& file,
                         const std::optional<std::string>& parameters, const std::string& directory,
                         std::int32_t show) override;
    std::uint32_t Wait(Handle object, std::uint32_t milliseconds) override;
    bool ExitCode(Handle process, std::uint32_t& exitCode) override;
    bool Close(Handle object) override;

    // The records as they were handed to ShellExecuteExA.
    std::vector<ShellExecuteRecord> executeExCalls;
    struct ExecuteCall {
        Handle owner;
        std::string verb;
        std::string file;
        std::optional<std::string> parameters;
        std::string directory;
        std::int32_t show;
    };
    std::vector<ExecuteCall> executeCalls;
    std::int32_t executeResult = 42;  // ShellExecuteA's instance value
    // Wait, ExitCode and Close calls as "Wait h ms", "ExitCode h", "Close h".
    std::vector<std::string> calls;
    const std::set<Handle>& OpenHandles() const { return open_; }
    SimLog* log = nullptr;  // when set, calls are also added here in order

  private:
    void Record(const std::string& entry);
    SimSystem* system_;
    std::deque<Start> script_;
    std::map<Handle, Start> processes_;
    std::set<Handle> open_;
    Handle next_ = 0x1000;
};

}  // namespace tolvane::sim
