#include "foundation/KWBaseClass.h"
#include "platform/Text.h"

namespace tolvane {

namespace {
constexpr std::size_t kPathLimit = 259;
constexpr std::size_t kPartLimit = 255;
}  // namespace

std::string KWBaseClass::GetFileParts(const std::string& path, std::uint8_t parts) const {
    const std::string p = text::Cut(text::TrimRight(path), kPathLimit);
    if (p.empty()) return std::string();

    std::string drive;
    std::size_t start = 0;
    if (p.size() >= 2 && p[1] == ':') {
        drive = p.substr(0, 2);
        start = 2;
    }
    std::string directory;
    std::size_t nameStart = start;
    const std::size_t separator = p.find_last_of("\\/");
    if (separator != std::string::npos && separator >= start) {
        directory = p.substr(start, separator + 1 - start);
        nameStart = separator + 1;
    }
    std::string name = p.substr(nameStart);
    std::string extension;
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        extension = name.substr(dot);
        name.resize(dot);
    }
    directory = text::Cut(directory, kPartLimit);
    name = text::Cut(name, kPartLimit);
    extension = text::Cut(extension, kPartLimit);

    std::string result;
    switch (parts) {
        case kDrive:
            result = drive;
            break;
        case kDirectory:
            result = StripBackslash(directory);
            break;
        case kDrive | kDirectory:
            result = StripBackslash(drive + directory);
            break;
        case kName:
            result = name;
            break;
        case kDirectory | kName:
            result = directory + name;
            break;
        case kDrive | kDirectory | kName:
            result = drive + directory + name;
            break;
        case kExtension:
            result = extension;
            break;
        case kName | kExtension:
            result = name + extension;
            break;
        case kDirectory | kName | kExtension:
            result = directory + name + extension;
            break;
        default:
            // Only the codes above are answered.
            break;
    }
    return text::TrimRight(text::Cut(result, kPathLimit));
}

std::string KWBaseClass::StripBackslash(const std::string& text) {
    std::string trimmed = text::TrimRight(text);
    if (trimmed.empty() || trimmed.back() != '\\') return text;
    trimmed.pop_back();
    return trimmed;
}

}  // namespace tolvane
