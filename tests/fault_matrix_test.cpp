// Faults of the line as the user meets them: the real window offscreen, its link on a line to
// a simulated radio in simulated time, the Read and Write buttons clicked. Every case must
// end with the controls enabled, the port closed and free again, and a log that says what
// happened.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "radio/memory_map.h"
#include "tests/support/control_values.h"
#include "tests/support/transfer_log.h"
#include "tests/support/window_harness.h"
#include "tools/radiosim/radio_simulator.h"
#include "tools/radiosim/simulated_line.h"
#include "ui/grid_names.h"

namespace {

using namespace std::chrono_literals;

// A transfer that ran on per block would take minutes of simulated time; one the reply
// limits end takes seconds.
constexpr long kFewSecondsMs = 10000;

std::size_t Count(const std::vector<std::string>& log, const std::string& line) {
  return static_cast<std::size_t>(std::count(log.begin(), log.end(), line));
}

// The values of one grid row (channel 1 to 15), or of the settings page (channel 0).
std::map<std::string, std::string> RowValues(const std::map<std::string, std::string>& values,
                                             int channel) {
  const std::string mark = channel > 0 ? "_A" + std::to_string(channel) + "_" : "_A";
  std::map<std::string, std::string> row;
  for (const auto& [name, value] : values) {
    if ((name.find(mark) != std::string::npos) == (channel > 0)) {
      row[name] = value;
    }
  }
  return row;
}

class FaultMatrix : public testing::Test {
 protected:
  void SetUp() override { harness.ChoosePort(line.PortName()); }

  // Milliseconds the transfer took, in simulated time.
  long Transfer(bool write) {
    const auto start = line.Clock().Now();
    write ? harness.Write() : harness.Read();
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(line.Clock().Now() - start).count());
  }

  // Controls back, port closed, and the next user gets the device at once.
  void ExpectEndedCleanly() {
    EXPECT_FALSE(harness.PortOpen());
    EXPECT_TRUE(harness.TransferButtonsEnabled());
    TBlockSerial next(line, line.Clock());
    next.OpenPort(line.PortName());
    EXPECT_TRUE(next.IsOpen()) << next.OpenError().Text();
  }

  // Every channel record different in every field, so a row filled from the wrong reply
  // cannot pass for the right one.
  void LoadDistinctRecords() {
    for (int n = 1; n <= kChannelCount; ++n) {
      const auto b = static_cast<std::uint8_t>(n);
      radio.WriteMemory(ChannelRecordAddress(0, n),
                        {0x00, b, 0x40, 0x43, 0x50, b, 0x40, 0x43, 0x70, 0x06, 0x32, 0x81,
                         static_cast<std::uint8_t>(0xFC | (n & 3)), 0x01, 0x01, 0xFF});
    }
  }

  // What a clean read of the radio shows, in advanced mode so every frequency counts.
  std::map<std::string, std::string> CleanReadValues() {
    WindowHarness clean(line);
    clean.window.EnterAdvancedMode();
    clean.ChoosePort(line.PortName());
    clean.Read();
    EXPECT_EQ(clean.Log().back(), "Done!");
    return ControlValues(clean.window);
  }

  RadioSimulator radio;
  SimulatedLine line{radio};
  WindowHarness harness{line};
};

TEST_F(FaultMatrix, ALineThatNeverFallsQuietEndsEachTransferWithinSeconds) {
  // From the start: no identity can be told apart from the filler bytes.
  radio.SetNeverQuiet(true);
  for (const bool write : {false, true}) {
    EXPECT_LT(Transfer(write), kFewSecondsMs) << write;
    ASSERT_EQ(harness.Log().size(), 1u) << write;
    EXPECT_EQ(harness.Log()[0], kNeverQuiet) << write;
  }
  ExpectEndedCleanly();

  // Once the radio is in programming mode: the transfer stops instead of spending the
  // reply limit on every block and claiming success, also where the write does not
  // examine the replies (bank 1 begins with the 37th command).
  const std::pair<bool, std::size_t> cases[] = {{false, 6}, {true, 6}, {true, 40}};
  for (const auto& [write, commands] : cases) {
    radio.SetNeverQuiet(false);
    radio.ClearCommandLog();
    radio.SetNeverQuietFrom(commands);
    EXPECT_LT(Transfer(write), kFewSecondsMs) << write;
    const auto log = harness.Log();
    EXPECT_EQ(log.front(), write ? kSupportedForWrite : kSupportedForRead);
    EXPECT_EQ(log.back(), kNeverQuiet);
    EXPECT_EQ(Count(log, "Done!"), 0u);
    ExpectEndedCleanly();
  }
}

TEST_F(FaultMatrix, NoiseAheadOfEveryReplyIsAnUnknownRadio) {
  radio.SetNoiseBeforeReplies({0x00, 0xFF});
  const auto before = ControlValues(harness.window);
  const std::string unknown =
      "Unknown response from radio: (10 bytes)  00 FF 50 33 31 35 35 F0 45 20";
  harness.Read();
  EXPECT_EQ(harness.Log(), std::vector<std::string>{unknown});
  harness.Write();
  EXPECT_EQ(harness.Log(), std::vector<std::string>{unknown});
  EXPECT_EQ(radio.CommandLog().size(), 2u);
  EXPECT_EQ(ControlValues(harness.window), before);
  ExpectEndedCleanly();
}

