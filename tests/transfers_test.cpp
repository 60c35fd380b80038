// The transfers as functions of a link and values, against the simulated radio on a line in
// memory, in simulated time: the shared cases through a front end without widgets, how the
// transfers meet a faulty radio, then the outcomes themselves.
#include "radio/transfers.h"

#include <gtest/gtest.h>

#include <chrono>

#include "radio/codecs.h"
#include "radio/hex_text.h"
#include "radio/progress_lines.h"
#include "radio/radio_presence.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/fake_front_end.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tests/transfer_cases.h"
#include "tools/bench/line_floor.h"

namespace {

using namespace std::chrono_literals;

struct LibraryHarness {
  explicit LibraryHarness(SimulatedLine& line) : front(line, line.Clock()) {}

  FakeFrontEnd front;

  void ChoosePort(const std::string& path) { front.portName = path; }
  void Read() { front.Read(); }
  void Write() { front.Write(); }
  std::vector<std::string> Log() const { return front.log; }
  bool PortOpen() const { return front.serial.IsOpen(); }
  // Nothing here is disabled while a transfer runs.
  bool TransferButtonsEnabled() const { return true; }
  bool ChannelMarked(int channel) const {
    const auto found = front.unreadRows.find(channel);
    return found != front.unreadRows.end() && found->second;
  }
  // Named as the window names its Hz boxes, so one expectation serves both.
  std::string Focused() const {
    if (!front.focused) {
      return "";
    }
    const auto [channel, direction] = *front.focused;
    return "edit_A" + std::to_string(channel) +
           (direction == Direction::Rx ? "_freq_rx" : "_freq_tx");
  }
  ShownPlan& Shown() { return front; }
};

}  // namespace

namespace transfer_cases {
INSTANTIATE_TYPED_TEST_SUITE_P(Library, Transfers, LibraryHarness);

// How the transfers meet a radio that answers late, too much, not at all or not any more:
// what the front end then shows follows from the outcome alone.
using TransferFaults = Transfers<LibraryHarness>;

// The record is bytes 4 to 4 + N - 1 of the reply, whatever follows it.
TEST_F(TransferFaults, ReadRepliesLongerThanTheirRecordAreDecoded) {
  this->LoadOddRadio();
  for (const ByteString& extra : {Bytes({0x06}), Bytes({0x57, 0x00, 0x20, 0x10, 0xFF})}) {
    SetRow(this->window(), 1, Row{});
    this->window().ShowSettings({.monitorKey = 0});
    this->radio.SetExtraBytes(SimCommand::Read, extra);
    this->radio.ClearCommandLog();
    this->harness.Read();
    ExpectOddRadioRead(this->harness.Log(), this->window());
    EXPECT_EQ(this->window().Settings().monitorKey, -1);
    EXPECT_EQ(this->window().Settings().squelchLevel, 10);
    EXPECT_EQ(this->radio.ReplyLog()[2].size(), 20u + extra.size());
  }
  this->ExpectEndedCleanly();
}

TEST_F(TransferFaults, AnUnacknowledgedBank0HalfIsLoggedAndTheWriteGoesOn) {
  this->radio.SetWriteReply(0x0058, Bytes({0x15}));
  this->radio.SetWriteReply(0x0020, Bytes({0x06, 0x06}));
  // A bank 1 refusal has no line of its own; it is counted with the other writes.
  this->radio.SetWriteReply(0x0158, Bytes({0x15}));
  this->harness.Write();
  // The radio stored what it did not acknowledge, as the check shows.
  EXPECT_EQ(WithBackupNamed(this->harness.Log()),
            SafeWriteLog({" Ch 2 frequency failed, unknown response from radio: (2 bytes)  06 06",
                          " Ch 5 QT/DQT failed, unknown response from radio: (1 bytes)  15",
                          "Writing DT/QDT settings...", "Writing settings...",
                          "[!] The radio did not acknowledge 1 other write."},
                         {"Verified: the radio holds what was written.",
                          "Finished with errors: 3 writes were not acknowledged, although the "
                          "radio holds what was written."}));
  EXPECT_EQ(this->Commands(0x57).size(), 69u);
}

TEST_F(TransferFaults, APulledCableEndsTheTransferWithoutClaimingSuccess) {
  this->radio.PullCableAfter(9);
  this->harness.Read();
  auto log = this->harness.Log();
  EXPECT_EQ(log.back(), kRadioLost);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Done!"), 0);
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) { return line.starts_with("[!]"); }),
            0);
  this->ExpectEndedCleanly();
}

