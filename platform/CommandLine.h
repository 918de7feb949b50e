// The command-line service: reads the program's raw command line (as
// GetCommandLineA gives it) the way Windows programs split it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane::commandline {

// Argument 0, the program as it was named: quoted up to the next quote,
// otherwise up to the first space or tab.
std::string ProgramName(const std::string& raw);

// What follows argument 0: one space, then the rest from its first
// character that is not a space or tab, as typed; empty when nothing follows.
std::string Arguments(const std::string& raw);

// The arguments after argument 0, split by the C run-time's rules (quotes
// group, backslashes escape a quote).
std::vector<std::string> Split(const std::string& raw);

// The text after "name=" of the first argument that begins with `name` in
// any case immediately followed by "="; nothing when there is none.
std::optional<std::string> NamedValue(const std::string& raw, const std::string& name);

}  // namespace tolvane::commandline
