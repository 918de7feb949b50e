// The framework's global error manager. The program raises no errors
// through it; it only keeps the names of the running procedures, so that
// texts the framework reports can name the procedure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

// The error status of one thread: the last error the framework saw.
struct ErrorStatus {
    std::int32_t code = 0;
    std::string text;
};

class ErrorManager {
  public:
    // Binds the manager to the error status of the calling thread.
    void Init(ErrorStatus& status);
    ErrorStatus* Status() const { return status_; }

    // A procedure has started (with its name) or the latest one has ended.
    void SetProcedureName(const std::string& name);
    void SetProcedureName();
    // The running procedure, empty when none.
    std::string ProcedureName() const;

  private:
    ErrorStatus* status_ = nullptr;
    std::vector<std::string> procedures_;
};

}  // namespace tolvane