TEST_F(TransferFaults, APulledCableEndsAWriteToo) {
  // Ten writes after the handshake and the backup.
  this->radio.PullCableAfter(2 + 70 + 10);
  this->harness.Write();
  EXPECT_EQ(WithBackupNamed(this->harness.Log()),
            (std::vector<std::string>{
                kSupportedForWrite, kSafeWriteTime, "Backing up what the radio holds...",
                "What the radio held is kept in <backup>.", "Writing channels...", kRadioLost,
                "10 of 69 blocks were written; the radio may now hold a mix of old and new "
                "channels.",
                "What the radio held before is in <backup>; restore it once the radio answers "
                "again."}));
  this->ExpectEndedCleanly();
}

// A reply that comes too late must never land in another channel's row.
TEST_F(TransferFaults, ALateReplyNeverFillsAnotherRow) {
  for (const int delayMs : {40, 60, 100}) {
    SetRow(this->window(), 5, Row{});
    SetRow(this->window(), 6, Row{});
    this->radio.WriteMemory(0x50, kRecord1);
    this->radio.WriteMemory(0x60, kRecord2);
    this->radio.SetExtraDelay(SimCommand::Read, delayMs, 0x0050);
    this->harness.Read();
    const auto log = this->harness.Log();
    const auto failed = [&log](int n) {
      return std::count(log.begin(), log.end(),
                        "[!] Couldn't read channel " + std::to_string(n) + ".") == 1;
    };
    EXPECT_TRUE(failed(5)) << delayMs;
    ExpectRow(this->window(), 5, Row{});
    // The late reply is waited out and dropped, so the next channel reads as usual.
    EXPECT_FALSE(failed(6)) << delayMs;
    ExpectRow(this->window(), 6, kRow2);
    EXPECT_EQ(log.back(),
              "Finished with errors: channel 5 could not be read; it keeps its earlier values.");
  }
}

TEST_F(TransferFaults, ALateAcknowledgementIsNotTakenForTheNextHalf) {
  for (const int delayMs : {40, 100}) {
    this->radio.SetExtraDelay(SimCommand::Write, delayMs, 0x0018);
    this->harness.Write();
    EXPECT_EQ(WithBackupNamed(this->harness.Log()),
              SafeWriteLog({" Ch 1 QT/DQT failed, unknown response from radio: (0 bytes) ",
                            "Writing DT/QDT settings...", "Writing settings..."},
                           {"Verified: the radio holds what was written.",
                            "Finished with errors: 1 write was not acknowledged, although the "
                            "radio holds what was written."}))
        << delayMs;
  }
}

}  // namespace transfer_cases

namespace {

// A read reply as the radio sends it: a four-byte header, then the record.
ByteString Reply(const ByteString& record) {
  ByteString reply = ReadCommand(0, static_cast<std::uint8_t>(record.size()));
  reply.insert(reply.end(), record.begin(), record.end());
  return reply;
}

class Outcomes : public testing::Test {
 protected:
  ReadOutcome Read() { return ReadRadio(link, port, observer); }
  WriteOutcome Write(const ChannelPlan& plan) {
    return WriteRadio(link, port, plan, observer, backups);
  }

