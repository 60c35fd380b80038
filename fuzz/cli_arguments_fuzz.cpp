// Any command line: parsing ends in a command that has what it needs, or in an exit status
// with its reason said, never in a signal or an exception. No port or file is touched.
// The input holds the arguments after the program's name, each ended by a NUL byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/exit_status.h"
#include "fuzz/require.h"

namespace {

// More than any command takes; a longer input only repeats what these cover.
constexpr std::size_t kMostArguments = 64;

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

void CheckCommand(const ParsedArguments& parsed) {
  const Options& options = parsed.options;
  if (parsed.command == Command::Ports) {
    return;
  }
  Require(!options.ports.empty(), "a command for radios has a port");
  for (const std::string& port : options.ports) {
    Require(!IsBlank(port), "no port is blank");
  }
  const bool single = parsed.command == Command::Read || parsed.command == Command::Backup ||
                      parsed.command == Command::Restore;
  Require(!single || options.ports.size() == 1, "a command for one radio has one port");
  const bool needsFile = parsed.command == Command::Write || parsed.command == Command::Verify ||
                         parsed.command == Command::Restore;
  Require(!needsFile || !options.file.empty(), "a plan or a backup is named");
  Require(!(parsed.command == Command::Read && options.json &&
            (options.output.empty() || options.output == kStandardOutput)),
          "the JSON never shares stdout with a plan");
  Require(!(parsed.command == Command::Backup && options.json && options.output == kStandardOutput),
          "the JSON never shares stdout with a backup");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments = {"vexalon-cli"};
  std::string argument;
  for (std::size_t i = 0; i < size && arguments.size() <= kMostArguments; ++i) {
    if (data[i] == 0) {
      arguments.push_back(argument);
      argument.clear();
    } else {
      argument += static_cast<char>(data[i]);
    }
  }
  if (!argument.empty() && arguments.size() <= kMostArguments) {
    arguments.push_back(argument);
  }
  std::vector<const char*> argv;
  for (const std::string& each : arguments) {
    argv.push_back(each.c_str());
  }
  argv.push_back(nullptr);

  const ParsedArguments parsed = ParseArguments(static_cast<int>(arguments.size()), argv.data());
  if (parsed.exitStatus) {
    Require(*parsed.exitStatus == kExitAllDone || *parsed.exitStatus == kExitRefused,
            "help and version end well, anything else as bad usage");
    Require(!(*parsed.exitStatus == kExitAllDone ? parsed.out : parsed.err).empty(),
            "an end at once says why");
  } else {
    CheckCommand(parsed);
  }
  return 0;
}
