// vexalon-cli's commands as a user gives them, run in this process: each port's link on a
// line to a simulated radio in simulated time, Ctrl+C pressed by the test, and stdout and
// stderr captured as the program would print them.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/command_line.h"
#include "files/backup_file.h"
#include "files/csv_plan.h"
#include "files/plan_file.h"
#include "radio/hex_text.h"
#include "radio/hz_text.h"
#include "radio/memory_map.h"
#include "radio/progress_lines.h"
#include "radio/protocol.h"
#include "radio/read_plan.h"
#include "radio/serial_ports.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/in_process_cli.h"
#include "tests/support/recording_observer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transfer_log.h"
#include "tools/radiosim/simulated_line.h"

namespace {

using nlohmann::json;
using namespace std::chrono_literals;

constexpr char kFirstInterrupt[] =
    "Stopping once the radios in progress are done; Ctrl+C again stops at once.";

std::vector<json> JsonLines(const std::string& text) {
  std::vector<json> objects;
  for (const std::string& line : Lines(text)) {
    objects.push_back(json::parse(line));
  }
  return objects;
}

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

// The radio's bytes where a plan's blocks lie.
MemoryBlocks HeldAt(const RadioSimulator& radio, const MemoryBlocks& blocks) {
  MemoryBlocks held;
  for (const MemoryBlock& block : blocks) {
    held.push_back({block.address, radio.ReadMemory(block.address, block.data.size())});
  }
  return held;
}

void Hold(RadioSimulator& radio, const ChannelPlan& plan) {
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    radio.WriteMemory(block.address, block.data);
  }
}

TEST_F(Cli, ReadGivesThePlanFileTextOnStdoutOrWritesTheFileNamed) {
  Hold(radio, DistinctPlan(false));
  TBlockSerial link(line, line.Clock());
  RecordingObserver observer;
  const ReadOutcome direct = ReadRadio(link, port, observer);
  const ChannelPlan held = PlanFromRead(direct).plan;
  ASSERT_FALSE(held.advancedMode);

  // The log as the window shows it, on stderr; the plan on stdout.
  Ran ran = Run({"read", "--port", port});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(ran.out, PlanFileText(held));
  EXPECT_EQ(Lines(ran.err), observer.LogWith(direct)) << ran.err;

  // Quiet: only how it ended.
  ran = Run({"read", "--port", port, "-o", folder / "read.ini", "--quiet"});
  EXPECT_EQ(ran.status, 0);
  EXPECT_EQ(ran.err, "Done!\n");
  EXPECT_EQ(ran.out, "");
  const LoadedPlan loaded = LoadPlanFile(folder / "read.ini", true, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(PlanFileText(*loaded.plan), PlanFileText(held));

  ran = Run({"read", "--port", port, "--no-settings"});
  ChannelPlan channelsOnly = held;
  channelsOnly.settings.reset();
  EXPECT_EQ(ran.out, PlanFileText(channelsOnly));

  // CHIRP's layout has no row for a TX frequency without an RX one: the file is refused,
  // and the read with it.
  ran = Run({"read", "--port", port, "-o", folder / "read.csv"});
  EXPECT_EQ(ran.status, 1);
  EXPECT_TRUE(Holds(ran.err,
                    "Channel 9: its TX frequency is set while its RX frequency is not "
                    "in use"))
      << ran.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "read.csv"));

  ChannelPlan csvPlan = DistinctPlan(false);
  csvPlan.channels[8].rxChannelIndex = 1;
  Hold(radio, csvPlan);
  ran = Run({"read", "--port", port, "-o", folder / "read.csv", "--json"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  const LoadedPlan csv = LoadCsvPlanFile(folder / "read.csv", false, false);
  ASSERT_TRUE(csv.plan) << csv.outcome.failure.Text();
  EXPECT_EQ(csv.plan->channels[8].rxChannelIndex, 1);
  const std::vector<json> objects = JsonLines(ran.out);
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]["port"], port);
  EXPECT_EQ(objects[0]["variant"], "E");
  EXPECT_EQ(objects[0]["result"], "done");
  EXPECT_EQ(objects[0]["plan_file"], folder / "read.csv");
  EXPECT_EQ(objects[0]["advanced_mode"], false);
  EXPECT_EQ(objects[0]["unread_channels"], json::array());
}

