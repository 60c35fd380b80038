// The Windows serial link end to end: the Windows test program (serial_probe.exe) runs
// under Wine on a COM port of the Wine prefix that leads to the simulated radio's
// pseudo-terminal; this side plays the radio and judges the outcome against the same
// operation through the Linux link. The port list is judged on what the prefix holds.
#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "radio/read_plan.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tests/support/transfer_log.h"
#include "tools/radiosim/radio_simulator.h"

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

class WineSerial : public testing::Test {
 protected:
  void SetUp() override {
    radio.SetLinkPath(Required("WINEPREFIX") + "/" + kRadioLink);
    radio.Start();
  }

  // The same operation through the Linux link on a started radio of its own: what Windows
  // must match.
  static void LinuxWrite(RadioSimulator& other, const ChannelPlan& plan) {
    TBlockSerial serial;
    RecordingObserver observer;
    KeptBackups backups;
    ASSERT_EQ(WriteRadio(serial, other.PortPath(), plan, observer, backups).end, TransferEnd::Done);
  }
  static ChannelPlan LinuxRead(RadioSimulator& other) {
    TBlockSerial serial;
    RecordingObserver observer;
    const ReadOutcome outcome = ReadRadio(serial, other.PortPath(), observer);
    EXPECT_EQ(outcome.end, TransferEnd::Done);
    return PlanFromRead(outcome).plan;
  }

  // At line speed, as a real radio answers.
  RadioSimulator radio;
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
  expected.SetPacing(false);
  expected.Start();
  LinuxWrite(expected, DistinctPlan(false));
  EXPECT_EQ(radio.Memory(), expected.Memory());

  const ProbeOutput read = RunProbe("read");
  EXPECT_EQ(read.log.front(), kSupportedForRead);
  EXPECT_EQ(read.log.back(), "Done!");
  EXPECT_EQ(read.controls, PlanValues(LinuxRead(expected)));
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

// The other program is a Linux one holding the pseudo-terminal exclusively: Wine does
// not keep two Windows programs off one device, as Windows does.
TEST_F(WineSerial, APortInUseByAnotherProgramIsRefusedAndNamed) {
  TBlockSerial holder;
  holder.OpenPort(radio.PortPath());
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
