#include "platform/sim/SimShell.h"

#include "platform/Text.h"
#include "platform/sim/SimLog.h"
#include "platform/sim/SimSystem.h"

namespace tolvane::sim {

void SimShell::Record(const std::string& entry) {
    calls.push_back(entry);
    if (log != nullptr) log->Add(entry);
}

bool SimShell::ExecuteEx(ShellExecuteRecord& record) {
    executeExCalls.push_back(record);
    if (log != nullptr) log->Add("ShellExecuteExA " + record.verb + " " + record.file);
    Start start;
    if (script_.empty()) {
        start.process = next_;
        next_ += 4;
    } else {
        start = script_.front();
        script_.pop_front();
    }
    if (!start.ok) {
        if (system_ != nullptr) system_->lastError = start.error;
        return false;
    }
    record.process = start.process;
    if (start.process != 0) {
        processes_[start.process] = start;
        open_.insert(start.process);
    }
    return true;
}

std::int32_t SimShell::Execute(Handle owner, const std::string& verb, const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::string& directory, std::int32_t show) {
    executeCalls.push_back({owner, verb, file, parameters, directory, show});
    if (log != nullptr) log->Add("ShellExecuteA " + verb + " " + file);
    return executeResult;
}

std::uint32_t SimShell::Wait(Handle object, std::uint32_t milliseconds) {
    Record("Wait " + text::Decimal(object) + " " + text::Decimal(milliseconds));
    return open_.count(object) != 0 ? 0 : 0xFFFFFFFFu;  // WAIT_OBJECT_0 or WAIT_FAILED
}

bool SimShell::ExitCode(Handle process, std::uint32_t& exitCode) {
    Record("ExitCode " + text::Decimal(process));
    auto it = processes_.find(process);
    if (open_.count(process) == 0 || it == processes_.end() || it->second.exitCodeFails) {
        return false;
    }
    exitCode = it->second.exitCode;
    return true;
}

bool SimShell::Close(Handle object) {
    Record("Close " + text::Decimal(object));
    return open_.erase(object) != 0;
}

}  // namespace tolvane::sim
