// The kinds of data the utility classes declare: flags, texts of limited
// length that are cut when stored, and fixed-width texts padded with spaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Text.h"

namespace tolvane {

// 0 = false, 1 = true.
using Flag = std::uint8_t;

// A text of at most N characters; a longer value is cut when stored.
template <std::size_t N>
class LimitedText {
  public:
    static constexpr std::size_t kCapacity = N;

    LimitedText() = default;
    LimitedText(const std::string& s) : value_(text::Cut(s, N)) {}
    LimitedText(const char* s) : LimitedText(std::string(s)) {}
    LimitedText& operator=(const std::string& s) {
        value_ = text::Cut(s, N);
        return *this;
    }
    LimitedText& operator=(const char* s) { return *this = std::string(s); }

    const std::string& Value() const { return value_; }
    operator const std::string&() const { return value_; }
    bool operator==(const std::string& s) const { return value_ == s; }
    bool operator!=(const std::string& s) const { return value_ != s; }

  private:
    std::string value_;
};

// Exactly N characters, padded on the right with spaces; the padding
// carries no meaning, so users take Value(), which drops it.
template <std::size_t N>
class FixedText {
  public:
    static constexpr std::size_t kWidth = N;

    FixedText() : raw_(N, ' ') {}
    FixedText& operator=(const std::string& s) {
        raw_ = text::Pad(s, N);
        return *this;
    }
    FixedText& operator=(const char* s) { return *this = std::string(s); }

    // The text without its padding.
    std::string Value() const { return text::TrimRight(raw_); }
    // All N characters as stored.
    const std::string& Raw() const { return raw_; }

  private:
    std::string raw_;
};

}  // namespace tolvane
