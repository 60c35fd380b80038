// The trace of a transfer: every command and every piece of its reply, on the link's clock.
#include <gtest/gtest.h>

#include "radio/exchange_trace.h"
#include "radio/transfers.h"
#include "tests/support/recording_observer.h"
#include "tools/radiosim/simulated_line.h"

namespace {

constexpr int kReactionMs = 3;

class TracedRead : public testing::Test {
 protected:
  TracedRead() {
    radio.SetReactionDelayMs(kReactionMs);
    link.SetTrace(&trace);
  }

  ReadOutcome Read() { return ReadRadio(link, line.PortName(), observer); }

  RadioSimulator radio;
  SimulatedLine line{radio};
  TBlockSerial link{line, line.Clock()};
  RecordingObserver observer;
  ExchangeTrace trace;
};

TEST_F(TracedRead, HoldsWhatTheRadioHeardAndSaidAtTheLinesPace) {
  ASSERT_EQ(Read().end, TransferEnd::Done);
  const std::vector<ByteString> commands = radio.CommandLog();
  const std::vector<ByteString> replies = radio.ReplyLog();
  EXPECT_EQ(trace.port, line.PortName());
  // The handshake, 15 channel reads with their acknowledgements, the settings and its own.
  ASSERT_EQ(trace.exchanges.size(), 34u);
  ASSERT_EQ(commands.size(), 34u);

  double lastSent = -1;
  for (std::size_t i = 0; i < trace.exchanges.size(); ++i) {
    SCOPED_TRACE(i);
    const TracedExchange& exchange = trace.exchanges[i];
    EXPECT_EQ(exchange.command, commands[i]);
    EXPECT_GT(exchange.sentMs, lastSent);
    lastSent = exchange.sentMs;

    // Each piece ends with a byte that arrived when the line could have carried it: after
    // the command, the radio's reaction and every byte of the reply so far.
    ByteString reply;
    for (const TracePiece& piece : exchange.reply) {
      reply.insert(reply.end(), piece.bytes.begin(), piece.bytes.end());
      const double due =
          exchange.sentMs + kReactionMs +
          static_cast<double>(exchange.command.size() + reply.size()) * RadioSimulator::kByteTimeMs;
      EXPECT_NEAR(piece.atMs, due, 0.01);
    }
    EXPECT_EQ(reply, replies[i]);
  }
}

TEST_F(TracedRead, EachOpeningOfThePortStartsItAfresh) {
  Read();
  const double firstEnd = trace.exchanges.back().sentMs;
  Read();
  ASSERT_EQ(trace.exchanges.size(), 34u);
  EXPECT_NEAR(trace.exchanges.back().sentMs, firstEnd, 0.01);

  link.SetTrace(nullptr);
  Read();
  EXPECT_EQ(trace.exchanges.size(), 34u);
}

TEST(ExchangeTraceText, ShowsCommandsRepliesAndTheirPiecesToATenthOfAMillisecond) {
  const ExchangeTrace trace{"COM3",
                            {{0, {}, {{0.04, {0xFF}}}},
                             {12.34, {0x02, 0x50}, {{21.96, {0x06}}, {1234.5, {0x50, 0x33}}}},
                             {30, {0x06}, {}}}};
  EXPECT_EQ(ExchangeTraceText(trace),
            "Port COM3: 3 exchanges, times in ms since it was opened; > sent, < received\n"
            "      0.0  <  FF\n"
            "     12.3  >  02 50\n"
            "     22.0  <  06 | 50 33  (pieces at 22.0, 1234.5)\n"
            "     30.0  >  06\n"
            "           <  nothing\n");
}

}  // namespace
