// vexalon-cli as a user starts it: the real program in a process of its own, its output
// through pipes and Ctrl+C as a signal, against a simulated radio on a pseudo-terminal in
// this one. What its commands do is cli_test's; this is the program around them.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "files/plan_file.h"
#include "radio/memory_map.h"
#include "radio/read_plan.h"
#include "radio/transfers.h"
#include "tests/support/child_process.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/fast_radio.h"
#include "tests/support/recording_observer.h"
#include "tests/support/temp_folder.h"
#include "tools/radiosim/simulated_line.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    lines.push_back(line);
  }
  return lines;
}

void Hold(RadioSimulator& radio, const ChannelPlan& plan) {
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    radio.WriteMemory(block.address, block.data);
  }
}

class CliProgram : public testing::Test {
 protected:
  void SetUp() override { StartFastRadio(radio, pty); }

  std::unique_ptr<ChildProcess> Start(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), CLI_COMMAND);
    return std::make_unique<ChildProcess>(
        arguments, std::map<std::string, std::string>{{"XDG_DATA_HOME", folder / "data"}});
  }

  TempFolder folder;
  RadioSimulator radio;
  PseudoTerminalLine pty{radio};
};

// The plan on stdout, the log as the window shows it on stderr, and the exit status.
TEST_F(CliProgram, AReadPrintsThePlanAndTheLog) {
  Hold(radio, DistinctPlan(false));
  // The same radio on a line in memory shows what to expect.
  RadioSimulator twin;
  Hold(twin, DistinctPlan(false));
  SimulatedLine twinLine(twin);
  TBlockSerial link(twinLine, twinLine.Clock());
  RecordingObserver observer;
  const ReadOutcome expected = ReadRadio(link, twinLine.PortName(), observer);

  const auto child = Start({"read", "--port", pty.PortPath()});
  EXPECT_EQ(child->Wait(), 0) << child->Stderr();
  EXPECT_EQ(child->Stdout(), PlanFileText(PlanFromRead(expected).plan));
  EXPECT_EQ(Lines(child->Stderr()), observer.LogWith(expected)) << child->Stderr();
}

// Ctrl+C reaches the program as a signal and ends its wait for the next radio; nothing was
// written and nothing failed.
TEST_F(CliProgram, CtrlCEndsTheWaitForARadio) {
  radio.SetSilent(true);
  const std::string plan = folder / "plan.ini";
  ASSERT_TRUE(SavePlanFile(plan, DistinctPlan(false)).failure.Text().empty());
  const auto child = Start(
      {"write", "--repeat", "--port", pty.PortPath(), "--backup-dir", folder / "backups", plan});
  ASSERT_TRUE(child->WaitForStderr("until Ctrl+C.", 20000)) << child->Stderr();
  ASSERT_TRUE(radio.WaitForCommands(1, 20000));
  child->Interrupt();
  EXPECT_EQ(child->Wait(), 0) << child->Stderr();
  const std::vector<std::string> lines = Lines(child->Stderr());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2],
            "Stopping once the radios in progress are done; Ctrl+C again stops at once.");
  EXPECT_EQ(lines.back(), "Radios written: 0, failed: 0, not written: 0.");
  EXPECT_EQ(child->Stdout(), "");
  for (const ByteString& command : radio.CommandLog()) {
    EXPECT_EQ(command, kProgrammingModeCommand);
  }
}

// The connection test through a real port: the radio it found, as a value, and status 0.
TEST_F(CliProgram, AProbeNamesTheVariantAndEndsWithStatusZero) {
  radio.SetVariant(RadioVariant::E2);
  const auto child = Start({"probe", "--port", pty.PortPath(), "--json"});
  EXPECT_EQ(child->Wait(), 0) << child->Stderr();
  const nlohmann::json object = nlohmann::json::parse(child->Stdout());
  EXPECT_EQ(object["variant"], "E2");
  EXPECT_EQ(object["verdict"], "ready to write");
  for (const ByteString& command : radio.CommandLog()) {
    EXPECT_NE(command.front(), kWriteCommandCode);
  }
}

}  // namespace
