// The line in memory that the transfer tests run on: a link on it waits in simulated time,
// and the radio's bytes arrive when the line's pacing and the radio's faults say.
#include "tools/radiosim/simulated_line.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <system_error>

#include "radio/protocol.h"

namespace {

using namespace std::chrono_literals;

class SimulatedLineTest : public testing::Test {
 protected:
  void SetUp() override {
    serial.OpenPort(line.PortName());
    ASSERT_TRUE(serial.IsOpen());
  }
  SteadyClock::duration Took(const std::function<void()>& call) {
    const auto start = line.Clock().Now();
    call();
    return line.Clock().Now() - start;
  }

  RadioSimulator radio;
  SimulatedLine line{radio};
  TBlockSerial serial{line, line.Clock()};
};

// Command and reply take their 11 bit times a byte, the radio its reaction delay, and the
// reply ends a quiet gap after its last byte.
TEST_F(SimulatedLineTest, AnExchangeTakesTheLineTimeTheReactionAndTheQuietGap) {
  ByteString reply;
  const auto took = Took([&] { reply = Exchange(serial, ReadCommand(0x0010, 16)); });
  EXPECT_EQ(reply.size(), 20u);
  const double tookMs = std::chrono::duration<double, std::milli>(took).count();
  EXPECT_NEAR(
      tookMs,
      24 * RadioSimulator::kByteTimeMs + RadioSimulator::kDefaultReactionDelayMs + kQuietGapMs,
      0.001);

  radio.SetSilent(true);
  EXPECT_EQ(Took([&] { EXPECT_TRUE(serial.ReceiveChunk(kQuietGapMs).empty()); }), 25ms);
}

// A pause inside a reply shorter than the quiet gap joins its pieces; one of the whole gap
// ends the reply, and the rest leads the next.
TEST_F(SimulatedLineTest, TheQuietGapIsExactlyTwentyFiveMilliseconds) {
  radio.SetPacing(false);
  radio.SetReactionDelayMs(0);
  radio.SetReplySplit(SimCommand::Program, 4, kQuietGapMs - 1);
  EXPECT_EQ(Exchange(serial, kProgrammingModeCommand), ModelIdE);
  radio.SetReplySplit(SimCommand::Program, 4, kQuietGapMs);
  EXPECT_EQ(Exchange(serial, kProgrammingModeCommand),
            ByteString(ModelIdE.begin(), ModelIdE.begin() + 4));
  EXPECT_EQ(Exchange(serial, kAcknowledgement), ByteString(ModelIdE.begin() + 4, ModelIdE.end()));
}

// The wait handler runs by the link's clock, and an action set on the clock runs at its
// moment while the link waits.
TEST_F(SimulatedLineTest, WaitsRunOnTheLinksClock) {
  radio.SetSilent(true);
  std::vector<SteadyClock::duration> handled;
  const auto start = line.Clock().Now();
  serial.SetWaitHandler([&] { handled.push_back(line.Clock().Now() - start); });
  SteadyClock::duration acted{};
  line.Clock().After(12ms, [&] { acted = line.Clock().Now() - start; });
  EXPECT_TRUE(serial.ReceiveChunk(kQuietGapMs).empty());
  EXPECT_EQ(handled, (std::vector<SteadyClock::duration>{5ms, 10ms, 15ms, 20ms}));
  EXPECT_EQ(acted, 12ms);
  EXPECT_EQ(line.Clock().Now() - start, 25ms);
}

TEST_F(SimulatedLineTest, OnlyItsPortOpensAndOnlyOnce) {
  TBlockSerial second(line, line.Clock());
  second.OpenPort(line.PortName());
  EXPECT_EQ(second.OpenError().kind, SerialError::PortBusy);
  second.OpenPort("/dev/vexalon-no-such-port");
  EXPECT_EQ(second.OpenError().Text(), std::generic_category().message(ENOENT));
  serial.ClosePort();
  second.OpenPort(line.PortName());
  EXPECT_TRUE(second.IsOpen());
}

// The last reply is still taken; then the line is lost, for a wait and a send alike, and the
// port does not open again.
TEST_F(SimulatedLineTest, APulledCableIsALostLine) {
  radio.PullCableAfter(1);
  EXPECT_EQ(BlockRead(serial, 0x0010, 16).bytes.size(), 20u);
  EXPECT_TRUE(serial.LineLost());
  EXPECT_TRUE(radio.CablePulled());
  serial.SendBytes(kAcknowledgement);
  EXPECT_EQ(serial.LastError().kind, SerialError::LineLost);
  serial.ClosePort();
  serial.OpenPort(line.PortName());
  EXPECT_FALSE(serial.IsOpen());
}

// A babbling line ends a reply at the reply limit, a second of simulated time.
TEST_F(SimulatedLineTest, ALineThatNeverFallsQuietIsCutOffAfterASecond) {
  radio.SetNeverQuiet(true);
  Collected collected;
  const auto took = Took([&] { collected = CollectUntilQuiet(serial, kQuietGapMs); });
  EXPECT_TRUE(collected.cutOff);
  // A filler byte every 2 ms, from the first moment to the limit.
  EXPECT_EQ(collected.bytes, ByteString(501, RadioSimulator::kFillerByte));
  EXPECT_EQ(took, std::chrono::milliseconds(kReplyTimeLimitMs));
}

}  // namespace
