#include "platform/IniFile.h"

#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/Text.h"

namespace tolvane {

namespace {

// The white space of the profile functions, the end-of-file mark included.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string Trim(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsSpace(s[b])) ++b;
    while (e > b && IsSpace(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
    return text::Upper(a) == text::Upper(b);
}

enum class Kind { Blank, Section, Key };

// One line of the file: where it lies and what it holds.
struct Line {
    std::size_t begin = 0;  // first byte
    std::size_t end = 0;    // one past the last byte before the line feed
    std::size_t next = 0;   // first byte of the next line
    Kind kind = Kind::Blank;
    std::string name;  // section or key name
    bool hasValue = false;
    std::string value;
};

std::vector<Line> Parse(const std::string& content) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    // A UTF-8 byte-order mark is not part of the first line.
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    while (pos < content.size()) {
        Line line;
        line.begin = pos;
        std::size_t lf = content.find('\n', pos);
        line.end = lf == std::string::npos ? content.size() : lf;
        line.next = lf == std::string::npos ? content.size() : lf + 1;
        std::string body = Trim(content.substr(line.begin, line.end - line.begin));
        if (body.empty()) {
            line.kind = Kind::Blank;
        } else if (body[0] == '[' && body.find(']') != std::string::npos) {
            // The name runs to the last closing bracket; spaces around it
            // do not count, as for the profile functions.
            line.kind = Kind::Section;
            line.name = Trim(body.substr(1, body.rfind(']') - 1));
        } else {
            line.kind = Kind::Key;
            std::size_t eq = body.find('=');
            if (eq == std::string::npos) {
                line.name = body;
            } else {
                line.name = Trim(body.substr(0, eq));
                line.hasValue = true;
                line.value = Trim(body.substr(eq + 1));
            }
        }
        lines.push_back(std::move(line));
        pos = lines.back().next;
    }
    return lines;
}

// Where a section lies among the lines: its header and one past its last line.
struct Span {
    bool found = false;
    std::size_t header = 0;
    std::size_t end = 0;
};

Span FindSection(const std::vector<Line>& lines, const std::string& section) {
    Span span;
    std::string wanted = Trim(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != Kind::Section) continue;
        if (!span.found) {
            if (!lines[i].name.empty() && SameName(lines[i].name, wanted)) {
                span.found = true;
                span.header = i;
            }
        } else {
            span.end = i;
            return span;
        }
    }
    span.end = lines.size();
    return span;
}

// The first line of the section holding the key, or lines.size().
std::size_t FindKey(const std::vector<Line>& lines, const Span& span, const std::string& key) {
    std::string wanted = Trim(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines[i].kind == Kind::Key && SameName(lines[i].name, wanted)) return i;
    }
    return lines.size();
}

bool Load(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool Save(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

// One pair of enclosing quotes goes, then the text is cut to what a buffer
// of `bufferSize` bytes holds with its terminating zero.
std::string Deliver(std::string value, std::size_t bufferSize) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    if (bufferSize == 0) return std::string();
    return text::Cut(value, bufferSize - 1);
}

}  // namespace

IniFile::IniFile(std::string baseDirectory) : base_(std::move(baseDirectory)) {}

std::string IniFile::Resolve(const std::string& file) const {
    std::string path = file;
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    bool absolute = (!path.empty() && path[0] == '/') || (path.size() >= 2 && path[1] == ':');
    if (absolute || base_.empty()) return path;
    std::string base = base_;
    for (char& c : base) {
        if (c == '\\') c = '/';
    }
    if (base.back() != '/') base += '/';
    return base + path;
}

std::string IniFile::ReadString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultValue,
                                std::size_t bufferSize) {
    std::string content;
    if (Load(Resolve(file), content)) {
        std::vector<Line> lines = Parse(content);
        Span span = FindSection(lines, section);
        if (span.found) {
            std::size_t i = FindKey(lines, span, key);
            // A key line without "=" holds no value: the default applies.
            if (i < lines.size() && lines[i].hasValue) return Deliver(lines[i].value, bufferSize);
        }
    }
    return Deliver(text::TrimRight(defaultValue), bufferSize);
}

bool IniFile::WriteString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) {
    std::string path = Resolve(file);
    std::string content;
    Load(path, content);
    std::vector<Line> lines = Parse(content);
    Span span = FindSection(lines, section);
    std::string entry = key + "=" + value;
    if (!span.found) {
        if (!content.empty() && content.back() != '\n') content += "\r\n";
        content += "[" + section + "]\r\n" + entry + "\r\n";
        return Save(path, content);
    }
    std::size_t i = FindKey(lines, span, key);
    if (i < lines.size()) {
        const Line& line = lines[i];
        if (line.hasValue && line.value == value) return true;
        // The key keeps the spelling it has in the file.
        std::string replacement = line.name + "=" + value;
        bool cr = line.end > line.begin && content[line.end - 1] == '\r';
        content.replace(line.begin, line.end - line.begin, cr ? replacement + "\r" : replacement);
        return Save(path, content);
    }
    // A new key goes after the last non-blank line of its section, so that
    // a blank line before the next section stays where it is.
    std::size_t last = span.header;
    for (std::size_t j = span.header + 1; j < span.end; ++j) {
        if (lines[j].kind != Kind::Blank) last = j;
    }
    std::size_t at = lines[last].next;
    std::string insert = entry + "\r\n";
    if (at == content.size() && !content.empty() && content.back() != '\n') {
        insert = "\r\n" + insert;
    }
    content.insert(at, insert);
    return Save(path, content);
}

bool IniFile::DeleteKey(const std::string& file, const std::string& section,
                        const std::string& key) {
    std::string path = Resolve(file);
    std::string content;
    if (!Load(path, content)) return true;
    std::vector<Line> lines = Parse(content);
    Span span = FindSection(lines, section);
    if (!span.found) return true;
    std::size_t i = FindKey(lines, span, key);
    if (i == lines.size()) return true;
    content.erase(lines[i].begin, lines[i].next - lines[i].begin);
    return Save(path, content);
}

}  // namespace tolvane
