#include "platform/SettingsManager.h"

#include "platform/ProfileStore.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/Window.h"

namespace tolvane {

namespace {
using Guard = std::lock_guard<std::recursive_mutex>;

constexpr std::size_t kFileNameSize = 259;
constexpr std::size_t kReadBuffer = 1024;
constexpr std::size_t kReadSize = 999;
constexpr std::size_t kWriteSize = 1023;

std::int32_t ToInt32(long long n) {
    if (n < INT32_MIN) return INT32_MIN;
    if (n > INT32_MAX) return INT32_MAX;
    return static_cast<std::int32_t>(n);
}
}  // namespace

void SettingsManager::Init(const std::string& fileName, std::int32_t storage) {
    Guard guard(CRITSECT);
    FILENAME = text::Cut(fileName, kFileNameSize);
    NVTYPE = storage;
}

void SettingsManager::Kill() { Guard guard(CRITSECT); }

std::string SettingsManager::ReadSetting(const std::string& section, const std::string& key) {
    Guard guard(CRITSECT);
    ProfileStore* store = Current().profile;
    if (store == nullptr) return std::string();
    return text::Cut(store->ReadString(FILENAME, section, key, "", kReadBuffer), kReadSize);
}

void SettingsManager::WriteSetting(const std::string& section, const std::string& key,
                                   const std::string& value) {
    Guard guard(CRITSECT);
    ProfileStore* store = Current().profile;
    if (store == nullptr) return;
    // Cutting may leave spaces at the new end; they carry no meaning either.
    std::string stored = text::TrimRight(text::Cut(text::TrimRight(value), kWriteSize));
    // A failed write is not reported: the value is simply not kept.
    store->WriteString(FILENAME, section, key, stored);
}

void SettingsManager::WriteSetting(const std::string& section, const std::string& key,
                                   long long value) {
    WriteSetting(section, key, text::Decimal(value));
}

void SettingsManager::RemoveSetting(const std::string& section, const std::string& key) {
    Guard guard(CRITSECT);
    ProfileStore* store = Current().profile;
    if (store == nullptr) return;
    store->DeleteKey(FILENAME, section, key);
}

std::int32_t SettingsManager::ReadNumber(const std::string& section, const std::string& key,
                                         std::int32_t fallback) {
    Guard guard(CRITSECT);
    ProfileStore* store = Current().profile;
    if (store == nullptr) return fallback;
    // The fallback travels as the default text, so a missing key gives it
    // back while an empty value reads as 0.
    std::string value = text::Cut(
        store->ReadString(FILENAME, section, key, text::Decimal(fallback), kReadBuffer), kReadSize);
    return ToInt32(text::ToNumber(value));
}

void SettingsManager::WriteNumberOrRemove(const std::string& section, const std::string& key,
                                          std::int32_t value) {
    Guard guard(CRITSECT);
    if (value == kNoValue) {
        RemoveSetting(section, key);
    } else {
        WriteSetting(section, key, static_cast<long long>(value));
    }
}

void SettingsManager::SaveWindowPosition(const std::string& section, FrameworkWindow& window) {
    Guard guard(CRITSECT);
    bool maximized = window.Maximized();
    bool minimized = window.Minimized();
    std::int32_t x = kNoValue;
    std::int32_t y = kNoValue;
    std::int32_t width = kNoValue;
    std::int32_t height = kNoValue;
    if (!maximized && !minimized) {
        x = window.Xpos();
        y = window.Ypos();
        if (window.Attributes().resize) {
            width = window.Width();
            height = window.Height();
        }
    }
    WriteSetting(section, "Maximize", maximized ? "Yes" : "No");
    WriteSetting(section, "Minimize", minimized ? "Yes" : "No");
    WriteNumberOrRemove(section, "XPos", x);
    WriteNumberOrRemove(section, "YPos", y);
    WriteNumberOrRemove(section, "Width", width);
    WriteNumberOrRemove(section, "Height", height);
}

void SettingsManager::RestoreWindowPosition(const std::string& section, FrameworkWindow& window) {
    Guard guard(CRITSECT);
    std::string saved = ReadSetting(section, "Maximize");
    bool savedNormal = saved == "No";
    bool savedMaximized = saved == "Yes";
    // Anything else means nothing was saved: the window stays where its
    // definition puts it.
    if (!savedNormal && !savedMaximized) return;
    std::int32_t minimize = ReadNumber(section, "Minimize", 0);
    std::int32_t x = ReadNumber(section, "XPos", kNoValue);
    std::int32_t y = ReadNumber(section, "YPos", kNoValue);
    std::int32_t width = ReadNumber(section, "Width", kNoValue);
    std::int32_t height = ReadNumber(section, "Height", kNoValue);

    if (savedNormal && window.Maximized()) window.SetMaximized(false);
    // Half a position is no position: the window moves only when both are
    // known, and otherwise stays centred.
    if (x != kNoValue && y != kNoValue) {
        window.SetXpos(x);
        window.SetYpos(y);
    }
    if (window.Attributes().resize) {
        if (width != kNoValue) window.SetWidth(width);
        if (height != kNoValue) window.SetHeight(height);
    }
    if (savedMaximized && !window.Maximized()) window.SetMaximized(true);
    window.SetMinimized(minimize != 0);
}

}  // namespace tolvane
