// The text rules of the program, in one place: values are cut to their
// capacity when stored, trailing spaces are dropped where a text is used,
// and upper case is one single-byte conversion.
#pragma once

#include <cstddef>
#include <string>

namespace tolvane::text {

// The text without its trailing spaces; leading spaces stay.
std::string TrimRight(const std::string& s);

// True when the text is empty or holds only spaces.
bool IsBlank(const std::string& s);

// The first `capacity` characters of the text.
std::string Cut(const std::string& s, std::size_t capacity);

// The text cut to `width` characters and padded on the right with spaces to
// exactly that width: the stored form of a fixed-width text.
std::string Pad(const std::string& s, std::size_t width);

// Single-byte upper case of a to z; every other byte stays as it is.
std::string Upper(const std::string& s);

// Decimal text of a number, with a minus sign when negative.
std::string Decimal(long long n);

// Reads a text as a whole number: surrounding spaces, an optional sign and
// digits. A text that is not a number (empty, "Yes", "12a") gives 0.
long long ToNumber(const std::string& s);

// A message-box text with each "|" turned into a line break.
std::string MessageBoxText(const std::string& s);

}  // namespace tolvane::text