  RadioSimulator radio;
  SimulatedLine line{radio};
  const std::string port = line.PortName();
  TBlockSerial link{line, line.Clock()};
  RecordingObserver observer;
  KeptBackups backups;
};

TEST_F(Outcomes, AReadGivesTheRadiosRecordsAsTheyStand) {
  const ByteString settings = {0xF5, 3, 7, 11, 2, 1, 0xFF, 0xFF};
  radio.WriteMemory(kSettingsAddress, settings);
  radio.SetVariant(RadioVariant::E2);
  const ReadOutcome outcome = Read();
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(outcome.handshake.ModelVariant, "E2");
  for (int n = 1; n <= kChannelCount; ++n) {
    ASSERT_TRUE(outcome.channels[n - 1]) << n;
    EXPECT_EQ(outcome.channels[n - 1],
              ChannelFromReply(Reply(radio.ReadMemory(ChannelRecordAddress(0, n), 16))))
        << n;
  }
  // Bytes beyond a list stay as the radio holds them; only the front end cannot show them.
  EXPECT_EQ(outcome.settings, SettingsFromReply(Reply(settings)));
  EXPECT_EQ(outcome.settings->tot, 11);
  EXPECT_TRUE(outcome.unreadChannels.empty());
  EXPECT_FALSE(link.IsOpen());
  // Every channel's label shows while it is read, and each row as soon as it arrived.
  ASSERT_EQ(observer.labels.size(), 30u);
  ASSERT_EQ(observer.rowsRead.size(), 15u);
  for (int n = 1; n <= kChannelCount; ++n) {
    EXPECT_EQ(observer.labels[2 * n - 2], std::pair(n, true));
    EXPECT_EQ(observer.labels[2 * n - 1], std::pair(n, false));
    EXPECT_EQ(observer.rowsRead[n - 1].first, n);
  }
}

TEST_F(Outcomes, AReadSaysWhatItCouldNotReadAndHowItEnded) {
  radio.SetReadReplyLength(5, ChannelRecordAddress(0, 4));
  ReadOutcome outcome = Read();
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  EXPECT_EQ(outcome.unreadChannels, std::vector<int>{4});
  EXPECT_FALSE(outcome.channels[3]);
  EXPECT_TRUE(outcome.channels[4]);
  EXPECT_FALSE(outcome.settingsUnread);

  radio.ClearFaults();
  radio.SetReadReplyLength(9, kSettingsAddress);
  outcome = Read();
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  EXPECT_TRUE(outcome.settingsUnread);
  EXPECT_FALSE(outcome.settings);

  radio.ClearFaults();
  radio.PullCableAfter(7);
  outcome = Read();
  EXPECT_EQ(outcome.end, TransferEnd::LineLost);
  EXPECT_TRUE(outcome.unreadChannels.empty());
  EXPECT_FALSE(outcome.channels[kChannelCount - 1]);
}

TEST_F(Outcomes, APortThatDidNotOpenIsNamedWithTheSystemsReason) {
  const ReadOutcome outcome = ReadRadio(link, "/dev/vexalon-no-such-port", observer);
  EXPECT_EQ(outcome.end, TransferEnd::PortNotOpened);
  EXPECT_EQ(outcome.handshake.kind, HandshakeOutcome::NoResponse);
  ASSERT_TRUE(outcome.portFailure);
  EXPECT_EQ(outcome.portFailure->devicePath, "/dev/vexalon-no-such-port");
  EXPECT_EQ(outcome.portFailure->error.Text(), "No such file or directory");

  TBlockSerial holder(line, line.Clock());
  holder.OpenPort(port);
  const WriteOutcome busy = Write(ChannelPlan{});
  EXPECT_EQ(busy.end, TransferEnd::PortNotOpened);
  EXPECT_EQ(busy.portFailure->error.kind, SerialError::PortBusy);
  EXPECT_TRUE(radio.CommandLog().empty());
}

// A line that falls into babble while the settings come in ends as every other such case,
// not as settings that could not be read.
TEST_F(Outcomes, ALineThatNeverFallsQuietDuringTheSettingsEndsTheRead) {
  radio.SetNeverQuietFrom(33);
  const ReadOutcome outcome = Read();
  EXPECT_EQ(outcome.end, TransferEnd::LineNeverQuiet);
  EXPECT_EQ(observer.LogWith(outcome).back(), kNeverQuiet);
}

TEST_F(Outcomes, AWriteSendsExactlyThePlansBlocks) {
  ChannelPlan plan;
  plan.channels[0] = {.rxChannelIndex = 3, .txChannelIndex = 3, .rxToneIndex = 5};
  plan.settings = kDefaultSettings;
  const WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(outcome.unacknowledged, 0);
  const auto commands = radio.CommandLog();
  const MemoryBlocks blocks = PlanBlocks(plan);
  // After the handshake and the backup's 35 reads, each acknowledged.
  ASSERT_EQ(commands.size(), 2 + 70 + blocks.size() + 70);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(commands[i + 72], WriteCommand(blocks[i].address, blocks[i].data)) << i;
  }
  EXPECT_TRUE(outcome.verification.Holds());
  // Only bank 0 shows its channels' labels.
  EXPECT_EQ(observer.labels.size(), 30u);
  EXPECT_TRUE(observer.rowsRead.empty());
}