TEST_F(Cli, ReadLosesNoFrequencyOutsideTheChannelLists) {
  ChannelPlan plan{.advancedMode = true, .settings = kDefaultSettings};
  plan.channels[2] = {.rxHzText = "439987500", .txHzText = "439987500"};
  plan.channels[4] = {.rxHzText = "446006250", .txHzText = "446006250"};
  plan.channels[8] = {.rxHzText = "446100000", .txHzText = "446006250"};
  Hold(radio, plan);
  const Ran ran = Run({"read", "--port", port});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_TRUE(Holds(ran.err,
                    "Channels 3 and 9 hold frequencies outside the PMR446 channels, so the plan is "
                    "in advanced mode (frequencies in Hz).\n"))
      << ran.err;
  const std::string path = folder / "advanced.ini";
  WriteBytes(path, ran.out);
  const LoadedPlan loaded = LoadPlanFile(path, true, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_TRUE(loaded.plan->advancedMode);
  EXPECT_EQ(loaded.plan->channels[2].rxHzText, "439987500");
  EXPECT_EQ(loaded.plan->channels[8].rxHzText, "446100000");
  EXPECT_EQ(loaded.plan->channels[4].txHzText, "446006250");
}

// Status 2: the command cannot be carried out as given, and no radio has heard a byte.
TEST_F(Cli, BadUsageAndUnusableFilesEndWithStatusTwoBeforeAnythingIsSent) {
  const std::string plan = PlanFile(DistinctPlan(false));
  const std::string broken = folder / "broken.ini";
  WriteBytes(broken, "[Repeater]\r\nCallsign=XX0XX\r\n");
  const ChannelPlan unwritablePlan = DistinctPlan(true);
  const std::string unwritable = PlanFile(unwritablePlan, "unwritable.ini");
  const std::string damaged = folder / "damaged.vxbackup";
  ASSERT_EQ(Run({"backup", "--port", port, "-o", damaged}).status, 0);
  std::string text = ReadBytes(damaged);
  text[text.find("0000: ") + 6] ^= 1;
  WriteBytes(damaged, text);
  radio.ClearCommandLog();
  const std::string unwritableOutput = folder / "no-folder/plan.ini";

  std::vector<std::string> unwritableLines;
  for (const UnwritableHzText& box : UnwritableHzTexts(unwritablePlan)) {
    unwritableLines.push_back(UnwritableHzTextLine(box).Text());
  }
  struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> lines;  // stderr as a whole when given
  };
  const std::vector<Case> cases = {
      {{}, {}},
      {{"program", "--port", port}, {}},
      {{"write", plan}, {}},
      {{"write", "--port", port}, {}},
      {{"write", "--port", port, "--port", port, plan},
       {"The port " + port + " is named more than once."}},
      {{"write", "--port", port, folder / "other-port", plan}, {}},
      {{"verify", "--port", port, "--repeat", plan}, {}},
      {{"read", "--port", port, "--json"},
       {"read --json needs -o PLAN, since the JSON goes to stdout."}},
      {{"read", "--port", port, "-o", unwritableOutput},
       {"Unable to write to " + unwritableOutput + "."}},
      {{"write", "--port", port, folder / "missing.ini"},
       {"Unable to read " + folder / "missing.ini" + "."}},
      {{"verify", "--port", port, broken}, {broken + " is not a Vexalon channel plan."}},
      {{"write", "--port", port, unwritable}, unwritableLines},
      {{"restore", "--port", port, damaged},
       {damaged + " is damaged or incomplete: its checksum does not match what it holds."}},
      {{"write", "--port", port, "--backup-dir", plan, plan},
       {"The backup folder " + plan + " cannot be made: Not a directory."}},
  };
  for (const Case& c : cases) {
    const Ran ran = Run(c.arguments);
    const std::string name = testing::PrintToString(c.arguments);
    EXPECT_EQ(ran.status, 2) << name << "\n" << ran.err;
    EXPECT_FALSE(ran.err.empty()) << name;
    if (!c.lines.empty()) {
      EXPECT_EQ(Lines(ran.err), c.lines) << name;
    }
    EXPECT_TRUE(radio.CommandLog().empty()) << name;
  }
}

