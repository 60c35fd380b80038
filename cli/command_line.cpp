// vexalon-cli's arguments and the command they name.
#include "cli/command_line.h"

#include <optional>

#include "cli/arguments.h"
#include "cli/checks.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/report_file.h"

namespace {

constexpr char kFirstInterrupt[] =
    "Stopping once the radios in progress are done; Ctrl+C again stops at once.";
constexpr char kSecondInterrupt[] =
    "Stopping at once, after the exchange under way with each radio.";

}  // namespace

int RunCommandLine(int argc, const char* const argv[], const Platform& platform) {
  const ParsedArguments parsed = ParseArguments(argc, argv);
  if (parsed.exitStatus) {
    platform.out(parsed.out);
    platform.err(parsed.err);
    return *parsed.exitStatus;
  }
  const Options& options = parsed.options;
  if (parsed.command == Command::Ports) {
    Console console(false, false, platform.out, platform.err);
    return RunPorts(options, console);
  }
  Console console(options.quiet, !options.quiet && platform.stderrRedraws, platform.out,
                  platform.err);
  const std::unique_ptr<Interrupts> interrupts = platform.watchInterrupts([&console](int count) {
    if (count <= 2) {
      console.Say("", count == 1 ? kFirstInterrupt : kSecondInterrupt);
    }
  });
  std::optional<ReportFile> report;
  if (!options.reportFile.empty()) {
    if (const auto refusal = ReportFileRefusal(options.reportFile)) {
      console.Say("", *refusal);
      return kExitRefused;
    }
    report.emplace(options.reportFile, console);
  }
  // Before any port opens, so that no transfer runs whose trace could not be kept.
  if (!options.traceDir.empty() && !FolderReady(console, options.traceDir, "trace folder")) {
    return kExitRefused;
  }
  Context context{options, console, *interrupts, platform.makeLink, report ? &*report : nullptr};
  switch (parsed.command) {
    case Command::Read:
      return RunRead(context);
    case Command::Write:
      return RunWrite(context);
    case Command::Verify:
      return RunVerify(context);
    case Command::Backup:
      return RunBackup(context);
    case Command::Probe:
      return RunProbe(context);
    case Command::Ports:
    case Command::Restore:
      break;
  }
  return RunRestore(context);
}
