// A write of only what changed: after the backup, blocks the radio already holds byte for
// byte are not sent, and the check reads back only the records that were.
#include <gtest/gtest.h>

#include <algorithm>

#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tests/support/simulated_radio.h"

namespace {

class ChangedOnly : public testing::Test, protected SimulatedRadio {
 protected:
  void SetUp() override {
    for (const MemoryBlock& block : PlanBlocks(plan)) {
      radio.WriteMemory(block.address, block.data);
    }
    radio.ClearCommandLog();
  }

  // The addresses of the commands of one kind the radio heard, in order.
  std::vector<std::uint16_t> Heard(std::uint8_t code) const {
    std::vector<std::uint16_t> addresses;
    for (const ByteString& command : radio.CommandLog()) {
      if (command.size() >= 3 && command[0] == code) {
        addresses.push_back(static_cast<std::uint16_t>(command[1] << 8 | command[2]));
      }
    }
    return addresses;
  }

  WriteOutcome Write(const ChannelPlan& written) {
    return WriteRadio(link, port, written, observer, backups, WriteScope::ChangedBlocks);
  }

  bool Logged(const std::string& line) const {
    return std::find(observer.log.begin(), observer.log.end(), line) != observer.log.end();
  }

  RecordingObserver observer;
  KeptBackups backups;
  const ChannelPlan plan = DistinctPlan(false);
};

TEST_F(ChangedOnly, APlanTheRadioHoldsSendsNoWriteCommand) {
  const WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(outcome.blocksAlreadyHeld, 69);
  EXPECT_EQ(outcome.blocksToWrite, 0);
  EXPECT_FALSE(outcome.backupFile.empty());
  EXPECT_TRUE(Heard(kWriteCommandCode).empty());
  EXPECT_TRUE(Logged("69 blocks are not sent: the radio already holds them as they are."));
  EXPECT_TRUE(Logged("The radio already holds all of it; nothing was sent."));
}

// Channel 4's TX tone lies in the second halves of its two records; the tone tables carry
// only RX tones.
TEST_F(ChangedOnly, OneToneChangedSendsItsTwoBlocksAndReadsBackTheirRecords) {
  ChannelPlan changed = plan;
  ChannelRow& row = changed.channels[3];
  row.txToneIndex = row.txToneIndex == 5 ? 6 : 5;
  const WriteOutcome outcome = Write(changed);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(Heard(kWriteCommandCode), (std::vector<std::uint16_t>{0x0048, 0x0148}));
  EXPECT_EQ(outcome.blocksWritten, 2);
  EXPECT_EQ(outcome.blocksAlreadyHeld, 67);
  EXPECT_TRUE(Logged("67 blocks are not sent: the radio already holds them as they are."));

  // The backup reads everything first; the check after the writes, only the two records.
  const std::vector<std::uint16_t> reads = Heard(kReadCommandCode);
  ASSERT_GE(reads.size(), 2u);
  EXPECT_EQ(std::vector<std::uint16_t>(reads.end() - 2, reads.end()),
            (std::vector<std::uint16_t>{0x0040, 0x0140}));
  const ByteString held = radio.Memory();
  for (const MemoryBlock& block : PlanBlocks(changed)) {
    EXPECT_EQ(
        ByteString(held.begin() + block.address, held.begin() + block.address + block.data.size()),
        block.data)
        << block.address;
  }
}

TEST_F(ChangedOnly, ABlockTheRadioStoresWrongIsStillCaught) {
  ChannelPlan changed = plan;
  changed.channels[3].txToneIndex = changed.channels[3].txToneIndex == 5 ? 6 : 5;
  radio.SetWriteStoredAs(0x0048, ByteString(8, 0x00));
  const WriteOutcome outcome = Write(changed);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  ASSERT_EQ(outcome.verification.differing.size(), 1u);
  EXPECT_EQ(outcome.verification.differing[0].address, 0x0048);
}

// Without the option every block goes out, held or not.
TEST_F(ChangedOnly, AWholeWriteStillSendsEveryBlock) {
  const WriteOutcome outcome = WriteRadio(link, port, plan, observer, backups);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(Heard(kWriteCommandCode).size(), 69u);
  EXPECT_EQ(outcome.blocksAlreadyHeld, 0);
  EXPECT_FALSE(Logged("69 blocks are not sent: the radio already holds them as they are."));
}

}  // namespace