// Status 1: a radio that could not be reached, or that does not hold the plan.
TEST_F(Cli, ASilentRadioOrOneThatDiffersEndsWithStatusOne) {
  radio.SetSilent(true);
  Ran ran = Run({"read", "--port", port});
  EXPECT_EQ(ran.status, 1);
  EXPECT_EQ(Lines(ran.err), std::vector<std::string>{kNoResponse}) << ran.err;
  EXPECT_EQ(ran.out, "");
  radio.SetSilent(false);

  const ChannelPlan plan = DistinctPlan(false);
  Hold(radio, plan);
  const std::string file = PlanFile(plan);
  ran = Run({"verify", "--port", port, file, "--json"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(JsonLines(ran.out).at(0)["result"], "done");

  const ByteString stray = {1, 2, 3, 4, 5, 6, 7, 8};
  radio.WriteMemory(0x0298, stray);
  ran = Run({"verify", "--port", port, file, "--json"});
  EXPECT_EQ(ran.status, 1);
  const std::vector<json> objects = JsonLines(ran.out);
  ASSERT_EQ(objects.size(), 1u);
  const json& object = objects[0];
  EXPECT_EQ(object["result"], "finished with errors");
  ASSERT_EQ(PlanBlocks(plan)[65].address, 0x0298);
  EXPECT_EQ(object["differing_blocks"],
            json::parse(R"([{"address": "0x0298", "written": ")" +
                        HexBytes(PlanBlocks(plan)[65].data, " ") +
                        R"(", "read_back": "01 02 03 04 05 06 07 08"}])"));
  EXPECT_EQ(object["unverified_blocks"], json::array());
  EXPECT_EQ(object["lines"].back(),
            "Finished with errors: 1 block differs from what the plan would write.");
  for (const ByteString& command : radio.CommandLog()) {
    EXPECT_NE(command[0], 0x57);
  }
}

TEST_F(Cli, APlanWithoutSettingsLeavesEachRadioItsOwn) {
  const ByteString settings = {0xF4, 9, 1, 2, 3, 4, 0x12, 0x34};
  radio.WriteMemory(kSettingsAddress, settings);
  ChannelPlan plan = DistinctPlan(false);
  plan.settings.reset();
  const std::string file = PlanFile(plan);
  const Ran ran = Run({"write", "--port", port, "--backup-dir", backups, file});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_TRUE(ran.err.starts_with(file + " holds no settings; each radio keeps its own.\n"))
      << ran.err;
  EXPECT_EQ(radio.ReadMemory(kSettingsAddress, 8), settings);
  EXPECT_EQ(HeldAt(radio, PlanBlocks(plan)), PlanBlocks(plan));
}

