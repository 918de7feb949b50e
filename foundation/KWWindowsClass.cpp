#include "foundation/KWWindowsClass.h"

#include <optional>

#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "platform/Text.h"

namespace tolvane {

namespace {

constexpr std::uint32_t kVersionRecordSize = 148;  // sizeof(OSVERSIONINFOA)
constexpr std::uint32_t kQueryValueReadControl = 0x20001;
const char kPolicyKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

// A registry value as text: a DWORD as its unsigned decimal, a string up
// to its terminating zero, anything else empty.
std::string ValueText(const std::optional<RegistryValue>& value) {
    if (!value) return std::string();
    const std::vector<std::uint8_t>& d = value->data;
    switch (value->type) {
        case RegType::Dword: {
            if (d.size() < 4) return std::string();
            const std::uint32_t n =
                d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<std::uint32_t>(d[3]) << 24);
            return text::Decimal(n);
        }
        case RegType::String:
        case RegType::ExpandString: {
            std::string s(d.begin(), d.end());
            return s.substr(0, s.find('\0'));
        }
        default:
            return std::string();
    }
}

}  // namespace

KWWindowsClass::KWWindowsClass() {
    CHILDWINDOWS = NewList<TWindowRecord>();
    TOPWINDOWS = NewList<TWindowRecord>();
    MODULEWINDOWS = NewList<TWindowRecord>();
    QueryOSVersion();
    THEMEDCONTROLS = NewList<TThemeControls>();
}

KWWindowsClass::~KWWindowsClass() { WindowsDestruction(); }

void KWWindowsClass::WindowsDestruction() {
    // Removing the records and releasing the list are one step for records
    // that own nothing.
    CHILDWINDOWS.reset();
    TOPWINDOWS.reset();
    MODULEWINDOWS.reset();
    THEMEDCONTROLS.reset();
}

std::string KWWindowsClass::QueryOSVersion() {
    const OsVersion v = Current().system->QueryVersion(kVersionRecordSize);
    MAJORVERSION = static_cast<std::int32_t>(v.major);
    MINORVERSION = static_cast<std::int32_t>(v.minor);
    VERSIONBUILDNR = static_cast<std::int32_t>(v.build);
    VERSIONPLATFORMID = static_cast<std::int32_t>(v.platformId);
    VERSIONINFORMATION = v.servicePack;
    ISVISTA = MAJORVERSION >= 6 ? 1 : 0;
    const std::string lua = ValueText(Current().registry->ReadValue(
        RegRoot::LocalMachine, kPolicyKey, "EnableLUA", kQueryValueReadControl));
    VISTAHASUAC = static_cast<std::uint8_t>(text::ToNumber(lua) & 0xFF);
    return text::Decimal(MAJORVERSION) + "." + text::Decimal(MINORVERSION);
}

}  // namespace tolvane
