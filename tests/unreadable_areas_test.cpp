// A radio that does not let bank 1 or the tone index tables be read, silently or with a 15,
// is written, checked, backed up and restored as one that does, on the rest of its memory;
// failures scattered inside an area stay a fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "files/backup_file.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tests/support/simulated_radio.h"

namespace {

constexpr std::pair<std::uint16_t, std::uint16_t> kBank1AndTables = {0x0100, 0x02BF};
const std::vector<MemoryArea> kBank1AndTableAreas = {MemoryArea::Bank1, MemoryArea::FirstToneTable,
                                                     MemoryArea::SecondToneTable};
const char kNotReadBack[] =
    "This radio does not let bank 1, the first tone index table and the second tone index "
    "table be read back; it acknowledged every block written there.";

struct CountingObserver : RecordingObserver {
  bool WriteWithoutBackup(const LogLine& /*why*/) override {
    ++questions;
    return false;
  }
  int questions = 0;
};

struct Refusal {
  const char* name;
  std::function<void(RadioSimulator&)> apply;
};
const Refusal kRefusals[] = {
    {"refused", [](RadioSimulator& radio) { radio.SetReadsRefused(kBank1AndTables); }},
    {"silent", [](RadioSimulator& radio) { radio.SetReadsUnanswered(kBank1AndTables); }},
};

class UnreadableAreas : public testing::TestWithParam<Refusal>, protected SimulatedRadio {
 protected:
  void SetUp() override {
    for (const MemoryBlock& block : PlanBlocks(before)) {
      radio.WriteMemory(block.address, block.data);
    }
    GetParam().apply(radio);
  }

  ByteString Held(std::uint16_t address, std::size_t count) const {
    return radio.ReadMemory(address, count);
  }
  bool Logged(const std::string& line) const {
    return std::find(observer.log.begin(), observer.log.end(), line) != observer.log.end();
  }

  CountingObserver observer;
  KeptBackups backups;
  const ChannelPlan before = DistinctPlan(false);
};

TEST_P(UnreadableAreas, AWriteAsksNothingAndIsDoneOnWhatCanBeReadBack) {
  ChannelPlan plan = before;
  std::swap(plan.channels[0], plan.channels[1]);
  const WriteOutcome outcome = WriteRadio(link, port, plan, observer, backups);

  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(observer.questions, 0);
  EXPECT_EQ(outcome.unreadableAreas, kBank1AndTableAreas);
  EXPECT_EQ(outcome.verification.unreadable, kBank1AndTableAreas);
  EXPECT_EQ(outcome.blocksWritten, 69);
  const std::vector<std::string> log = observer.LogWith(outcome);
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 3], "Verified: the radio holds what was written.");
  EXPECT_EQ(log[log.size() - 2], kNotReadBack);
  EXPECT_EQ(log.back(), "Done!");
  // The backup holds what could be read and names the rest.
  ASSERT_EQ(backups.kept.size(), 1u);
  EXPECT_EQ(backups.kept[0].unreadable, kBank1AndTableAreas);
  EXPECT_EQ(backups.kept[0].blocks, BlocksOutside(PlanBlocks(before), kBank1AndTableAreas));
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    EXPECT_EQ(Held(block.address, block.data.size()), block.data) << block.address;
  }
}

TEST_P(UnreadableAreas, AWriteTheRadioDoesNotAcknowledgeThereIsNotDone) {
  radio.SetWriteReply(0x0290, ByteString{0x15});
  const WriteOutcome outcome = WriteRadio(link, port, before, observer, backups);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  const std::vector<std::string> log = observer.LogWith(outcome);
  EXPECT_EQ(log.back(),
            "Finished with errors: 1 write the radio does not let be read back was not "
            "acknowledged; write again.");
  EXPECT_EQ(log[log.size() - 2],
            "This radio does not let bank 1, the first tone index table and the second tone "
            "index table be read back, and it did not acknowledge every block written there.");
}

TEST_P(UnreadableAreas, ACheckComparesTheRest) {
  VerifyOutcome same = VerifyRadio(link, port, before, observer);
  EXPECT_EQ(same.end, TransferEnd::Done);
  EXPECT_EQ(same.verification.unreadable, kBank1AndTableAreas);
  EXPECT_TRUE(
      Logged("This radio does not let bank 1, the first tone index table and the second "
             "tone index table be read; the rest is compared."));

  ChannelPlan other = before;
  other.settings->squelchLevel = (other.settings->squelchLevel + 1) % 10;
  const VerifyOutcome differs = VerifyRadio(link, port, other, observer);
  EXPECT_EQ(differs.end, TransferEnd::FinishedWithErrors);
  ASSERT_EQ(differs.verification.differing.size(), 1u);
  EXPECT_EQ(differs.verification.differing[0].address, kSettingsAddress);
}

TEST_P(UnreadableAreas, ARestoreGivesBackBank0AndTheSettingsAndMakesTheRest) {
  const BackupOutcome backup = BackupRadio(link, port, observer, backups);
  ASSERT_EQ(backup.end, TransferEnd::Done);
  ASSERT_EQ(backups.kept.size(), 1u);
  // Through the file, as a user restores it.
  const RadioBackup kept = backups.kept[0];
  const std::string text = BackupFileText(kept);
  EXPECT_TRUE(text.starts_with("Vexalon radio backup, format 2\n"));
  const BackupFileRead read = BackupFromText(text, "radio.vxbackup");
  ASSERT_TRUE(read.backup) << read.failure->Text();
  EXPECT_EQ(read.backup->blocks, kept.blocks);
  EXPECT_EQ(read.backup->unreadable, kept.unreadable);

  for (const MemoryBlock& block : PlanBlocks(before)) {
    radio.WriteMemory(block.address, ByteString(block.data.size(), 0x00));
  }
  observer.log.clear();
  const WriteOutcome restored = RestoreRadio(link, port, *read.backup, observer, backups);

  EXPECT_EQ(restored.end, TransferEnd::Done);
  EXPECT_EQ(restored.blocksWritten, 69);
  EXPECT_TRUE(
      Logged("The backup holds nothing of bank 1, the first tone index table and the "
             "second tone index table, which the radio does not let be read; they are "
             "made from bank 0, as a write makes them."));
  // Bank 0 and the settings exactly; bank 1 and the tables as a write of them makes them.
  for (const MemoryBlock& block : PlanBlocks(before)) {
    EXPECT_EQ(Held(block.address, block.data.size()), block.data) << block.address;
  }
}

INSTANTIATE_TEST_SUITE_P(Reads, UnreadableAreas, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnreadableAreasNot, ScatteredFailuresOrAnUnreadableBank0LeaveNoBackup) {
  for (const auto& range : {std::pair<std::uint16_t, std::uint16_t>{0x0100, 0x014F},
                            std::pair<std::uint16_t, std::uint16_t>{0x0000, 0x02BF}}) {
    RadioSimulator radio;
    radio.SetReadsRefused(range);
    SimulatedLine line(radio);
    TBlockSerial link(line, line.Clock());
    CountingObserver observer;
    KeptBackups backups;
    const WriteOutcome outcome =
        WriteRadio(link, line.PortName(), DistinctPlan(false), observer, backups);
    EXPECT_EQ(outcome.end, TransferEnd::NothingWritten) << range.second;
    EXPECT_EQ(observer.questions, 1);
    EXPECT_TRUE(backups.kept.empty());
    EXPECT_TRUE(outcome.unreadableAreas.empty());
  }
}

}  // namespace
