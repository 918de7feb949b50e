#include "platform/Text.h"

#include <cstdlib>

namespace tolvane::text {

std::string TrimRight(const std::string& s) {
    std::size_t end = s.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

std::string Cut(const std::string& s, std::size_t capacity) {
    return s.size() > capacity ? s.substr(0, capacity) : s;
}

std::string Pad(const std::string& s, std::size_t width) {
    std::string out = Cut(s, width);
    out.resize(width, ' ');
    return out;
}

std::string Upper(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        // Only a to z: the meaning of bytes above 127 depends on the code page.
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string Decimal(long long n) { return std::to_string(n); }

long long ToNumber(const std::string& s) {
    std::size_t i = s.find_first_not_of(' ');
    std::size_t end = s.find_last_not_of(' ');
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') {
        negative = s[i] == '-';
        ++i;
    }
    if (i > end) return 0;
    long long value = 0;
    for (; i <= end; ++i) {
        if (s[i] < '0' || s[i] > '9') return 0;
        // Saturate instead of overflowing on absurdly long digit runs.
        if (value < 100000000000000000LL) value = value * 10 + (s[i] - '0');
    }
    return negative ? -value : value;
}

std::string MessageBoxText(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '|') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tolvane::text
