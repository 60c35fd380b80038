#include "cli/arguments.h"

#include <CLI/CLI.hpp>
#include <array>
#include <sstream>

#include "cli/exit_status.h"

namespace {

constexpr char kDescription[] =
    "Reads, writes, checks, backs up and restores HT-446 PMR446 handheld radios (variants E, "
    "E2 and T) through their serial programming cable, on several ports at once.";
constexpr char kExitStatus[] =
    "Exit status: 0 when every radio finished without error; 1 when a radio failed, differs "
    "from the plan or could not be reached (also on a port that cannot be opened or is no "
    "serial port); 2 for bad usage or a plan or backup file that cannot be used or written, "
    "and then nothing was sent to any radio.";
constexpr char kPortHelp[] =
    "The radio's serial port: a device path, a /dev/serial/by-id link or COMn";
constexpr char kPlanHelp[] =
    "The plan file (CHIRP CSV when it ends in .csv). A plan that lacks a key or a channel, or "
    "holds a value that cannot be used, is refused";

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

void AddReport(CLI::App& command, Options& options) {
  command
      .add_option("--report", options.reportFile,
                  "Append a row for each radio to the CSV file FILE as it ends: date and time, "
                  "port, radio number, variant, result, blocks written, blocks read back "
                  "different, backup file")
      ->type_name("FILE");
}

void AddTrace(CLI::App& command, Options& options) {
  command
      .add_option("--trace", options.traceDir,
                  "Write a file for each radio into the folder DIR (made if missing) with every "
                  "command and reply in hex, their times and the port's device, to send with a "
                  "report on a radio that does not work as it should")
      ->type_name("DIR");
}

void AddChangedOnly(CLI::App& command, Options& options) {
  command.add_flag("--changed-only", options.changedOnly,
                   "Send only the blocks the radio does not already hold, as its backup shows, "
                   "and read back only those");
}

void AddPorts(CLI::App& command, Options& options) {
  command
      .add_option("--port", options.ports,
                  std::string(kPortHelp) + "; once for each radio, all handled at once")
      ->required()
      ->type_name("PORT")
      ->allow_extra_args(false);
}

void AddPlan(CLI::App& command, Options& options) {
  command.add_option("PLAN", options.file, kPlanHelp)->required()->type_name("FILE");
  command.add_flag("--missing-as-unused", options.missingAsUnused,
                   "Take a key or channel the plan lacks as its default (a channel not in use, a "
                   "setting as the window starts with it); a value it cannot use still refuses "
                   "the plan");
}

// The commands and their options, filling `options` and `port` as they are parsed.
struct CommandLine {
  CLI::App app{kDescription, "vexalon-cli"};
  // The one --port of the commands for a single radio.
  std::string port;
  std::array<CLI::App*, 7> commands{};

  explicit CommandLine(Options& options) {
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
                     "The plan file to write (CHIRP CSV when it ends in .csv); stdout without it "
                     "or with -. An existing file is written only when it is a plan of that "
                     "kind, or empty")
        ->type_name("PLAN");
    read->add_flag("--no-settings", options.noSettings,
                   "Leave the radio's settings out of the plan");
    AddTrace(*read, options);
    AddOutputOptions(*read, options);

    CLI::App* write = app.add_subcommand(
        "write", "Write a plan into radios: a backup of each first, a check of each after");
    AddPorts(*write, options);
    AddPlan(*write, options);
    write->add_flag("--repeat", options.repeat,
                    "One radio after another on each port, until Ctrl+C: when a radio is done and "
                    "taken off the cable, the next one that answers is written");
    AddBackupFolder(*write, options);
    AddChangedOnly(*write, options);
    AddReport(*write, options);
    AddTrace(*write, options);
    AddOutputOptions(*write, options);

    CLI::App* verify =
        app.add_subcommand("verify", "Compare radios with a plan; nothing is written");
    AddPorts(*verify, options);
    AddPlan(*verify, options);
    AddTrace(*verify, options);
    AddOutputOptions(*verify, options);

    CLI::App* backup = app.add_subcommand(
        "backup", "Keep what a radio holds in a backup file, as a write keeps it first");
    backup->add_option("--port", port, kPortHelp)->required()->type_name("PORT");
    backup
        ->add_option("-o,--output", options.output,
                     "The backup file to write, or - for stdout; without it a new file in the "
                     "backups folder. An existing file is replaced only when it is a backup, or "
                     "empty")
        ->type_name("FILE");
    AddBackupFolder(*backup, options);
    AddTrace(*backup, options);
    AddOutputOptions(*backup, options);