// A plan without settings leaves the radio's own.
TEST_F(Outcomes, AWriteWithoutSettingsLeavesTheRadiosSettings) {
  const ByteString settings = {0xF4, 9, 1, 2, 3, 4, 0x12, 0x34};
  radio.WriteMemory(kSettingsAddress, settings);
  const WriteOutcome outcome = Write(ChannelPlan{});
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(outcome.blocksWritten, 68);
  EXPECT_EQ(radio.ReadMemory(kSettingsAddress, 8), settings);
  const auto log = observer.LogWith(outcome);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Writing settings..."), 0);
  EXPECT_EQ(log.back(), "Done!");
}

TEST_F(Outcomes, UnacknowledgedHalvesAreCountedAndTheWriteGoesOn) {
  radio.SetWriteReply(0x0010, ByteString{0x15});
  radio.SetWriteReply(0x00F8, ByteString{});
  const WriteOutcome outcome = Write(ChannelPlan{.settings = kDefaultSettings});
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  EXPECT_EQ(outcome.unacknowledgedHalves, 2);
  EXPECT_EQ(outcome.BlocksSent(), 69);
}

// The safety net: what the radio held is kept before the first write, and every written
// block is read back.

// Answers the question whether to write without a backup, and counts it.
struct AnsweringObserver : RecordingObserver {
  bool WriteWithoutBackup(const LogLine&) override {
    ++asked;
    return agree;
  }
  bool agree = false;
  int asked = 0;
};

class SafeWrites : public Outcomes {
 protected:
  WriteOutcome Write(const ChannelPlan& plan) {
    return WriteRadio(link, port, plan, answering, backups);
  }
  // The radio's bytes where the blocks lie.
  MemoryBlocks HeldAt(const MemoryBlocks& blocks) const {
    MemoryBlocks held;
    for (const MemoryBlock& block : blocks) {
      held.push_back({block.address, radio.ReadMemory(block.address, block.data.size())});
    }
    return held;
  }
  std::size_t Writes() const {
    const auto log = radio.CommandLog();
    return std::count_if(log.begin(), log.end(), [](const auto& c) { return c[0] == 0x57; });
  }

  AnsweringObserver answering;
  const ChannelPlan plan = DistinctPlan(false);
};

TEST_F(SafeWrites, TheBackupHoldsWhatTheRadioHeldBeforeTheWrite) {
  radio.SetVariant(RadioVariant::T);
  radio.WriteMemory(0x0290, ByteString(16, 0x21));
  const MemoryBlocks before = HeldAt(PlanBlocks(plan));
  const WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  ASSERT_EQ(backups.kept.size(), 1u);
  EXPECT_EQ(backups.kept[0].variant, "T");
  EXPECT_EQ(backups.kept[0].blocks, before);
  EXPECT_EQ(outcome.backupFile, "backup-1");
  EXPECT_TRUE(outcome.verification.Holds());
  EXPECT_EQ(HeldAt(PlanBlocks(plan)), PlanBlocks(plan));
  EXPECT_EQ(answering.asked, 0);
}

// Reads of the first tone table, in the radio's log.
long ReadsOfTables(const RadioSimulator& radio) {
  const auto log = radio.CommandLog();
  return std::count_if(log.begin(), log.end(), [](const ByteString& c) {
    return c.size() >= 3 && c[0] == kReadCommandCode && c[1] == 0x02 && c[2] == 0x90;
  });
}

// The radio answers the first read of the tone tables too late, and the next ones in time.
void LateOnceForTheTables(RadioSimulator& radio) {
  radio.SetExtraDelay(SimCommand::Read, 100, 0x0290);
  radio.SetCommandObserver([&radio](const ByteString& command) {
    if (command == ReadCommand(0x0290, 16)) {
      radio.SetExtraDelay(SimCommand::Read, 0);
    }
  });
}

TEST_F(SafeWrites, ABlockLateOnceIsAskedForAgainAndKept) {
  LateOnceForTheTables(radio);
  const MemoryBlocks before = HeldAt(PlanBlocks(plan));
  const BackupOutcome backup = BackupRadio(link, port, answering, backups);
  EXPECT_EQ(backup.end, TransferEnd::Done);
  ASSERT_EQ(backups.kept.size(), 1u);
  EXPECT_EQ(backups.kept[0].blocks, before);
  EXPECT_EQ(ReadsOfTables(radio), 2);

  // So does the check after a write.
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    radio.WriteMemory(block.address, block.data);
  }
  radio.ClearCommandLog();
  LateOnceForTheTables(radio);
  const VerifyOutcome check = VerifyRadio(link, port, plan, answering);
  EXPECT_EQ(check.end, TransferEnd::Done);
  EXPECT_TRUE(check.verification.Holds());
  EXPECT_EQ(ReadsOfTables(radio), 2);
}

