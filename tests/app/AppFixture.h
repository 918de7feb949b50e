// The sim platform for the installer's logic tests: one shared call log, a
// real INI file in a fresh folder, and a machine with a driver folder, two
// monitors and a 64-bit system.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/DriverRegistration.h"
#include "platform/IniFile.h"
#include "platform/Services.h"
#include "platform/sim/SimPlatform.h"
#include "tests/platform/TempDir.h"

namespace tolvane {

// Readable failures.
inline std::ostream& operator<<(std::ostream& os, const RegistryWrite& w) {
    os << w.path << " | " << w.name << " | type " << static_cast<int>(w.value.type) << " |";
    for (std::uint8_t b : w.value.data) os << " " << static_cast<int>(b);
    return os;
}

namespace sim {
inline std::ostream& operator<<(std::ostream& os, const SimMessage& m) {
    return os << "[" << m.caption << "] " << m.text << " (icon " << static_cast<int>(m.icon)
              << ", buttons " << static_cast<int>(m.buttons) << ")";
}
}  // namespace sim

}  // namespace tolvane

namespace tolvane::testing {

// The INI file, with each access added to the shared log.
class LoggedIni : public IniFile {
  public:
    LoggedIni(const std::string& dir, sim::SimLog& log) : IniFile(dir), log_(log) {}
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           std::size_t bufferSize) override {
        log_.Add("Read " + key);
        files.push_back(file);
        return IniFile::ReadString(file, section, key, fallback, bufferSize);
    }
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override {
        log_.Add("Write " + key + "=" + value);
        files.push_back(file);
        return IniFile::WriteString(file, section, key, value);
    }
    bool DeleteKey(const std::string& file, const std::string& section,
                   const std::string& key) override {
        log_.Add("Delete " + key);
        files.push_back(file);
        return IniFile::DeleteKey(file, section, key);
    }
    std::vector<std::string> files;  // the file name of each access

  private:
    sim::SimLog& log_;
};

class AppFixture : public ::testing::Test, protected sim::SimPlatform {
  protected:
    AppFixture() : ini(dir.Path(), log), installed_(WithIni()) {
        windows.log = &log;
        files.AddFolder("C:\\Work");
        files.AddFolder("C:\\Drivers");
        files.AddFile("C:\\Drivers\\c4otSDX.dll");
        files.AddFile("C:\\Drivers\\c4otRDX.dll");
        system.messages[5] = "Access is denied.\r\n";
        system.wow64 = true;
        system.specialFolders[41] = "C:\\windows\\syswow64";
        system.specialFolders[37] = "C:\\windows\\system32";
        windows.workArea = Rect{0, 0, 1024, 768};
        windows.AddMonitor(0x1001, Rect{0, 0, 1024, 768}, Rect{0, 0, 1024, 768}, 1,
                           "\\\\.\\DISPLAY1");
        windows.AddMonitor(0x1002, Rect{-1280, 0, 0, 1024}, Rect{-1280, 0, 0, 1024}, 0,
                           "\\\\.\\DISPLAY2");
    }

    // The log without the entries of the environment probes and the
    // monitor check's questions, which other tests cover.
    std::vector<std::string> Steps(const std::vector<std::string>& prefixes) const {
        std::vector<std::string> out;
        for (const std::string& e : log.Entries()) {
            for (const std::string& p : prefixes) {
                if (e.compare(0, p.size(), p) == 0) {
                    out.push_back(e);
                    break;
                }
            }
        }
        return out;
    }

    TempDir dir;
    LoggedIni ini;

  private:
    Services WithIni() {
        Services s = AsServices();
        s.profile = &ini;
        return s;
    }
    ScopedServices installed_;
};

}  // namespace tolvane::testing