TEST_F(Cli, FourRadiosAreWrittenAtOnceAndSummedUp) {
  std::vector<std::unique_ptr<RadioSimulator>> radios;
  std::vector<std::unique_ptr<SimulatedLine>> radioLines;
  std::vector<std::string> arguments = {"write", "--json"};
  for (int i = 0; i < 4; ++i) {
    radios.push_back(std::make_unique<RadioSimulator>(i == 2 ? RadioVariant::T : RadioVariant::E));
    radioLines.push_back(
        std::make_unique<SimulatedLine>(*radios.back(), "/dev/ttySIM" + std::to_string(i + 1)));
    lines.push_back(radioLines.back().get());
    arguments.insert(arguments.end(), {"--port", radioLines.back()->PortName()});
  }
  const ChannelPlan plan = DistinctPlan(false);
  const std::string kept = folder / "fleet-backups";
  arguments.insert(arguments.end(), {PlanFile(plan), "--backup-dir", kept});
  const Ran ran = Run(arguments);
  EXPECT_EQ(ran.status, 0) << ran.err;

  const std::vector<json> objects = JsonLines(ran.out);
  ASSERT_EQ(objects.size(), 4u) << ran.out;
  const std::vector<std::string> err = Lines(ran.err);
  const auto table = std::find_if(err.begin(), err.end(), [](const std::string& line) {
    return line.starts_with("PORT  ") && line.ends_with("  VARIANT  RESULT  BACKUP");
  });
  ASSERT_NE(table, err.end()) << ran.err;
  ASSERT_EQ(err.end() - table, 5) << ran.err;
  for (std::size_t i = 0; i < radios.size(); ++i) {
    const std::string port = radioLines[i]->PortName();
    EXPECT_EQ(HeldAt(*radios[i], PlanBlocks(plan)), PlanBlocks(plan)) << port;
    // Each radio's lines are marked with its port.
    EXPECT_TRUE(Holds(ran.err, port + ": Done!\n")) << port;
    const auto object = std::find_if(objects.begin(), objects.end(),
                                     [&](const json& o) { return o["port"] == port; });
    ASSERT_NE(object, objects.end()) << port;
    EXPECT_EQ((*object)["variant"], i == 2 ? "T" : "E");
    EXPECT_EQ((*object)["result"], "done");
    EXPECT_EQ((*object)["blocks_written"], 69);
    EXPECT_EQ((*object)["differing_blocks"], json::array());
    EXPECT_EQ((*object)["half_written"], false);
    const std::string backup = (*object)["backup"];
    EXPECT_TRUE(backup.starts_with(kept)) << backup;
    EXPECT_TRUE(LoadBackupFile(backup).backup) << backup;
    const std::string row = table[1 + static_cast<std::ptrdiff_t>(i)];
    EXPECT_TRUE(row.starts_with(port + "  ")) << row;
    EXPECT_TRUE(Holds(row, "  done  ") && row.ends_with("  " + backup)) << row;
  }
  EXPECT_EQ(Backups(kept).size(), 4u);
}

