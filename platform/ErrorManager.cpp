#include "platform/ErrorManager.h"

namespace tolvane {

void ErrorManager::Init(ErrorStatus& status) {
    status_ = &status;
    procedures_.clear();
}

void ErrorManager::SetProcedureName(const std::string& name) { procedures_.push_back(name); }

void ErrorManager::SetProcedureName() {
    if (!procedures_.empty()) procedures_.pop_back();
}

std::string ErrorManager::ProcedureName() const {
    return procedures_.empty() ? std::string() : procedures_.back();
}

}  // namespace tolvane