TEST_F(SafeWrites, ABlockStoredWrongIsFoundAndNamed) {
  const ByteString stored = {1, 2, 3, 4, 5, 6, 7, 8};
  radio.SetWriteStoredAs(0x0298, stored);
  const WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  const ByteString written = PlanBlocks(plan)[65].data;
  ASSERT_EQ(outcome.verification.differing,
            (std::vector<BlockDifference>{{0x0298, written, stored}}));
  const auto log = answering.LogWith(outcome);
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "[!] In the first tone index table, the radio holds " +
                          HexBytes(stored, " ") + ", the plan " + HexBytes(written, " ") + "."),
            log.end());
  EXPECT_EQ(log.back(),
            "Finished with errors: 1 block read back different from what was written. What the "
            "radio held before is in backup-1; restore it or write again.");
}

// Bank 1, the tone tables and the settings are refused without a line each; they are
// counted, and the check finds a radio that stored none of them.
TEST_F(SafeWrites, WritesRefusedAboveBank0AreFound) {
  radio.SetWritesRefusedFrom(0x0100);
  const MemoryBlocks before = HeldAt(PlanBlocks(plan));
  const WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  EXPECT_EQ(outcome.unacknowledged, 37);
  EXPECT_EQ(outcome.unacknowledgedHalves, 0);
  std::vector<std::uint16_t> expected;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i].address >= 0x0100 && before[i] != PlanBlocks(plan)[i]) {
      expected.push_back(before[i].address);
    }
  }
  std::vector<std::uint16_t> differing;
  for (const BlockDifference& difference : outcome.verification.differing) {
    differing.push_back(difference.address);
  }
  EXPECT_EQ(differing, expected);
  EXPECT_NE(answering.LogWith(outcome).back(), "Done!");
}

TEST_F(SafeWrites, ABlockThatCannotBeReadBackIsNotVerified) {
  // Once the 69 writes are out, the tables no longer read.
  radio.SetCommandObserver([this](const ByteString&) {
    if (radio.CommandLog().size() == 2 + 70 + 69) {
      radio.SetReadsFailing(std::pair<std::uint16_t, std::uint16_t>{0x0290, 0x02B0});
    }
  });
  const WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  EXPECT_TRUE(outcome.verification.differing.empty());
  EXPECT_EQ(outcome.verification.unverified,
            (std::vector<std::uint16_t>{0x0290, 0x0298, 0x02B0, 0x02B8}));
  EXPECT_EQ(answering.LogWith(outcome).back(),
            "Finished with errors: 4 blocks could not be read back, so the write is not "
            "verified. What the radio held before is in backup-1; read the radio to check it, or "
            "restore it.");
}

TEST_F(SafeWrites, WithoutAWholeBackupNothingIsWrittenUnlessTheUserAgrees) {
  radio.SetReadsFailing(std::pair<std::uint16_t, std::uint16_t>{0x0110, 0x0120});
  WriteOutcome outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::NothingWritten);
  EXPECT_EQ(answering.asked, 1);
  EXPECT_EQ(Writes(), 0u);
  EXPECT_TRUE(backups.kept.empty());
  auto log = answering.LogWith(outcome);
  EXPECT_EQ(log[log.size() - 2],
            "The radio's blocks at 0x0110 and 0x0120 could not be read, so no backup was kept.");
  EXPECT_EQ(log.back(), "Nothing was written; the radio keeps what it held.");

  radio.ClearFaults();
  backups.failure = "Unable to write to /full/disk.";
  outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::NothingWritten);
  EXPECT_EQ(outcome.backupFailure.Text(), backups.failure);
  EXPECT_EQ(answering.asked, 2);
  EXPECT_EQ(Writes(), 0u);

  answering.agree = true;
  outcome = Write(plan);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_TRUE(outcome.backupFile.empty());
  EXPECT_EQ(Writes(), 69u);
  EXPECT_EQ(HeldAt(PlanBlocks(plan)), PlanBlocks(plan));
}

