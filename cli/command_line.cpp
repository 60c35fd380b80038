// vexalon-cli's arguments and the command they name.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <sstream>

#include "cli/commands.h"
#include "cli/exit_status.h"

namespace {

constexpr char kDescription[] =
    "Reads, writes, checks, backs up and restores HT-446 PMR446 handheld radios (variants E, "
    "E2 and T) through their serial programming cable, on several ports at once.";
constexpr char kExitStatus[] =
    "Exit status: 0 when every radio finished without error; 1 when a radio failed, differs "
    "from the plan or could not be reached; 2 for bad usage or a plan or backup file that "
    "cannot be used, and then nothing was sent to any radio.";
constexpr char kPortHelp[] =
    "The radio's serial port: a device path, a /dev/serial/by-id link or COMn";

constexpr char kFirstInterrupt[] =
    "Stopping once the radios in progress are done; Ctrl+C again stops at once.";
constexpr char kSecondInterrupt[] =
    "Stopping at once, after the exchange under way with each radio.";

void AddOutputOptions(CLI::App& command, Options& options) {
  command.add_flag("--json", options.json, "One JSON object per radio on stdout, one a line");
  command.add_flag("-q,--quiet", options.quiet,
                   "Nothing as it happens, no progress: only how each radio ended, and errors");
}

void AddBackupFolder(CLI::App& command, Options& options) {
  command
      .add_option("--backup-dir", options.backupDir,
                  "Keep the backups in DIR rather than in the user's backups folder")
      ->type_name("DIR");
}

void AddPorts(CLI::App& command, Options& options) {
  command
      .add_option("--port", options.ports,
                  std::string(kPortHelp) + "; once for each radio, all handled at once")
      ->required()
      ->type_name("PORT")
      ->allow_extra_args(false);
}

}  // namespace

int RunCommandLine(int argc, const char* const argv[], const Platform& platform) {
  Options options;
  std::string port;
  CLI::App app(kDescription, "vexalon-cli");
  app.set_version_flag("--version", std::string("vexalon-cli ") + VEXALON_VERSION);
  app.set_help_all_flag("--help-all", "Print the help of every command and exit");
  app.require_subcommand(1);
  app.footer(kExitStatus);

  CLI::App* ports = app.add_subcommand("ports", "List the serial ports as the window shows them");
  ports->add_flag("--json", options.json, "One JSON object per port on stdout, one a line");

  CLI::App* read = app.add_subcommand(
      "read", "Read a radio's channels and settings into a plan file, or onto stdout");
  read->add_option("--port", port, kPortHelp)->required()->type_name("PORT");
  read->add_option("-o,--output", options.output,
                   "The plan file to write (CHIRP CSV when it ends in .csv); stdout without it")
      ->type_name("PLAN");
  read->add_flag("--no-settings", options.noSettings, "Leave the radio's settings out of the plan");
  AddOutputOptions(*read, options);

  CLI::App* write = app.add_subcommand(
      "write", "Write a plan into radios: a backup of each first, a check of each after");
  AddPorts(*write, options);
  write->add_option("PLAN", options.file, "The plan file (CHIRP CSV when it ends in .csv)")
      ->required()
      ->type_name("FILE");
  write->add_flag("--repeat", options.repeat,
                  "One radio after another on each port, until Ctrl+C: when a radio is done and "
                  "taken off the cable, the next one that answers is written");
  AddBackupFolder(*write, options);
  AddOutputOptions(*write, options);

  CLI::App* verify = app.add_subcommand("verify", "Compare radios with a plan; nothing is written");
  AddPorts(*verify, options);
  verify->add_option("PLAN", options.file, "The plan file (CHIRP CSV when it ends in .csv)")
      ->required()
      ->type_name("FILE");
  AddOutputOptions(*verify, options);

  CLI::App* backup = app.add_subcommand(
      "backup", "Keep what a radio holds in a backup file, as a write keeps it first");
  backup->add_option("--port", port, kPortHelp)->required()->type_name("PORT");
  backup
      ->add_option("-o,--output", options.output,
                   "The backup file to write; without it a new file in the backups folder")
      ->type_name("FILE");
  AddBackupFolder(*backup, options);
  AddOutputOptions(*backup, options);

  CLI::App* restore = app.add_subcommand(
      "restore", "Put a backup back into a radio, after a backup of what it holds now");
  restore->add_option("--port", port, kPortHelp)->required()->type_name("PORT");
  restore->add_option("BACKUP", options.file, "The backup file")->required()->type_name("FILE");
  AddBackupFolder(*restore, options);
  AddOutputOptions(*restore, options);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = app.exit(error, out, err);
    platform.out(out.str());
    platform.err(err.str());
    return status == 0 ? kExitAllDone : kExitRefused;
  }
  if (ports->parsed()) {
    Console console(false, false, platform.out, platform.err);
    return RunPorts(options, console);
  }
  if (!port.empty()) {
    options.ports = {port};
  }
  Console console(options.quiet, !options.quiet && platform.stderrRedraws, platform.out,
                  platform.err);
  const std::unique_ptr<Interrupts> interrupts = platform.watchInterrupts([&console](int count) {
    if (count <= 2) {
      console.Say("", count == 1 ? kFirstInterrupt : kSecondInterrupt);
    }
  });
  Context context{options, console, *interrupts, platform.makeLink};
  if (read->parsed()) {
    return RunRead(context);
  }
  if (write->parsed()) {
    return RunWrite(context);
  }
  if (verify->parsed()) {
    return RunVerify(context);
  }
  if (backup->parsed()) {
    return RunBackup(context);
  }
  return RunRestore(context);
}