// A pause longer than the quiet gap ends the reply early; the rest of it must never be
// taken for the next reply. Each row is either untouched or exactly the radio's.
TEST_F(FaultMatrix, RepliesPausedMidwayNeverFillARowWithAnotherChannel) {
  radio.SetReplySplit(SimCommand::Program, 4, 30);
  for (const bool write : {false, true}) {
    Transfer(write);
    const auto log = harness.Log();
    if (log.size() == 1) {
      EXPECT_EQ(log[0], "Unknown response from radio: (4 bytes)  50 33 31 35") << write;
    } else {
      EXPECT_EQ(log.back(), "Done!") << write;
    }
    // The rest of the identity arrives after the port has closed; the next open discards it.
    line.Clock().Advance(200ms);
  }
  ExpectEndedCleanly();
  radio.ClearFaults();

  LoadDistinctRecords();
  const auto radioValues = CleanReadValues();
  // 60 ms once put a paused record's tail and the next header into the next row.
  for (const int gapMs : {30, 60, 90}) {
    // The user takes a moment between two reads: the tail of a reply the last one left on its
    // way has come by then, and the next open discards it.
    line.Clock().Advance(200ms);
    WindowHarness fresh(line);
    fresh.window.EnterAdvancedMode();
    fresh.ChoosePort(line.PortName());
    const auto before = ControlValues(fresh.window);
    radio.SetReplySplit(SimCommand::Read, 4, gapMs);
    fresh.Read();
    const auto log = fresh.Log();
    const auto after = ControlValues(fresh.window);
    bool anyFailed = false;
    for (int n = 1; n <= kChannelCount; ++n) {
      const auto row = RowValues(after, n);
      const bool failed = Count(log, "[!] Couldn't read channel " + std::to_string(n) + ".") == 1;
      anyFailed = anyFailed || failed;
      EXPECT_EQ(row, RowValues(failed ? before : radioValues, n)) << gapMs << " ms, row " << n;
      EXPECT_EQ(fresh.ChannelMarked(n), failed) << gapMs << " ms, row " << n;
    }
    const bool settingsFailed = Count(log, "[!] Couldn't read settings.") == 1;
    anyFailed = anyFailed || settingsFailed;
    EXPECT_EQ(RowValues(after, 0), RowValues(settingsFailed ? before : radioValues, 0)) << gapMs;
    // Success is claimed only when nothing was missed.
    EXPECT_EQ(log.back() == "Done!", !anyFailed) << gapMs;
    EXPECT_EQ(log.back().starts_with("Finished with errors: "), anyFailed) << gapMs;
    EXPECT_FALSE(fresh.window.Serial().IsOpen());
  }
}

// A USB adapter with a 16 ms latency timer hands replies over in bursts, the first up to
// 16 ms late: at real line speed and the radio's usual reaction, both transfers still end
// well and the read shows what a byte-by-byte line shows.
TEST_F(FaultMatrix, RepliesInUsbAdapterBurstsStillReadAndWrite) {
  radio.SetPacing(true);
  radio.SetReactionDelayMs(RadioSimulator::kDefaultReactionDelayMs);
  const auto radioValues = CleanReadValues();
  radio.SetBurstMs(16);
  harness.window.EnterAdvancedMode();
  harness.Read();
  EXPECT_EQ(harness.Log(), (std::vector<std::string>{kSupportedForRead, "Reading channels...",
                                                     "Reading settings...", "Done!"}));
  EXPECT_EQ(ControlValues(harness.window), radioValues);
  radio.ClearCommandLog();
  harness.Write();
  EXPECT_EQ(WithBackupNamed(harness.Log()),
            SafeWriteLog({"Writing DT/QDT settings...", "Writing settings..."}));
  EXPECT_EQ(radio.CommandLog().size(), 2u + 70 + 69 + 70);
  EXPECT_EQ(CleanReadValues(), radioValues);
  ExpectEndedCleanly();
}

// The radio refuses the halves and stores nothing, which the check finds.
TEST_F(FaultMatrix, AWriteWithEveryBank0HalfRefusedLogsEachAndGoesOn) {
  radio.SetWritesRefusedFrom(0x0000);
  std::vector<std::string> whileWriting;
  for (int n = 1; n <= kChannelCount; ++n) {
    const std::uint16_t address = ChannelRecordAddress(0, n);
    radio.SetWriteReply(address, ByteString{0x15});
    radio.SetWriteReply(address + kRecordHalfSize, ByteString{0x15});
    for (const char* half : {"frequency", "QT/DQT"}) {
      whileWriting.push_back(" Ch " + std::to_string(n) + " " + half +
                             " failed, unknown response from radio: (1 bytes)  15");
    }
  }
  whileWriting.insert(whileWriting.end(), {"Writing DT/QDT settings...", "Writing settings...",
                                           "[!] The radio did not acknowledge 39 other writes."});
  const ByteString before = radio.Memory();
  harness.Write();
  const auto log = WithBackupNamed(harness.Log());
  ASSERT_GT(log.size(), whileWriting.size() + 6);
  EXPECT_EQ(std::vector(log.begin(), log.begin() + whileWriting.size() + 6),
            SafeWriteLog(whileWriting, {}));
  std::size_t differing = 0;
  for (const MemoryBlock& block : PlanBlocks(ChannelPlan{.settings = kDefaultSettings})) {
    differing += radio.ReadMemory(block.address, block.data.size()) != block.data;
  }
  EXPECT_EQ(log.back(), "Finished with errors: " + std::to_string(differing) +
                            " blocks read back different from what was written. What the radio "
                            "held before is in <backup>; restore it or write again.");
  EXPECT_EQ(Count(log, "Done!"), 0u);
  EXPECT_EQ(radio.Memory(), before);
  ExpectEndedCleanly();
}

}  // namespace
