#include "platform/CommandLine.h"

#include <cstddef>

#include "platform/Text.h"

namespace tolvane::commandline {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Index just past argument 0.
std::size_t ProgramEnd(const std::string& raw) {
    std::size_t i = 0;
    if (!raw.empty() && raw[0] == '"') {
        std::size_t close = raw.find('"', 1);
        return close == std::string::npos ? raw.size() : close + 1;
    }
    while (i < raw.size() && !IsSpace(raw[i])) ++i;
    return i;
}

std::size_t RestStart(const std::string& raw) {
    std::size_t i = ProgramEnd(raw);
    while (i < raw.size() && IsSpace(raw[i])) ++i;
    return i;
}

}  // namespace

std::string ProgramName(const std::string& raw) {
    std::size_t end = ProgramEnd(raw);
    if (!raw.empty() && raw[0] == '"') {
        return raw.substr(1, end > 1 && raw[end - 1] == '"' ? end - 2 : end - 1);
    }
    return raw.substr(0, end);
}

std::string Arguments(const std::string& raw) {
    std::size_t start = RestStart(raw);
    return start >= raw.size() ? std::string() : " " + raw.substr(start);
}

std::vector<std::string> Split(const std::string& raw) {
    std::vector<std::string> args;
    std::size_t i = RestStart(raw);
    while (i < raw.size()) {
        std::string arg;
        bool quoted = false;
        while (i < raw.size() && (quoted || !IsSpace(raw[i]))) {
            if (raw[i] == '\\') {
                std::size_t slashes = 0;
                while (i < raw.size() && raw[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < raw.size() && raw[i] == '"') {
                    // 2n backslashes and a quote: n backslashes, the quote
                    // toggles; 2n+1: n backslashes and a literal quote.
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
                continue;
            }
            if (raw[i] == '"') {
                if (quoted && i + 1 < raw.size() && raw[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            arg += raw[i++];
        }
        args.push_back(arg);
        while (i < raw.size() && IsSpace(raw[i])) ++i;
    }
    return args;
}

std::optional<std::string> NamedValue(const std::string& raw, const std::string& name) {
    const std::string prefix = text::Upper(name) + "=";
    for (const std::string& arg : Split(raw)) {
        if (text::Upper(arg.substr(0, prefix.size())) == prefix) return arg.substr(prefix.size());
    }
    return std::nullopt;
}

}  // namespace tolvane::commandline
