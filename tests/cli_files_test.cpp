// vexalon-cli with the files a user has at hand: a plan cut off or holding values that
// cannot be used is refused before the radio hears a byte, an output never lands in a file
// of another kind, `-o -` is stdout, and a write's counts are what the radio answered.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "files/backup_file.h"
#include "files/plan_file.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/in_process_cli.h"
#include "tests/support/temp_folder.h"

namespace {

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The commands meet the files a user has at hand.
class CliFiles : public Cli {};

TEST_F(CliFiles, APlanCutOffOrWithValuesItCannotUseIsRefusedWithNothingSent) {
  const std::string cut = folder / "cut.ini";
  WriteBytes(cut,
             "[General]\r\nAdvancedMode=0\r\nOtherSettings=1\r\n[Ch1]\r\nFreqRX=1\r\nFreqTX=1\r\n"
             "CTCSSRX=0\r\n");
  const std::string bad = folder / "bad.ini";
  ChannelPlan plan = DistinctPlan(false);
  ASSERT_TRUE(SavePlanFile(bad, plan).failure.format.empty());
  std::string text = ReadBytes(bad);
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"[Ch2]\r\nFreqRX=" + std::to_string(plan.channels[1].rxChannelIndex),
            "[Ch2]\r\nFreqRX=99"},
           {"CTCSSTX=" + std::to_string(plan.channels[2].txToneIndex) + "\r\nShift",
            "CTCSSTX=abc\r\nShift"},
           {"SquelchLevel=" + std::to_string(plan.settings->squelchLevel), "SquelchLevel=42"},
           {"MonitorKey=" + std::to_string(plan.settings->monitorKey), "MonitorKey=9"},
           {"TOT=" + std::to_string(plan.settings->tot), "TOT=99"}}) {
    ASSERT_NE(text.find(from), std::string::npos) << from;
    text.replace(text.find(from), from.size(), to);
  }
  WriteBytes(bad, text);

  for (const std::string command : {"write", "verify"}) {
    const auto run = [&](std::vector<std::string> arguments) {
      arguments.insert(arguments.begin(), {command, "--port", port});
      if (command == "write") {
        arguments.insert(arguments.end(), {"--backup-dir", backups});
      }
      return Run(arguments);
    };
    Ran ran = run({bad});
    EXPECT_EQ(ran.status, 2) << ran.err;
    EXPECT_EQ(Lines(ran.err), (std::vector<std::string>{
                                  bad + ": [Ch2] FreqRX \"99\" lies outside 0 to 8.",
                                  bad + ": [Ch3] CTCSSTX \"abc\" is not a whole number.",
                                  bad + ": [OtherSettings] MonitorKey \"9\" lies outside 0 to 3.",
                                  bad + ": [OtherSettings] SquelchLevel \"42\" lies outside 0 "
                                        "to 10.",
                                  bad + ": [OtherSettings] TOT \"99\" lies outside 0 to 10.",
                                  "Nothing was sent. Correct the plan first."}))
        << command;
    ran = run({"--missing-as-unused", bad});
    EXPECT_EQ(ran.status, 2) << ran.err;

    ran = run({cut});
    EXPECT_EQ(ran.status, 2) << ran.err;
    const std::vector<std::string> lines = Lines(ran.err);
    ASSERT_EQ(lines.size(), 3u + 14u + 1u + 1u) << ran.err;
    EXPECT_EQ(lines[0], cut + ": [Ch1] CTCSSTX is missing.");
    EXPECT_EQ(lines[3], cut + ": [Ch2] is missing.");
    EXPECT_EQ(lines.back(),
              "Nothing was sent. Complete the plan, or take what it lacks as unused with "
              "--missing-as-unused.");
  }
  EXPECT_TRUE(radio.CommandLog().empty());

  // What it lacks taken as unused, the plan is checked against the radio.
  const Ran ran = Run({"verify", "--port", port, "--missing-as-unused", cut});
  EXPECT_NE(ran.status, 2) << ran.err;
  EXPECT_FALSE(radio.CommandLog().empty());
}

