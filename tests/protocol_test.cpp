#include "radio/protocol.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>

#include "tests/support/elapsed.h"
#include "tests/support/radio_on_pty.h"

namespace {

ByteString Concatenated(ByteString first, const ByteString& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TEST(ProtocolCommands, CarryTheAddressHighByteFirstAndTheCount) {
  EXPECT_EQ(ReadCommand(0x03C0, 8), (ByteString{0x52, 0x03, 0xC0, 0x08}));
  EXPECT_EQ(ReadCommand(0x00F0, 16), (ByteString{0x52, 0x00, 0xF0, 0x10}));
  EXPECT_EQ(WriteCommand(0x0000, ByteString(8, 0xFF)),
            (ByteString{0x57, 0x00, 0x00, 0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(WriteCommand(0x01F8, {0x00, 0x06}), (ByteString{0x57, 0x01, 0xF8, 0x02, 0x00, 0x06}));
}

TEST(ProtocolReplies, ReadDataComeFromBehindTheHeaderAndNeverBeyondTheReply) {
  ByteString reply(22);
  std::iota(reply.begin(), reply.end(), 0);
  const ByteString data = ReadReplyData(reply, 16);
  EXPECT_EQ(data, ByteString(reply.begin() + 4, reply.begin() + 20));
  EXPECT_EQ(ReadReplyData(ByteString(reply.begin(), reply.begin() + 10), 16),
            ByteString(reply.begin() + 4, reply.begin() + 10));
  EXPECT_TRUE(ReadReplyData(ByteString(reply.begin(), reply.begin() + 4), 16).empty());
  EXPECT_TRUE(ReadReplyData({}, 8).empty());
}

TEST(ProtocolReplies, OnlyTheSingleByte06AcknowledgesAWrite) {
  EXPECT_TRUE(IsWriteAcknowledged({0x06}));
  EXPECT_FALSE(IsWriteAcknowledged({0x06, 0x06}));
  EXPECT_FALSE(IsWriteAcknowledged({0x00, 0x06}));
  EXPECT_FALSE(IsWriteAcknowledged({}));
}

TEST(Handshake, FinalRepliesAreClassifiedByExactBytes) {
  const std::pair<const ByteString&, const char*> identities[] = {
      {ModelIdE, "E"}, {ModelIdE2, "E2"}, {ModelIdT, "T"}};
  for (const auto& [identity, variant] : identities) {
    const HandshakeOutcome outcome = ClassifyHandshakeReply(identity);
    EXPECT_EQ(outcome.kind, HandshakeOutcome::Identified);
    EXPECT_EQ(outcome.ModelVariant, variant);
  }
  // A bare acknowledgement is only asked about again before the resend; as the final
  // reply it is one more unknown answer.
  for (const ByteString& reply : kBareAcknowledgements) {
    EXPECT_TRUE(IsBareAcknowledgement(reply));
    EXPECT_EQ(ClassifyHandshakeReply(reply).kind, HandshakeOutcome::UnknownResponse);
  }
  for (const ByteString& reply : {ByteString{0, 0, 0, 0, 6}, ByteString{6, 6}, ByteString{6, 0}}) {
    EXPECT_FALSE(IsBareAcknowledgement(reply));
  }
  EXPECT_EQ(ClassifyHandshakeReply({}).kind, HandshakeOutcome::NoResponse);
  const HandshakeOutcome notConnected = ClassifyHandshakeReply({0, 0});
  EXPECT_EQ(notConnected.kind, HandshakeOutcome::RadioNotConnected);
  EXPECT_EQ(notConnected.reply, (ByteString{0, 0}));
  EXPECT_TRUE(notConnected.ModelVariant.empty());
}

TEST(Handshake, OnAPortThatFailedToOpenIsNoResponseWithoutWaiting) {
  TBlockSerial serial;
  serial.OpenPort("/dev/vexalon-no-such-port");
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  EXPECT_EQ(outcome.kind, HandshakeOutcome::NoResponse);
  EXPECT_TRUE(outcome.reply.empty());
  // The receive ran into the closed link rather than a time-out.
  EXPECT_EQ(serial.LastError().kind, SerialError::NotOpen);
}

using HandshakeWithRadio = RadioOnPty;

TEST_F(HandshakeWithRadio, IdentifiesEachVariantAndAcknowledges) {
  const std::pair<RadioVariant, const char*> variants[] = {
      {RadioVariant::E, "E"}, {RadioVariant::E2, "E2"}, {RadioVariant::T, "T"}};
  for (const auto& [variant, name] : variants) {
    radio.SetVariant(variant);
    radio.ClearCommandLog();
    const HandshakeOutcome outcome = EnterProgrammingMode(serial);
    EXPECT_EQ(outcome.kind, HandshakeOutcome::Identified) << name;
    EXPECT_EQ(outcome.ModelVariant, name);
    ASSERT_TRUE(radio.WaitForCommands(2, 2000));
    EXPECT_EQ(radio.CommandLog(),
              (std::vector<ByteString>{kProgrammingModeCommand, kAcknowledgement}));
  }
}

TEST_F(HandshakeWithRadio, ResendsOnceAfterEachFormOfBareAcknowledgement) {
  for (int zeros = 0; zeros <= 3; ++zeros) {
    radio.SetBareAckBeforeIdentity(zeros);
    radio.ClearCommandLog();
    EXPECT_EQ(EnterProgrammingMode(serial).kind, HandshakeOutcome::Identified) << zeros;
    ASSERT_TRUE(radio.WaitForCommands(3, 2000));
    EXPECT_EQ(radio.CommandLog(),
              (std::vector<ByteString>{kProgrammingModeCommand, kProgrammingModeCommand,
                                       kAcknowledgement}));
  }
}

TEST_F(HandshakeWithRadio, ASecondBareAcknowledgementIsUnknownAndNotAskedAgain) {
  radio.SetAckToEveryProgram(true);
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  EXPECT_EQ(outcome.kind, HandshakeOutcome::UnknownResponse);
  EXPECT_EQ(outcome.reply, kAcknowledgement);
  EXPECT_FALSE(radio.WaitForCommands(3, 200));
  EXPECT_EQ(radio.CommandLog(),
            (std::vector<ByteString>{kProgrammingModeCommand, kProgrammingModeCommand}));
}

TEST_F(HandshakeWithRadio, ClassifiesRepliesThatAreNoIdentityByExactBytes) {
  const std::pair<ByteString, HandshakeOutcome::Kind> cases[] = {
      {{0x00, 0x00}, HandshakeOutcome::RadioNotConnected},
      {{0x00, 0x00, 0x00}, HandshakeOutcome::UnknownResponse},
      {{0x00}, HandshakeOutcome::UnknownResponse},
      {Concatenated(ModelIdE, {0x06}), HandshakeOutcome::UnknownResponse},
      {ByteString(ModelIdT.begin(), ModelIdT.end() - 1), HandshakeOutcome::UnknownResponse},
  };
  for (const auto& [reply, kind] : cases) {
    radio.SetProgramReply(reply);
    radio.ClearCommandLog();
    const HandshakeOutcome outcome = EnterProgrammingMode(serial);
    EXPECT_EQ(outcome.kind, kind);
    EXPECT_EQ(outcome.reply, reply);
    // Nothing is acknowledged unless the radio identified itself.
    EXPECT_FALSE(radio.WaitForCommands(2, 100));
  }
}

TEST_F(HandshakeWithRadio, SilenceIsNoResponseAfterTheQuietGap) {
  radio.SetSilent(true);
  HandshakeOutcome outcome;
  const long elapsed = ElapsedMs([&] { outcome = EnterProgrammingMode(serial); });
  EXPECT_EQ(outcome.kind, HandshakeOutcome::NoResponse);
  EXPECT_GE(elapsed, 20);
  EXPECT_LT(elapsed, 400);
}

TEST_F(HandshakeWithRadio, AShortGapInsideTheIdentityIsBridged) {
  radio.SetReplySplit(SimCommand::Program, 4, 5);
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  EXPECT_EQ(outcome.kind, HandshakeOutcome::Identified);
  EXPECT_EQ(outcome.reply, ModelIdE);
}

TEST_F(HandshakeWithRadio, ALongGapEndsTheReplyAndTheRestLeadsTheNextOne) {
  radio.SetReplySplit(SimCommand::Program, 4, 80);
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  EXPECT_EQ(outcome.kind, HandshakeOutcome::UnknownResponse);
  EXPECT_EQ(outcome.reply, ByteString(ModelIdE.begin(), ModelIdE.begin() + 4));

  radio.ClearFaults();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(Exchange(serial, kProgrammingModeCommand),
            Concatenated(ByteString(ModelIdE.begin() + 4, ModelIdE.end()), ModelIdE));
}

// The window's events handled during the waits must not move where a reply ends.
TEST_F(HandshakeWithRadio, GapsInsideAReplyKeepTheirMeaningWhileTheWindowIsServed) {
  int calls = 0;
  serial.SetWaitHandler([&calls] { ++calls; });
  radio.SetReplySplit(SimCommand::Program, 4, 5);
  EXPECT_EQ(EnterProgrammingMode(serial).kind, HandshakeOutcome::Identified);

  radio.SetReplySplit(SimCommand::Program, 4, 80);
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  EXPECT_EQ(outcome.reply, ByteString(ModelIdE.begin(), ModelIdE.begin() + 4));
  EXPECT_GT(calls, 0);
}

TEST_F(HandshakeWithRadio, ALineThatNeverFallsQuietStillEndsTheReply) {
  radio.SetNeverQuiet(true);
  ByteString reply;
  const long elapsed = ElapsedMs([&] { reply = Exchange(serial, kAcknowledgement); });
  EXPECT_TRUE(CollectUntilQuiet(serial, kResyncQuietMs).cutOff);
  radio.SetNeverQuiet(false);
  EXPECT_FALSE(reply.empty());
  EXPECT_LE(reply.size(), kReplyByteLimit);
  EXPECT_LT(elapsed, kReplyTimeLimitMs + 2000);

  // Once the filler has drained, a reply ends at its quiet gap again.
  EXPECT_FALSE(CollectUntilQuiet(serial, 100).cutOff);
  serial.SendBytes(ReadCommand(0x0010, 16));
  const Collected record = CollectUntilQuiet(serial, kQuietGapMs);
  EXPECT_FALSE(record.cutOff);
  EXPECT_EQ(record.bytes.size(), 20u);
}

TEST_F(HandshakeWithRadio, BlockReadAndBlockWriteCarryMemory) {
  ByteString record(16);
  std::iota(record.begin(), record.end(), 0xA0);
  radio.WriteMemory(0x0010, record);
  const ByteString reply = BlockRead(serial, 0x0010, 16).bytes;
  ASSERT_EQ(reply.size(), 20u);
  EXPECT_EQ(ReadReplyData(reply, 16), record);

  const ByteString half(record.begin(), record.begin() + 8);
  EXPECT_TRUE(IsWriteAcknowledged(BlockWrite(serial, 0x0290, half)));
  EXPECT_EQ(radio.ReadMemory(0x0290, 8), half);

  radio.SetWriteReply(0x0298, ByteString{0x06, 0x06});
  radio.SetWriteReply(0x02B0, ByteString{});
  EXPECT_FALSE(IsWriteAcknowledged(BlockWrite(serial, 0x0298, half)));
  EXPECT_FALSE(IsWriteAcknowledged(BlockWrite(serial, 0x02B0, half)));
}

}  // namespace
