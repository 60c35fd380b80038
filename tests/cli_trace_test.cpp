// --trace: a file for each radio with every exchange, its times and the port's device.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

#include "cli/trace_file.h"
#include "radio/hex_text.h"
#include "radio/program_version.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/in_process_cli.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class CliTrace : public Cli {
 protected:
  // Every command the radio heard, each on a line of the trace with its time.
  void ExpectEveryCommandIn(const std::string& trace, const RadioSimulator& heard) {
    for (const ByteString& command : heard.CommandLog()) {
      EXPECT_TRUE(Holds(trace, "  >  " + HexBytes(command, " ") + "\n")) << HexBytes(command, " ");
    }
  }

  const std::string traces = (fs::path(folder / "traces") / "new").string();
};

TEST_F(CliTrace, AReadLeavesItsTraceInAFolderItMakes) {
  const Ran ran = Run({"read", "--port", port, "--trace", traces, "-o", folder / "plan.ini"});
  ASSERT_EQ(ran.status, 0) << ran.err;
  const std::vector<fs::path> files = FilesIn(traces);
  ASSERT_EQ(files.size(), 1u);
  const std::string name = files[0].filename().string();
  EXPECT_TRUE(name.starts_with("vexalon-trace-ttySIM0-") && name.ends_with(".txt")) << name;
  EXPECT_TRUE(Holds(ran.err, "The trace of its exchanges is in " + files[0].string() + ".\n"))
      << ran.err;

  const std::string trace = FileText(files[0]);
  EXPECT_TRUE(trace.starts_with("Vexalon " + ProgramVersion() + " (" + ProgramBuild() +
                                "), vexalon-cli read\nRadio: " + port + "\n"))
      << trace;
  EXPECT_TRUE(Holds(trace, "\nDevice: " + port + ": ")) << trace;
  EXPECT_TRUE(Holds(trace, "\nResult: done\n")) << trace;
  EXPECT_TRUE(Holds(trace, ": 34 exchanges, times in ms")) << trace;
  ExpectEveryCommandIn(trace, radio);
}

TEST_F(CliTrace, EachRadioOfAFleetHasItsOwnFile) {
  RadioSimulator second;
  SimulatedLine secondLine(second, "/dev/ttySIM1");
  lines.push_back(&secondLine);
  const Ran ran = Run({"verify", "--json", "--port", port, "--port", secondLine.PortName(),
                       "--trace", traces, PlanFile(DistinctPlan(false))});
  EXPECT_EQ(ran.status, 1) << ran.err;  // neither radio holds the plan

  const std::vector<std::string> out = Lines(ran.out);
  ASSERT_EQ(out.size(), 2u) << ran.out;
  std::set<std::string> named;
  for (const std::string& line : out) {
    const json object = json::parse(line);
    const std::string file = object["trace_file"];
    named.insert(file);
    const std::string stem =
        object["port"] == port ? "vexalon-trace-ttySIM0-" : "vexalon-trace-ttySIM1-";
    EXPECT_TRUE(fs::path(file).filename().string().starts_with(stem)) << file;
    const std::string trace = FileText(file);
    EXPECT_TRUE(Holds(trace, "\nRadio: " + object["port"].get<std::string>() + "\n")) << trace;
    ExpectEveryCommandIn(trace, object["port"] == port ? radio : second);
  }
  EXPECT_EQ(named.size(), 2u);
  EXPECT_EQ(FilesIn(traces).size(), 2u);
}

// One radio after another on a cable: a file for each, numbered as the radios are.
TEST_F(CliTrace, EachRadioOfARepeatedWriteHasItsOwnFile) {
  int step = 0;
  const Ran ran =
      Run({"write", "--repeat", "--port", port, "--backup-dir", backups, "--trace", traces,
           PlanFile(DistinctPlan(false))},
          [&](const std::string&, const std::string& err) {
            const bool ended = Holds(err, "#" + std::to_string(step / 2 + 1) + ": Done!\n");
            const std::vector<std::string> shown = Lines(err);
            const bool waiting = !shown.empty() && shown.back() == "Waiting for the next radio...";
            if (step % 2 == 0 && ended) {
              radio.SetSilent(true);
            } else if (step == 1 && waiting) {
              radio.SetSilent(false);
            } else if (step == 3 && waiting) {
              PressCtrlC(line);
            } else {
              return;
            }
            ++step;
          });
  ASSERT_EQ(step, 4) << ran.err;
  EXPECT_EQ(ran.status, 0) << ran.err;
  const std::vector<fs::path> files = FilesIn(traces);
  ASSERT_EQ(files.size(), 2u);
  for (int number = 1; number <= 2; ++number) {
    const fs::path& file = files[number - 1];
    EXPECT_TRUE(file.filename().string().starts_with("vexalon-trace-ttySIM0-" +
                                                     std::to_string(number) + "-"))
        << file;
    const std::string trace = FileText(file);
    EXPECT_TRUE(Holds(trace, "\nRadio: " + port + " #" + std::to_string(number) + "\n"));
    EXPECT_TRUE(Holds(trace, "\nResult: done\n"));
  }
}

TEST_F(CliTrace, AFolderThatCannotBeMadeRefusesTheCommandBeforeAnyPortOpens) {
  const std::string file = folder / "a-file";
  std::ofstream(file) << "x";
  Ran ran = Run({"read", "--port", port, "--trace", file});
  EXPECT_EQ(ran.status, 2);
  // With the system's words for why.
  EXPECT_TRUE(ran.err.starts_with("The trace folder " + file + " cannot be made")) << ran.err;
  ran = Run({"backup", "--port", port, "--trace", ""});
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.err, "--trace is empty; it needs a folder.\n");
  EXPECT_TRUE(radio.CommandLog().empty());
}

TEST(TraceFileStem, NamesThePortAsAFileNameKeepsItWithTheRadioAndTheTime) {
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 11;
  local.tm_mday = 10;
  local.tm_hour = 14;
  local.tm_min = 15;
  local.tm_sec = 3;
  local.tm_isdst = -1;
  const auto at = std::chrono::system_clock::from_time_t(std::mktime(&local));
  EXPECT_EQ(TraceFileStem({"/dev/ttyUSB0"}, at), "ttyUSB0-20261210-141503");
  EXPECT_EQ(TraceFileStem({"/dev/serial/by-id/usb-FTDI_A5-if00", 2}, at),
            "serial_by-id_usb-FTDI_A5-if00-2-20261210-141503");
  EXPECT_EQ(TraceFileStem({"COM3"}, at), "COM3-20261210-141503");
  EXPECT_EQ(TraceFileStem({"/tmp/radio"}, at), "tmp_radio-20261210-141503");
  EXPECT_EQ(TraceFileStem({"\\\\.\\COM12"}, at), "COM12-20261210-141503");
}

}  // namespace
