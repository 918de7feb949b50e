// Small portable types shared by the platform interfaces.
#pragma once

#include <cstdint>

namespace tolvane {

// Window, process, monitor and module handles travel as 32-bit values: the
// program is a 32-bit process, and the tests compare them as numbers.
using Handle = std::int32_t;

// A rectangle in pixels of the virtual screen; right and bottom exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

// What became of a system function that is looked up by name at run time:
// the library is loaded, the function found and called, the library released
// within the same call.
enum class Lookup { Called, NoLibrary, NoFunction };

// Windows status codes used by the portable logic.
constexpr std::int32_t kErrorSuccess = 0;

}  // namespace tolvane
