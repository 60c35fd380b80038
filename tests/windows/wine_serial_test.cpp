// The Windows serial link end to end: the Windows test program (serial_probe.exe) runs
// under Wine on a COM port of the Wine prefix that leads to the simulated radio's
// pseudo-terminal; this side plays the radio and judges the outcome against the same
// operation through the Linux link. The port list is judged on what the prefix holds.
#include <gtest/gtest.h>

#include <stdio.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "files/plan_file.h"
#include "radio/memory_map.h"
#include "radio/read_plan.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transfer_log.h"
#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"
#include "tools/radiosim/simulated_line.h"

namespace {

// Far above the ports a Wine prefix maps to the machine's own serial devices, yet among
// the numbers the program always lists. scripts/windows-test.sh maps it to the radio's
// link in the prefix, and registers its device as "Communications Port".
const std::string kPort = "COM29";
const std::string kRadioLink = "radio-pty";

std::string Required(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') {
    throw std::runtime_error(std::string("set ") + variable);
  }
  return value;
}

std::string ProbeCommand(const std::string& arguments) {
  return std::string(WINE_RUN) + " '" + Required("VEXALON_SERIAL_PROBE") + "' " + arguments;
}

struct ProbeOutput {
  std::vector<std::string> ports;  // "<path> <item text>", a separator as "----"
  std::vector<std::string> log;
  std::map<std::string, std::string> controls;
  std::string outcome;
  long elapsedMs = -1;
};

// The value after "<key> " on each line that starts so.
ProbeOutput Parse(const std::string& text) {
  ProbeOutput output;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end;
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    if (key == "port") {
      output.ports.push_back(value);
    } else if (key == "separator") {
      output.ports.push_back("----");
    } else if (key == "log") {
      output.log.push_back(value);
    } else if (key == "control") {
      const std::size_t equals = value.find('=');
      output.controls[value.substr(0, equals)] = value.substr(equals + 1);
    } else if (key == "outcome") {
      output.outcome = value;
    } else if (key == "elapsed_ms") {
      output.elapsedMs = std::stol(value);
    }
  }
  return output;
}

ProbeOutput RunProbeWith(const std::string& arguments) {
  FILE* pipe = popen(ProbeCommand(arguments).c_str(), "r");
  if (pipe == nullptr) {
    throw std::runtime_error("cannot start the probe");
  }
  std::string text;
  char buffer[4096];
  while (const std::size_t got = fread(buffer, 1, sizeof buffer, pipe)) {
    text.append(buffer, got);
  }
  EXPECT_EQ(pclose(pipe), 0) << text;
  return Parse(text);
}

// An operation on the radio's port.
ProbeOutput RunProbe(const std::string& operation) {
  return RunProbeWith(kPort + ' ' + operation);
}

// A file of this side as the Windows program names it: Wine's drive Z: is the root.
std::string WindowsPath(const std::string& path) {
  std::string windows = "Z:" + path;
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return windows;
}

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// vexalon-cli.exe from the program folder the zip and the installer hold.
CliRun RunCli(const std::vector<std::string>& arguments, const TempFolder& folder) {
  std::string command = std::string(WINE_RUN) + " '" + Required("VEXALON_CLI") + "'";
  for (const std::string& argument : arguments) {
    command += " '" + argument + "'";
  }
  const std::string errors = folder / "cli-stderr";
  FILE* pipe = popen((command + " 2>'" + errors + "'").c_str(), "r");
  if (pipe == nullptr) {
    throw std::runtime_error("cannot start vexalon-cli.exe");
  }
  CliRun run;
  char buffer[4096];
  while (const std::size_t got = fread(buffer, 1, sizeof buffer, pipe)) {
    run.out.append(buffer, got);
  }
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadBytes(errors);
  return run;
}

class WineSerial : public testing::Test {
 protected:
  void SetUp() override {
    pty.SetLinkPath(Required("WINEPREFIX") + "/" + kRadioLink);
    pty.Start();
  }

  // The same operation on a radio of its own on a simulated line: what Windows must match.
  static void SimulatedWrite(SimulatedLine& line, const ChannelPlan& plan) {
    TBlockSerial serial(line, line.Clock());
    RecordingObserver observer;
    KeptBackups backups;
    ASSERT_EQ(WriteRadio(serial, line.PortName(), plan, observer, backups).end, TransferEnd::Done);
  }
  static ChannelPlan SimulatedRead(SimulatedLine& line) {
    TBlockSerial serial(line, line.Clock());
    RecordingObserver observer;
    const ReadOutcome outcome = ReadRadio(serial, line.PortName(), observer);
    EXPECT_EQ(outcome.end, TransferEnd::Done);
    return PlanFromRead(outcome).plan;
  }

  // At line speed, as a real radio answers.
  RadioSimulator radio;
  PseudoTerminalLine pty{radio};
};

TEST_F(WineSerial, HandshakeWaitsForALateReplyAndForTheQuietGapWithoutAWaitHandler) {
  radio.SetReactionDelayMs(15);
  EXPECT_EQ(RunProbe("handshake").outcome, "Identified E");

  radio.SetSilent(true);
  const ProbeOutput silent = RunProbe("handshake");
  EXPECT_EQ(silent.outcome, "NoResponse ");
  EXPECT_GE(silent.elapsedMs, 25);
}

