// The transfers as functions of a link and values, against the simulated radio on a pty:
// the shared cases through a front end without widgets, then the outcomes themselves.
#include "radio/transfers.h"

#include <gtest/gtest.h>

#include <thread>

#include "radio/log_texts.h"
#include "tests/support/fake_front_end.h"
#include "tests/support/recording_observer.h"
#include "tests/transfer_cases.h"

namespace {

struct LibraryHarness {
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
  void SetUp() override { StartFastRadio(radio); }

  ReadOutcome Read() { return ReadRadio(link, radio.PortPath(), observer); }
  WriteOutcome Write(const ChannelPlan& plan) {
    return WriteRadio(link, radio.PortPath(), plan, observer);
  }

  RadioSimulator radio;
  TBlockSerial link;
  RecordingObserver observer;
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

  TBlockSerial holder;
  holder.OpenPort(radio.PortPath());
  const WriteOutcome busy = Write(ChannelPlan{});
  EXPECT_EQ(busy.end, TransferEnd::PortNotOpened);
  EXPECT_EQ(busy.portFailure->error.kind, SerialError::PortBusy);
  EXPECT_TRUE(radio.CommandLog().empty());
}

// A line that falls into babble while the settings come in ends as every other such case,
// not as settings that could not be read.
TEST_F(Outcomes, ALineThatNeverFallsQuietDuringTheSettingsEndsTheRead) {
  std::thread babble([this] {
    radio.WaitForCommands(33, 10000);
    radio.SetNeverQuiet(true);
  });
  const ReadOutcome outcome = Read();
  babble.join();
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
  ASSERT_EQ(commands.size(), blocks.size() + 2);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(commands[i + 2], WriteCommand(blocks[i].address, blocks[i].data)) << i;
  }
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
  EXPECT_EQ(radio.CommandLog().size(), 2u + 68u);
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
  EXPECT_EQ(outcome.unacknowledged, 2);
  EXPECT_EQ(radio.CommandLog().size(), 71u);
}

}  // namespace
