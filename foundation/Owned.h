// Owned texts and owned lists: references that an object creates and
// releases itself, and that are null when not present. Releasing a null
// one does nothing (reset() on an empty pointer).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

using OwnedText = std::unique_ptr<std::string>;

template <typename Record>
using OwnedList = std::unique_ptr<std::vector<Record>>;

template <typename Record>
OwnedList<Record> NewList() {
    return std::make_unique<std::vector<Record>>();
}

}  // namespace tolvane
