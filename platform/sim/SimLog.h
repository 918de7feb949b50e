// One ordered record of the calls that the sim services receive, so that a
// test can check the order of operations across services.
#pragma once

#include <string>
#include <vector>

namespace tolvane::sim {

class SimLog {
  public:
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

  private:
    std::vector<std::string> entries_;
};

}  // namespace tolvane::sim
