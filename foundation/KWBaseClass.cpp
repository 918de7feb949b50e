#include "foundation/KWBaseClass.h"

#include "platform/CommandLine.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "platform/Text.h"

namespace tolvane {

namespace {

// FORMAT_MESSAGE_FROM_SYSTEM with FORMAT_MESSAGE_MAX_WIDTH_MASK, and
// FORMAT_MESSAGE_IGNORE_INSERTS: no argument block is passed, so an insert
// sequence in a system message must be kept as it stands, not read.
constexpr std::uint32_t kMessageFlags = 0x10FF | 0x200;
constexpr std::size_t kMessageBuffer = 256;
constexpr std::size_t kModuleBuffer = 260;
constexpr std::size_t kComputerNameBuffer = 32;
constexpr std::size_t kUserNameBuffer = 2049;

System& Sys() { return *Current().system; }

}  // namespace

KWBaseClass::KWBaseClass() {
    EXENAME = Sys().ModuleFileName(kModuleBuffer);
    PROGPATH = GetFileParts(EXENAME, kDrive | kDirectory);
    const std::string raw = Sys().CommandLine();
    PROGRAMCOMMANDLINE = commandline::Arguments(raw);
    std::optional<std::string> debug = commandline::NamedValue(raw, "DEBUG");
    PROGRAMDEBUGON = static_cast<std::uint8_t>(debug ? text::ToNumber(*debug) & 0xFF : 0);
    XPTHEMESPRESENT = 1;
    ISNEWIDE = 1;
    COMPUTERNAME = QueryComputerName();
    USERNAME = QueryUserName();
}

KWBaseClass::~KWBaseClass() { BaseDestruction(); }

void KWBaseClass::BaseDestruction() {
    URLSTR.reset();
    REPLACESTRING.reset();
    ANSIFROMWIDESTRING.reset();
}

void KWBaseClass::DebugOutput(const std::string& text, std::int16_t level) {
    if (level < static_cast<std::int16_t>(DEBUGLEVEL)) return;
    Sys().DebugString(text::TrimRight(text));
}

void KWBaseClass::DebugMessage(const std::string& text, Flag quiet) {
    if (!quiet) DebugOutput(text, 0);
}

std::string KWBaseClass::GetLastAPIError(const std::string& procedureName,
                                         std::int32_t* errorCode) {
    // The thread's value first, before any other system call can change it.
    const std::int32_t code =
        errorCode != nullptr && *errorCode != 0 ? *errorCode : Sys().LastError();
    const std::string message = Sys().MessageText(kMessageFlags, code, 0, kMessageBuffer);
    if (errorCode != nullptr) *errorCode = code;
    LASTAPIERROR = text::TrimRight(procedureName) + ": " + message;
    LASTAPIERRORCODE = code;
    DebugOutput("GetLastAPIError (" + text::Decimal(code) + ") " + LASTAPIERROR.Value(), 0);
    return message;
}

std::string KWBaseClass::QueryComputerName() {
    bool ok = false;
    std::string name = Sys().ComputerName(kComputerNameBuffer, ok);
    COMPUTERNAME = ok ? name : std::string();
    return COMPUTERNAME;
}

std::string KWBaseClass::QueryUserName() {
    bool ok = false;
    std::string name = Sys().UserName(kUserNameBuffer, ok);
    return ok ? name : std::string();
}

}  // namespace tolvane
