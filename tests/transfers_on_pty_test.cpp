// A few transfers from end to end through the platform's own link, in real time, against the
// simulated radio on a pseudo-terminal: what the simulated line stands in for elsewhere.
#include <gtest/gtest.h>

#include "radio/codecs.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/fast_radio.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"

namespace {

// A read reply as the radio sends it: a four-byte header, then the record.
ByteString Reply(const ByteString& record) {
  ByteString reply = ReadCommand(0, static_cast<std::uint8_t>(record.size()));
  reply.insert(reply.end(), record.begin(), record.end());
  return reply;
}

class TransfersOnPty : public testing::Test {
 protected:
  void SetUp() override { StartFastRadio(radio, pty); }

  RadioSimulator radio;
  PseudoTerminalLine pty{radio};
  TBlockSerial link;
  RecordingObserver observer;
  KeptBackups backups;
};

TEST_F(TransfersOnPty, AReadGivesTheRadiosRecords) {
  const ReadOutcome outcome = ReadRadio(link, pty.PortPath(), observer);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  for (int n = 1; n <= kChannelCount; ++n) {
    EXPECT_EQ(outcome.channels[n - 1],
              ChannelFromReply(Reply(radio.ReadMemory(ChannelRecordAddress(0, n), 16))))
        << n;
  }
  EXPECT_EQ(outcome.settings, SettingsFromReply(Reply(radio.ReadMemory(kSettingsAddress, 8))));
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(TransfersOnPty, ASafeWriteKeepsWritesAndChecks) {
  const ChannelPlan plan = DistinctPlan(false);
  const ByteString before = radio.Memory();
  const WriteOutcome outcome = WriteRadio(link, pty.PortPath(), plan, observer, backups);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_TRUE(outcome.verification.Holds());
  ASSERT_EQ(backups.kept.size(), 1u);
  for (const MemoryBlock& block : backups.kept[0].blocks) {
    EXPECT_EQ(block.data, ByteString(before.begin() + block.address,
                                     before.begin() + block.address + block.data.size()));
  }
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    EXPECT_EQ(radio.ReadMemory(block.address, block.data.size()), block.data);
  }
  EXPECT_FALSE(link.IsOpen());
}

// The pseudo-terminal's hang-up is how a pulled cable looks to the link.
TEST_F(TransfersOnPty, APulledCableEndsTheRead) {
  radio.PullCableAfter(9);
  const ReadOutcome outcome = ReadRadio(link, pty.PortPath(), observer);
  EXPECT_EQ(outcome.end, TransferEnd::LineLost);
  EXPECT_FALSE(outcome.channels[kChannelCount - 1]);
  EXPECT_FALSE(link.IsOpen());
}

}  // namespace