TEST_F(SafeWrites, ARestorePutsBackWhatTheBackupHolds) {
  radio.WriteMemory(0x0000, ByteString(0x200, 0x5A));
  radio.WriteMemory(0x02B0, ByteString(16, 0x33));
  const ByteString before = radio.Memory();
  ASSERT_EQ(Write(plan).end, TransferEnd::Done);
  ASSERT_NE(radio.Memory(), before);

  const RadioBackup backup = backups.kept.at(0);
  const WriteOutcome restored = RestoreRadio(link, port, backup, answering, backups);
  EXPECT_EQ(restored.end, TransferEnd::Done);
  EXPECT_EQ(radio.Memory(), before);
  // The restore took a backup of its own first, so it can be undone too.
  ASSERT_EQ(backups.kept.size(), 2u);
  EXPECT_EQ(backups.kept[1].blocks, PlanBlocks(DistinctPlan(false)));
  EXPECT_EQ(restored.backupFile, "backup-2");
}

TEST_F(SafeWrites, ARestoreLeavesARadioOfAnotherVariantAsItIs) {
  ASSERT_EQ(Write(plan).end, TransferEnd::Done);
  RadioBackup backup = backups.kept.at(0);
  backup.variant = "E2";
  const ByteString before = radio.Memory();
  radio.ClearCommandLog();
  const WriteOutcome outcome = RestoreRadio(link, port, backup, answering, backups);
  EXPECT_EQ(outcome.end, TransferEnd::NothingWritten);
  EXPECT_EQ(radio.CommandLog().size(), 2u);
  EXPECT_EQ(radio.Memory(), before);
  EXPECT_EQ(answering.LogWith(outcome).back(),
            "This backup is of an HT-446E2, but the radio on the port is an HT-446E. Nothing was "
            "written.");
}

// What the command line builds on: checks and backups that write nothing, a stop at once,
// progress, and waiting for radios to come and go on one cable.
struct FleetObserver : RecordingObserver {
  void Progress(int done, int total) override { progress.emplace_back(done, total); }
  bool StopNow() override {
    return stopAfter >= 0 && static_cast<int>(progress.size()) >= stopAfter;
  }
  bool KeepWaitingForRadio() override {
    ++looks;
    return looks <= keepWaitingLooks;
  }
  std::vector<std::pair<int, int>> progress;
  int stopAfter = -1;
  int looks = 0;
  int keepWaitingLooks = 0;
};

class FleetParts : public Outcomes {
 protected:
  FleetObserver fleet;
};

TEST_F(FleetParts, AVerifyComparesTheRadioWithThePlanAndWritesNothing) {
  const ChannelPlan plan = DistinctPlan(false);
  ASSERT_EQ(WriteRadio(link, port, plan, observer, backups).end, TransferEnd::Done);
  radio.ClearCommandLog();
  VerifyOutcome outcome = VerifyRadio(link, port, plan, fleet);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  EXPECT_EQ(fleet.LogWith(outcome).back(), "Done!");
  radio.WriteMemory(0x0030, ByteString(8, 0x11));
  radio.WriteMemory(kSettingsAddress, ByteString(8, 0x22));
  outcome = VerifyRadio(link, port, plan, fleet);
  EXPECT_EQ(outcome.end, TransferEnd::FinishedWithErrors);
  ASSERT_EQ(outcome.verification.differing.size(), 2u);
  EXPECT_EQ(outcome.verification.differing[0].address, 0x0030);
  EXPECT_EQ(fleet.LogWith(outcome).back(),
            "Finished with errors: 2 blocks differ from what the plan would write.");
  // Without settings the plan says nothing of them.
  ChannelPlan channelsOnly = plan;
  channelsOnly.settings.reset();
  radio.WriteMemory(0x0030, PlanBlocks(plan)[6].data);
  EXPECT_EQ(VerifyRadio(link, port, channelsOnly, fleet).end, TransferEnd::Done);
  for (const ByteString& command : radio.CommandLog()) {
    EXPECT_NE(command[0], 0x57);
  }
}

