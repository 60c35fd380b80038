// vexalon-cli: HT-446 radios programmed from the command line, several at once.
#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/terminal.h"

namespace {

constexpr char kFirstInterrupt[] =
    "Stopping once the radios in progress are done; Ctrl+C again stops at once.";
constexpr char kSecondInterrupt[] =
    "Stopping at once, after the exchange under way with each radio.";

}  // namespace

int main(int argc, char** argv) {
  PrepareConsole();
  const ParsedArguments parsed = ParseArguments(argc, argv);
  if (parsed.exitStatus) {
    std::fputs(parsed.out.c_str(), stdout);
    std::fputs(parsed.err.c_str(), stderr);
    return *parsed.exitStatus;
  }
  const Options& options = parsed.options;
  if (parsed.command == Command::Ports) {
    Console console(false, false);
    return RunPorts(options, console);
  }
  Console console(options.quiet, !options.quiet && StderrRedraws());
  const InterruptWatch interrupts([&console](int count) {
    if (count <= 2) {
      console.Say("", count == 1 ? kFirstInterrupt : kSecondInterrupt);
    }
  });
  Context context{options, console, interrupts};
  if (parsed.command == Command::Read) {
    return RunRead(context);
  }
  if (parsed.command == Command::Write) {
    return RunWrite(context);
  }
  if (parsed.command == Command::Verify) {
    return RunVerify(context);
  }
  if (parsed.command == Command::Backup) {
    return RunBackup(context);
  }
  return RunRestore(context);
}