// What the load noticed is said; that a CSV sheet holds no settings is said in the command
// line's own words rather than the window's.
TEST_F(CliFiles, ASheetsNoticeIsSaidInTheCommandLinesWords) {
  const std::string sheet = folder / "sheet.csv";
  WriteBytes(sheet, "Location,Frequency\n1,446.006250\n20,446.018750\n");
  const Ran ran = Run({"verify", "--port", port, sheet});
  EXPECT_NE(ran.status, 2) << ran.err;
  EXPECT_TRUE(
      ran.err.starts_with("Line 3: location \"20\" is skipped; the radio has channels 1 to 15.\n" +
                          sheet + " holds no settings; they are not compared.\n"))
      << ran.err;
  EXPECT_EQ(ran.err.find("did not have settings"), std::string::npos) << ran.err;
}

TEST_F(CliFiles, OutputsLandOnlyInFilesOfTheirOwnKindOrOnStdout) {
  const std::string kept = folder / "before.vxbackup";
  ASSERT_EQ(Run({"backup", "--port", port, "-o", kept}).status, 0);
  const std::string backupText = ReadBytes(kept);
  radio.ClearCommandLog();

  Ran ran = Run({"read", "--port", port, "-o", kept});
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.err,
            kept +
                " is not a Vexalon channel plan; the plan is not saved into it. Choose another "
                "file.\n");
  const std::string sheet = folder / "sheet.csv";
  WriteBytes(sheet, "Name,Phone\nAnn,123\n");
  EXPECT_EQ(Run({"read", "--port", port, "-o", sheet}).status, 2);
  const std::string plan = folder / "plan.ini";
  ASSERT_TRUE(SavePlanFile(plan, DistinctPlan(false)).failure.format.empty());
  const std::string planText = ReadBytes(plan);
  ran = Run({"backup", "--port", port, "-o", plan});
  EXPECT_EQ(ran.status, 2);
  EXPECT_EQ(ran.err,
            plan + " is not a Vexalon radio backup; it is not replaced. Choose another file.\n");
  EXPECT_TRUE(radio.CommandLog().empty());
  EXPECT_EQ(ReadBytes(kept), backupText);
  EXPECT_TRUE(LoadBackupFile(kept).backup);
  EXPECT_EQ(ReadBytes(plan), planText);
  EXPECT_EQ(ReadBytes(sheet), "Name,Phone\nAnn,123\n");

  // "-" is stdout, never a file of that name.
  const std::string plainRead = Run({"read", "--port", port}).out;
  ran = Run({"read", "--port", port, "-o", "-"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(ran.out, plainRead);
  ran = Run({"backup", "--port", port, "-o", "-", "--quiet"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  const BackupFileRead read = BackupFromText(ran.out, "stdout");
  ASSERT_TRUE(read.backup);
  EXPECT_EQ(read.backup->blocks, LoadBackupFile(kept).backup->blocks);
  EXPECT_FALSE(std::filesystem::exists("-"));
  EXPECT_FALSE(std::filesystem::exists(backups));

  // A backup goes over a backup.
  ASSERT_EQ(Run({"backup", "--port", port, "-o", kept}).status, 0);
  EXPECT_TRUE(LoadBackupFile(kept).backup);
}

// A radio that keeps all but bank 0 locked refuses 37 of the 69 writes.
TEST_F(CliFiles, AWritesCountsAreWhatTheRadioAnswered) {
  radio.SetWritesRefusedFrom(0x0100);
  const std::string plan = folder / "plan.ini";
  ASSERT_TRUE(SavePlanFile(plan, DistinctPlan(false)).failure.format.empty());
  const Ran ran = Run({"write", "--port", port, "--backup-dir", backups, "--json", plan});
  EXPECT_EQ(ran.status, 1) << ran.err;

  int refused = 0;
  int acknowledged = 0;
  const auto commands = radio.CommandLog();
  const auto replies = radio.ReplyLog();
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (commands[i][0] == kWriteCommandCode) {
      (replies[i] == kAcknowledgement ? acknowledged : refused) += 1;
    }
  }
  ASSERT_EQ(refused, 37);
  const nlohmann::json object = nlohmann::json::parse(ran.out);
  EXPECT_EQ(object["result"], "finished with errors");
  EXPECT_EQ(object["blocks_to_write"], 69);
  EXPECT_EQ(object["blocks_written"], acknowledged);
  EXPECT_EQ(object["unacknowledged_writes"], refused);
  EXPECT_FALSE(object["differing_blocks"].empty());
  const std::vector<std::string> lines = object["lines"];
  EXPECT_TRUE(lines.back().starts_with("Finished with errors: ")) << lines.back();
  EXPECT_TRUE(Holds(Lines(ran.err), "[!] The radio did not acknowledge 37 other writes."))
      << ran.err;
}

}  // namespace