TEST_F(FleetParts, ABackupKeepsEveryBlockAWriteCanReplace) {
  radio.WriteMemory(0x0290, ByteString(16, 0x07));
  const BackupOutcome outcome = BackupRadio(link, port, fleet, backups);
  EXPECT_EQ(outcome.end, TransferEnd::Done);
  ASSERT_EQ(backups.kept.size(), 1u);
  EXPECT_EQ(backups.kept[0].blocks.size(), 69u);
  EXPECT_EQ(backups.kept[0].blocks[64], (MemoryBlock{0x0290, ByteString(8, 0x07)}));
  EXPECT_EQ(fleet.progress.back(), std::pair(35, 35));

  radio.SetReadsFailing(std::pair<std::uint16_t, std::uint16_t>{0x03C0, 0x03C0});
  const BackupOutcome unread = BackupRadio(link, port, fleet, backups);
  EXPECT_EQ(unread.end, TransferEnd::FinishedWithErrors);
  EXPECT_EQ(unread.backupUnread, std::vector<std::uint16_t>{0x03C0});
  EXPECT_EQ(backups.kept.size(), 1u);
}

// A second Ctrl+C on the command line: the write ends after the exchange under way, and
// says how far it got.
TEST_F(FleetParts, AStopAtOnceEndsTheWriteAndSaysHowFarItGot) {
  fleet.stopAfter = 35 + 20;
  const WriteOutcome outcome = WriteRadio(link, port, DistinctPlan(false), fleet, backups);
  EXPECT_EQ(outcome.end, TransferEnd::Stopped);
  // The exchange under way when the stop came went to its end.
  EXPECT_EQ(outcome.blocksWritten, 21);
  const auto log = fleet.LogWith(outcome);
  EXPECT_EQ(std::vector(log.end() - 3, log.end()),
            (std::vector<std::string>{
                "Stopped before the end, as asked.",
                "21 of 69 blocks were written; the radio may now hold a mix of old and new "
                "channels.",
                "What the radio held before is in backup-1; restore it once the radio answers "
                "again."}));
  for (std::size_t i = 0; i < fleet.progress.size(); ++i) {
    EXPECT_EQ(fleet.progress[i], std::pair(static_cast<int>(i) + 1, 35 + 69 + 35));
  }
}

TEST_F(FleetParts, OneCableManyRadiosComeAndGo) {
  // No radio at first; one is put on the cable a moment later.
  radio.SetSilent(true);
  line.Clock().After(700ms, [this] { radio.SetSilent(false); });
  fleet.keepWaitingLooks = 100;
  const WriteOutcome written = WriteRadio(link, port, DistinctPlan(false), fleet, backups);
  EXPECT_EQ(written.end, TransferEnd::Done);
  EXPECT_GE(fleet.looks, 1);

  // It answers until it is taken off again.
  line.Clock().After(700ms, [this] { radio.SetSilent(true); });
  fleet.looks = 0;
  EXPECT_TRUE(WaitUntilRadioGone(link, port, fleet));
  EXPECT_GE(fleet.looks, 2);
  EXPECT_FALSE(link.IsOpen());

  // Told to stop waiting, neither waits.
  fleet.keepWaitingLooks = 0;
  radio.SetSilent(false);
  EXPECT_FALSE(WaitUntilRadioGone(link, port, fleet));
  radio.SetSilent(true);
  EXPECT_EQ(WriteRadio(link, port, DistinctPlan(false), fleet, backups).end,
            TransferEnd::NotIdentified);
}

// The quiet gap, the line's pacing and the radio's reaction are all a safe write waits for:
// in simulated time it takes exactly the floor the bench measures the real program against.
TEST(TransferTime, ASafeWriteTakesTheProtocolFloor) {
  for (const int reactionDelayMs : {0, RadioSimulator::kDefaultReactionDelayMs}) {
    RadioSimulator radio;
    radio.SetReactionDelayMs(reactionDelayMs);
    SimulatedLine line(radio);
    TBlockSerial link(line, line.Clock());
    RecordingObserver observer;
    KeptBackups backups;
    const auto start = line.Clock().Now();
    const WriteOutcome outcome =
        WriteRadio(link, line.PortName(), DistinctPlan(false), observer, backups);
    const double tookMs =
        std::chrono::duration<double, std::milli>(line.Clock().Now() - start).count();
    ASSERT_EQ(outcome.end, TransferEnd::Done);
    const double floorMs = ProtocolFloorMs(radio.CommandLog(), radio.ReplyLog(), reactionDelayMs);
    EXPECT_NEAR(tookMs, floorMs, 1.0) << reactionDelayMs;
    if (reactionDelayMs == RadioSimulator::kDefaultReactionDelayMs) {
      EXPECT_NEAR(floorMs, 8589.2, 0.05);
    }
  }
}

}  // namespace