TEST_F(Cli, ABackupIsKeptAndPutBack) {
  radio.WriteMemory(0x0000, ByteString(0x200, 0x3C));
  radio.WriteMemory(kSettingsAddress, ByteString(8, 0x01));
  const ByteString before = radio.Memory();
  const std::string file = folder / "radio.vxbackup";
  Ran ran = Run({"backup", "--port", port, "-o", file, "--quiet"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  const BackupFileRead kept = LoadBackupFile(file);
  ASSERT_TRUE(kept.backup);
  EXPECT_EQ(kept.backup->blocks, HeldAt(radio, kept.backup->blocks));

  // Without -o, a new file in the backups folder; one that failed keeps none.
  ran = Run({"backup", "--port", port, "--backup-dir", backups, "--json"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  ASSERT_EQ(Backups(backups).size(), 1u);
  EXPECT_EQ(JsonLines(ran.out).at(0)["backup"], Backups(backups)[0].string());

  const ChannelPlan plan = DistinctPlan(false);
  Hold(radio, plan);
  ran = Run({"restore", "--port", port, file, "--backup-dir", backups, "--json"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(radio.Memory(), before);
  EXPECT_TRUE(ran.err.starts_with("Restoring the backup of an HT-446E taken on " +
                                  BackupTimeText(kept.backup->taken) + ".\n"))
      << ran.err;
  // What the restore replaced is kept too.
  const BackupFileRead replaced = LoadBackupFile(JsonLines(ran.out).at(0)["backup"]);
  ASSERT_TRUE(replaced.backup);
  EXPECT_EQ(replaced.backup->blocks, PlanBlocks(plan));
}

// A radio that does not let bank 1 and the tone tables be read is written and checked on
// the rest; its 06 answers for what cannot be read back.
TEST_F(Cli, ARadioThatLetsOnlyBank0AndTheSettingsBeReadIsWritten) {
  radio.SetReadsRefused(std::pair<std::uint16_t, std::uint16_t>{0x0100, 0x02BF});
  const ChannelPlan plan = DistinctPlan(false);
  const std::string file = PlanFile(plan);
  Ran ran = Run({"write", "--json", "--port", port, "--backup-dir", backups, file});
  EXPECT_EQ(ran.status, 0) << ran.err;
  const json object = JsonLines(ran.out).at(0);
  EXPECT_EQ(object["result"], "done");
  EXPECT_EQ(object["areas_not_readable"],
            json({"bank 1", "the first tone index table", "the second tone index table"}));
  EXPECT_EQ(object["blocks_written"], 69);
  EXPECT_EQ(Backups(backups).size(), 1u);
  EXPECT_EQ(HeldAt(radio, PlanBlocks(plan)), PlanBlocks(plan));

  ran = Run({"verify", "--port", port, file});
  EXPECT_EQ(ran.status, 0) << ran.err;
}

// --changed-only: a radio that holds the plan gets no write command; a restore sends only
// what differs from the backup.
TEST_F(Cli, ChangedOnlySendsWhatTheRadioDoesNotHold) {
  const ChannelPlan plan = DistinctPlan(false);
  const std::string file = PlanFile(plan);
  Hold(radio, plan);
  const ByteString before = radio.Memory();
  const std::string backup = folder / "held.vxbackup";
  ASSERT_EQ(Run({"backup", "--port", port, "-o", backup, "--quiet"}).status, 0);

  radio.ClearCommandLog();
  Ran ran =
      Run({"write", "--changed-only", "--json", "--port", port, "--backup-dir", backups, file});
  EXPECT_EQ(ran.status, 0) << ran.err;
  json object = JsonLines(ran.out).at(0);
  EXPECT_EQ(object["blocks_already_held"], 69);
  EXPECT_EQ(object["blocks_written"], 0);
  EXPECT_TRUE(Holds(ran.err, "The radio already holds all of it; nothing was sent.\n"));
  for (const ByteString& command : radio.CommandLog()) {
    EXPECT_NE(command[0], kWriteCommandCode);
  }

  radio.WriteMemory(0x0010, ByteString(8, 0x5A));
  ran =
      Run({"restore", "--changed-only", "--json", "--port", port, "--backup-dir", backups, backup});
  EXPECT_EQ(ran.status, 0) << ran.err;
  object = JsonLines(ran.out).at(0);
  EXPECT_EQ(object["blocks_written"], 1);
  EXPECT_EQ(object["blocks_already_held"], 68);
  EXPECT_EQ(radio.Memory(), before);
}

// Two radios on one cable: the first written, taken off, another of another variant and
// memory put on and written, taken off too; Ctrl+C while the program waits for a third.
TEST_F(Cli, RepeatWritesOneRadioAfterAnotherUntilInterrupted) {
  const ChannelPlan plan = DistinctPlan(false);
  const std::string file = PlanFile(plan);
  const std::string kept = folder / "repeat-backups";
  radio.WriteMemory(0x0000, ByteString(0x3C8, 0x11));
  std::vector<ByteString> held = {radio.Memory()};  // each radio's memory before its write
  int step = 0;
  const Ran ran = Run({"write", "--repeat", "--json", "--port", port, "--backup-dir", kept, file},
                      [&](const std::string& out, const std::string& err) {
                        const std::size_t waits = Count(err, "Waiting for the next radio...");
                        if (step == 0 && Holds(out, "\"radio\":1,")) {
                          radio.SetSilent(true);
                        } else if (step == 1 && waits == 1) {
                          radio.SetVariant(RadioVariant::E2);
                          radio.WriteMemory(0x0000, ByteString(0x3C8, 0x77));
                          held.push_back(radio.Memory());
                          radio.SetSilent(false);
                        } else if (step == 2 && Holds(out, "\"radio\":2,")) {
                          radio.SetSilent(true);
                        } else if (step == 3 && waits == 2) {
                          PressCtrlC(line);
                        } else {
                          return;
                        }
                        ++step;
                      });
  ASSERT_EQ(step, 4) << ran.err;
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(HeldAt(radio, PlanBlocks(plan)), PlanBlocks(plan));

  const std::vector<json> objects = JsonLines(ran.out);
  ASSERT_EQ(objects.size(), 2u) << ran.out;
  for (int n = 1; n <= 2; ++n) {
    const json& object = objects[n - 1];
    EXPECT_EQ(object["radio"], n);
    EXPECT_EQ(object["variant"], n == 1 ? "E" : "E2");
    EXPECT_EQ(object["result"], "done");
    const BackupFileRead backup = LoadBackupFile(object["backup"]);
    ASSERT_TRUE(backup.backup);
    EXPECT_EQ(backup.backup->variant, n == 1 ? "E" : "E2");
    const ByteString& before = held[n - 1];
    for (const MemoryBlock& block : backup.backup->blocks) {
      EXPECT_EQ(block.data, ByteString(before.begin() + block.address,
                                       before.begin() + block.address + block.data.size()))
          << n << " " << block.address;
    }
    EXPECT_TRUE(Holds(ran.err, "#" + std::to_string(n) + ": Done!\n"));
  }
  EXPECT_EQ(Backups(kept).size(), 2u);
  EXPECT_TRUE(Holds(ran.err, kFirstInterrupt));
}

// A write under way, interrupted once or twice once it writes.
TEST_F(Cli, OneInterruptLetsAWriteFinishASecondStopsIt) {
  const ChannelPlan plan = DistinctPlan(false);
  const std::vector<std::string> write = {"write",        "--json", "--port",      port,
                                          "--backup-dir", backups,  PlanFile(plan)};
  bool pressed = false;
  Ran ran = Run(write, [&](const std::string&, const std::string& err) {
    if (!pressed && Holds(err, "Writing channels...")) {
      pressed = true;
      PressCtrlC(line);
    }
  });
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_TRUE(Holds(ran.err, std::string(kFirstInterrupt) + "\n"));
  EXPECT_EQ(JsonLines(ran.out).at(0)["result"], "done");
  EXPECT_EQ(HeldAt(radio, PlanBlocks(plan)), PlanBlocks(plan));

  // A second signal sent before the first was taken would be merged with it.
  int pressedTimes = 0;
  ran = Run(write, [&](const std::string&, const std::string& err) {
    if (pressedTimes == 0 && Holds(err, "Writing channels...")) {
      ++pressedTimes;
      PressCtrlC(line);
    } else if (pressedTimes == 1 && Holds(err, kFirstInterrupt)) {
      ++pressedTimes;
      PressCtrlC(line);
    }
  });
  const json object = JsonLines(ran.out).at(0);
  EXPECT_EQ(ran.status, 1) << ran.err;
  EXPECT_EQ(object["result"], "stopped");
  EXPECT_EQ(object["half_written"], true);
  const int written = object["blocks_written"];
  EXPECT_GT(written, 0);
  EXPECT_LT(written, 69);
  EXPECT_EQ(Lines(ran.err).back(), port + " may be half written; what it held before is in " +
                                       object["backup"].get<std::string>() + ".")
      << ran.err;
}

TEST_F(Cli, PortsVersionAndHelp) {
  Ran ran = Run({"ports"});
  EXPECT_EQ(ran.status, 0);
  std::string expected;
  for (const SerialPortEntry& port : AvailableSerialPorts()) {
    expected += port.separator ? "----\n" : PortItemText(port) + "\n";
  }
  EXPECT_EQ(ran.out, expected);
  ran = Run({"ports", "--json"});
  for (const json& object : JsonLines(ran.out)) {
    EXPECT_TRUE(object["port"].is_string() && object["present"].is_boolean()) << object;
  }

  ran = Run({"--version"});
  EXPECT_EQ(ran.status, 0);
  EXPECT_EQ(ran.out, std::string("vexalon-cli ") + VEXALON_VERSION + "\n");
  ran = Run({"write", "--help"});
  EXPECT_EQ(ran.status, 0);
  EXPECT_TRUE(Holds(ran.out, "--repeat")) << ran.out;
}

}  // namespace
