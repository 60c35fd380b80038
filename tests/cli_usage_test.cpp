// vexalon-cli misused as a user may misuse it: every command ends with a clear message and
// its exit status, never by a signal, and never waits on a file that is no file.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "files/backup_file.h"
#include "files/plan_file.h"
#include "tests/support/child_process.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/temp_folder.h"

namespace {

struct Ran {
  int status = -1;
  std::string err;
};

class CliUsage : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SavePlanFile(plan, DistinctPlan(false)).failure.format.empty());
    WriteBytes(backup, BackupFileText({"E", std::chrono::system_clock::now(),
                                       PlanBlocks(DistinctPlan(false))}));
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    WriteBytes(regular, "not a serial port");
  }

  Ran Run(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {CLI_COMMAND};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildProcess child(argv, {{"XDG_DATA_HOME", folder / "data"}});
    // A command that waited on the fifo would be killed here and give -1.
    const int status = child.Wait(30000);
    return {status, child.Stderr()};
  }

  // The command with a port and the files it needs, any of them replaced.
  std::vector<std::string> Command(const std::string& command, const std::string& port,
                                   const std::string& input, const std::string& output) {
    const std::vector<std::string> backups = {"--backup-dir", folder / "backups"};
    if (command == "ports") {
      return {"ports", "--port", port};
    }
    if (command == "read") {
      return {"read", "--port", port, "-o", output};
    }
    if (command == "backup") {
      return {"backup", "--port", port, "-o", output};
    }
    std::vector<std::string> arguments = {command, "--port", port, input};
    if (command != "verify") {
      arguments.insert(arguments.end(), backups.begin(), backups.end());
    }
    return arguments;
  }

  TempFolder folder;
  const std::string plan = folder / "plan.ini";
  const std::string backup = folder / "radio.vxbackup";
  const std::string fifo = folder / "fifo";
  const std::string regular = folder / "regular";
  const std::string missing = folder / "missing-port";
};

TEST_F(CliUsage, EveryCommandEndsEveryMisuseWithAMessageAndItsStatus) {
  const std::vector<std::string> commands = {"ports",  "read",   "write",
                                             "verify", "backup", "restore"};
  const auto output = [&](const std::string& command) {
    return folder / (command == "read" ? "out.ini" : "out.vxbackup");
  };
  const auto input = [&](const std::string& command) {
    return command == "restore" ? backup : plan;
  };
  struct Case {
    std::string what;
    // Status 2 for bad usage (also of ports, which takes no port), 1 for a port that fails.
    int status;
    std::function<std::vector<std::string>(const std::string&)> arguments;
  };
  const std::vector<Case> cases = {
      {"an empty port", 2,
       [&](const std::string& c) { return Command(c, "", input(c), output(c)); }},
      {"a blank port", 2,
       [&](const std::string& c) { return Command(c, " \t", input(c), output(c)); }},
      {"a port without its value", 2,
       [&](const std::string& c) {
         std::vector<std::string> arguments = Command(c, "x", input(c), output(c));
         arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
         arguments.push_back("--port");
         return arguments;
       }},
      {"a folder as the file", 2,
       [&](const std::string& c) {
         return Command(c, missing, folder.Path().string(), folder.Path().string());
       }},
      {"a fifo as the file", 2,
       [&](const std::string& c) { return Command(c, missing, fifo, fifo); }},
      {"a port that is not there", 1,
       [&](const std::string& c) { return Command(c, missing, input(c), output(c)); }},
      {"a regular file as the port", 1,
       [&](const std::string& c) { return Command(c, regular, input(c), output(c)); }},
      {"/dev/null as the port", 1,
       [&](const std::string& c) { return Command(c, "/dev/null", input(c), output(c)); }},
  };
  for (const Case& each : cases) {
    for (const std::string& command : commands) {
      const std::vector<std::string> arguments = each.arguments(command);
      const Ran ran = Run(arguments);
      const std::string name = each.what + ": " + testing::PrintToString(arguments);
      EXPECT_EQ(ran.status, command == "ports" ? 2 : each.status) << name << "\n" << ran.err;
      EXPECT_FALSE(ran.err.empty()) << name;
    }
  }
  // Nothing was written where the files were meant to go.
  EXPECT_FALSE(std::filesystem::exists(folder / "out.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder / "out.vxbackup"));
}

TEST_F(CliUsage, EachMisuseIsNamed) {
  const std::map<std::vector<std::string>, std::string> said = {
      {{"read", "--port", ""}, "--port is empty; it needs the radio's serial port.\n"},
      {{"write", "--port", "  ", plan}, "--port is blank; it needs the radio's serial port.\n"},
      {{"backup", "--port", "x", "-o", ""},
       "-o is empty; it needs a file name, or - for stdout.\n"},
      {{"restore", "--port", "x", "", "--backup-dir", "b"},
       "BACKUP is empty; it needs a backup file.\n"},
      {{"write", "--port", "x", plan, "--backup-dir", ""},
       "--backup-dir is empty; it needs a folder.\n"},
      {{"read", "--port", "x", "-o", "-", "--json"},
       "read --json needs -o PLAN, since the JSON goes to stdout.\n"},
      {{"backup", "--port", "x", "-o", "-", "--json"},
       "backup --json cannot put the backup on stdout too: give -o a file name, or leave -o "
       "out.\n"},
      {{"verify", "--port", "x", fifo}, "Unable to read " + fifo + ".\n"},
      {{"restore", "--port", "x", folder.Path().string()},
       "Unable to read " + folder.Path().string() + ".\n"},
      {{"read", "--port", missing},
       "No response from serial port. Check you are using the right port.\nCould not open " +
           missing + ": No such file or directory\n"},
  };
  for (const auto& [arguments, err] : said) {
    const Ran ran = Run(arguments);
    EXPECT_EQ(ran.err, err) << testing::PrintToString(arguments);
  }
}

}  // namespace
