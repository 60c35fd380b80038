// What a transfer says agrees with what the radio did: every write it refused is counted,
// wherever it went, and a line that babbles from the first byte ends every transfer as any
// other babbling line does.
#include <gtest/gtest.h>

#include <algorithm>

#include "radio/progress_lines.h"
#include "radio/transfers.h"
#include "radio/verdict_lines.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tests/support/simulated_radio.h"
#include "tests/support/transfer_log.h"

namespace {

class RefusedWritesAndBabble : public testing::Test, protected SimulatedRadio {
 protected:
  // The writes the radio answered with anything but 06, by its own log.
  int RefusedByTheRadio() const {
    const auto commands = radio.CommandLog();
    const auto replies = radio.ReplyLog();
    int refused = 0;
    for (std::size_t i = 0; i < commands.size(); ++i) {
      refused += commands[i][0] == kWriteCommandCode && replies[i] != kAcknowledgement;
    }
    return refused;
  }

  RecordingObserver observer;
  KeptBackups backups;
  const ChannelPlan plan = DistinctPlan(false);
};

TEST_F(RefusedWritesAndBabble, EveryRefusedWriteIsCountedAndTheOthersAreSaidInOneLine) {
  // Bank 1, the tone tables and the settings refused, and one bank 0 half besides.
  radio.SetWritesRefusedFrom(0x0100);
  radio.SetWriteReply(0x0018, ByteString{0x15});
  const WriteOutcome outcome = WriteRadio(link, port, plan, observer, backups);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  EXPECT_EQ(RefusedByTheRadio(), 38);
  EXPECT_EQ(outcome.unacknowledged, 38);
  EXPECT_EQ(outcome.unacknowledgedHalves, 1);
  EXPECT_EQ(outcome.blocksWritten, 69 - 38);

  const auto log = observer.log;
  const auto settings = std::find(log.begin(), log.end(), "Writing settings...");
  ASSERT_NE(settings, log.end());
  ASSERT_LT(settings + 2, log.end());
  EXPECT_EQ(settings[1], "[!] The radio did not acknowledge 37 other writes.");
  EXPECT_EQ(settings[2], "Checking what the radio holds now...");
  EXPECT_EQ(std::count(log.begin(), log.end(),
                       " Ch 1 QT/DQT failed, unknown response from radio: (1 bytes)  15"),
            1);
}

// Decided as ever: the check and the bank 0 halves. A radio that answers its settings
// write with 15 but stores it holds what was written.
TEST_F(RefusedWritesAndBabble, AWriteOtherThanABank0HalfRefusedButStoredStillEndsDone) {
  radio.SetWriteReply(kSettingsAddress, ByteString{0x15});
  const WriteOutcome outcome = WriteRadio(link, port, plan, observer, backups);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(outcome.unacknowledged, 1);
  EXPECT_EQ(outcome.blocksWritten, 68);
  const auto log = observer.LogWith(outcome);
  EXPECT_NE(std::find(log.begin(), log.end(), "[!] The radio did not acknowledge 1 other write."),
            log.end());
  EXPECT_EQ(log.back(), "Done!");
}

TEST_F(RefusedWritesAndBabble, ALineThatBabblesFromTheStartEndsEveryTransferAsNeverQuiet) {
  radio.SetNeverQuiet(true);
  const RadioBackup backup = {"E", {}, PlanBlocks(plan)};
  const auto ended = [](TransferEnd end, const std::vector<LogLine>& lines) {
    EXPECT_EQ(end, TransferEnd::LineNeverQuiet);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Text(), kNeverQuiet);
  };
  const ReadOutcome read = ReadRadio(link, port, observer);
  ended(read.end, OutcomeLines(read));
  const WriteOutcome write = WriteRadio(link, port, plan, observer, backups);
  ended(write.end, OutcomeLines(write));
  const VerifyOutcome verify = VerifyRadio(link, port, plan, observer);
  ended(verify.end, OutcomeLines(verify));
  const BackupOutcome backedUp = BackupRadio(link, port, observer, backups);
  ended(backedUp.end, OutcomeLines(backedUp));
  const WriteOutcome restore = RestoreRadio(link, port, backup, observer, backups);
  ended(restore.end, OutcomeLines(restore));
  EXPECT_TRUE(observer.log.empty());
  EXPECT_TRUE(backups.kept.empty());
  EXPECT_FALSE(link.IsOpen());
}

}  // namespace