    CLI::App* restore = app.add_subcommand(
        "restore", "Put a backup back into a radio, after a backup of what it holds now");
    restore->add_option("--port", port, kPortHelp)->required()->type_name("PORT");
    restore->add_option("BACKUP", options.file, "The backup file")->required()->type_name("FILE");
    AddBackupFolder(*restore, options);
    AddChangedOnly(*restore, options);
    AddReport(*restore, options);
    AddTrace(*restore, options);
    AddOutputOptions(*restore, options);

    CLI::App* probe = app.add_subcommand(
        "probe",
        "Test the connection to a radio: the cable, the radio's identity, what it lets be read "
        "and how quickly it answers, then whether it is ready to be written (exit status 0) or "
        "what stands in the way (1); nothing is written");
    probe->add_option("--port", port, kPortHelp)->required()->type_name("PORT");
    AddTrace(*probe, options);
    AddOutputOptions(*probe, options);

    commands = {ports, read, write, verify, backup, restore, probe};
  }

  Command Parsed() const {
    for (std::size_t i = 0; i < commands.size(); ++i) {
      if (commands[i]->parsed()) {
        return static_cast<Command>(i);
      }
    }
    return Command::Ports;
  }

  // Whether the command was given the option, even with an empty value.
  bool Given(Command command, const std::string& name) const {
    const CLI::Option* option =
        commands[static_cast<std::size_t>(command)]->get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
  }
};

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

std::string EmptyValue(const std::string& name, const std::string& value,
                       const std::string& needed) {
  return name + (value.empty() ? " is empty" : " is blank") + "; it needs " + needed + ".";
}

// What the parser lets through but no command can use; empty when all is well.
std::string Misuse(const CommandLine& line, Command command, const Options& options) {
  for (const std::string& port : options.ports) {
    if (IsBlank(port)) {
      return EmptyValue("--port", port, "the radio's serial port");
    }
  }
  if (line.Given(command, "--output") && options.output.empty()) {
    return EmptyValue("-o", options.output, "a file name, or - for stdout");
  }
  if (line.Given(command, "--report") && options.reportFile.empty()) {
    return EmptyValue("--report", options.reportFile, "a file name");
  }
  if (line.Given(command, "--backup-dir") && options.backupDir.empty()) {
    return EmptyValue("--backup-dir", options.backupDir, "a folder");
  }
  if (line.Given(command, "--trace") && options.traceDir.empty()) {
    return EmptyValue("--trace", options.traceDir, "a folder");
  }
  const bool onStdout = options.output.empty() || options.output == kStandardOutput;
  if (command == Command::Read && options.json && onStdout) {
    return "read --json needs -o PLAN, since the JSON goes to stdout.";
  }
  if (command == Command::Backup && options.json && options.output == kStandardOutput) {
    return "backup --json cannot put the backup on stdout too: give -o a file name, or leave "
           "-o out.";
  }
  if ((command == Command::Write || command == Command::Verify) && options.file.empty()) {
    return EmptyValue("PLAN", options.file, "a plan file");
  }
  if (command == Command::Restore && options.file.empty()) {
    return EmptyValue("BACKUP", options.file, "a backup file");
  }
  return {};
}

}  // namespace

ParsedArguments ParseArguments(int argc, const char* const* argv) {
  ParsedArguments parsed;
  CommandLine line(parsed.options);
  try {
    line.app.parse(argc, argv);
  } catch (const CLI::Error& error) {
    std::ostringstream out;
    std::ostringstream err;
    parsed.exitStatus = line.app.exit(error, out, err) == 0 ? kExitAllDone : kExitRefused;
    parsed.out = out.str();
    parsed.err = err.str();
    return parsed;
  }
  parsed.command = line.Parsed();
  const Command command = parsed.command;
  if (command == Command::Read || command == Command::Backup || command == Command::Restore ||
      command == Command::Probe) {
    parsed.options.ports = {line.port};
  }
  if (const std::string misuse = Misuse(line, command, parsed.options); !misuse.empty()) {
    parsed.exitStatus = kExitRefused;
    parsed.err = misuse + "\n";
  }
  return parsed;
}