TEST_F(WineSerial, WholeWriteAndWholeReadMatchTheLinuxLink) {
  const ProbeOutput write = RunProbe("write");
  EXPECT_EQ(write.log.front(), kSupportedForWrite);
  EXPECT_EQ(write.log.back(), "Done!");
  RadioSimulator expected;
  SimulatedLine expectedLine(expected);
  SimulatedWrite(expectedLine, DistinctPlan(false));
  EXPECT_EQ(radio.Memory(), expected.Memory());

  const ProbeOutput read = RunProbe("read");
  EXPECT_EQ(read.log.front(), kSupportedForRead);
  EXPECT_EQ(read.log.back(), "Done!");
  EXPECT_EQ(read.controls, PlanValues(SimulatedRead(expectedLine)));
  std::cout << "Windows link at line speed: write " << write.elapsedMs << " ms, read "
            << read.elapsedMs << " ms\n";
}

TEST_F(WineSerial, NoAnswerAndAPulledCableEndTheReadWithTheirLines) {
  radio.SetSilent(true);
  const ProbeOutput silent = RunProbe("read");
  EXPECT_EQ(silent.log, std::vector<std::string>{kNoResponse});

  radio.SetSilent(false);
  radio.PullCableAfter(6);
  const ProbeOutput pulled = RunProbe("read");
  EXPECT_TRUE(radio.CablePulled());
  EXPECT_EQ(pulled.log.back(), kRadioLost);
}

// The command line's program: a write with its check, a read, and a plan it refuses before
// it sends anything.
TEST_F(WineSerial, TheCommandLineWritesChecksAndReadsTheRadio) {
  TempFolder folder;
  const ChannelPlan plan = DistinctPlan(false);
  ASSERT_TRUE(SavePlanFile(folder / "plan.ini", plan).failure.Text().empty());
  const CliRun write = RunCli({"write", "--port", kPort, "--json", "--backup-dir",
                               WindowsPath(folder / "backups"), WindowsPath(folder / "plan.ini")},
                              folder);
  EXPECT_EQ(write.status, 0) << write.err;
  // A program that crashes under Wine has the debugger's report on stdout.
  ASSERT_TRUE(nlohmann::json::accept(write.out)) << write.out << write.err;
  const nlohmann::json object = nlohmann::json::parse(write.out);
  EXPECT_EQ(object["result"], "done") << write.err;
  EXPECT_EQ(object["differing_blocks"], nlohmann::json::array());
  EXPECT_EQ(object["lines"].back(), "Done!");
  EXPECT_TRUE(std::filesystem::exists(folder / "backups"));
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    EXPECT_EQ(radio.ReadMemory(block.address, block.data.size()), block.data) << block.address;
  }

  RadioSimulator expected;
  SimulatedLine expectedLine(expected);
  SimulatedWrite(expectedLine, plan);
  const CliRun read = RunCli({"read", "--port", kPort}, folder);
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.out, PlanFileText(SimulatedRead(expectedLine)));

  WriteBytes(folder / "broken.ini", "[Repeater]\r\nCallsign=XX0XX\r\n");
  radio.ClearCommandLog();
  const CliRun refused =
      RunCli({"write", "--port", kPort, WindowsPath(folder / "broken.ini")}, folder);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            WindowsPath(folder / "broken.ini") + " is not a Vexalon channel plan.\r\n");
  EXPECT_TRUE(radio.CommandLog().empty());
}

// The other program is a Linux one holding the pseudo-terminal exclusively: Wine does
// not keep two Windows programs off one device, as Windows does.
TEST_F(WineSerial, APortInUseByAnotherProgramIsRefusedAndNamed) {
  TBlockSerial holder;
  holder.OpenPort(pty.PortPath());
  ASSERT_TRUE(holder.IsOpen()) << holder.OpenError().Text();

  const ProbeOutput refused = RunProbe("read");
  EXPECT_EQ(refused.log,
            std::vector<std::string>({kNoResponse, "Could not open \\\\.\\" + kPort +
                                                       ": the port is in use by another program"}));
}

// Wine enters the port it maps into the serial-port map; the device's name is the one the
// prefix registers as a driver would.
TEST_F(WineSerial, ThePortListNamesTheMappedPortAmongThePresentOnes) {
  const std::vector<std::string> ports = RunProbeWith("ports").ports;
  const auto separator = std::find(ports.begin(), ports.end(), "----");
  ASSERT_NE(separator, ports.end()) << testing::PrintToString(ports);
  EXPECT_NE(
      std::find(ports.begin(), separator, kPort + ' ' + kPort + " \u2014 Communications Port"),
      separator)
      << testing::PrintToString(ports);
  EXPECT_EQ(std::count_if(ports.begin(), ports.end(),
                          [](const std::string& port) { return port.starts_with(kPort + ' '); }),
            1);
}

}  // namespace
