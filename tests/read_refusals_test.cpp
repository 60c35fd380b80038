// A radio that answers a read with a single 15 refuses it: that is its whole answer, so the
// read is neither asked again nor followed by a wait for the line to settle, and blocks a
// radio does not let be read cost less than blocks it reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "radio/protocol.h"
#include "radio/transfers.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tools/radiosim/simulated_line.h"

namespace {

// Bank 1 and the two tone index tables.
constexpr std::pair<std::uint16_t, std::uint16_t> kBank1AndTables = {0x0100, 0x02BF};

struct TimedBackup {
  BackupOutcome outcome;
  double tookMs = 0;
  std::size_t readsOfBank1Start = 0;
};

TimedBackup Backup(const std::function<void(RadioSimulator&)>& fault) {
  RadioSimulator radio;
  fault(radio);
  SimulatedLine line(radio);
  TBlockSerial link(line, line.Clock());
  RecordingObserver observer;
  KeptBackups backups;
  const auto start = line.Clock().Now();
  TimedBackup backup{BackupRadio(link, line.PortName(), observer, backups)};
  backup.tookMs = std::chrono::duration<double, std::milli>(line.Clock().Now() - start).count();
  const auto commands = radio.CommandLog();
  backup.readsOfBank1Start = static_cast<std::size_t>(
      std::count_if(commands.begin(), commands.end(), [](const ByteString& command) {
        return command.size() >= 3 && command[0] == kReadCommandCode && command[1] == 0x01 &&
               command[2] == 0x00;
      }));
  return backup;
}

TEST(ReadRefusals, ARefusedReadIsAskedOnceAndCostsNoSettlingWait) {
  const TimedBackup whole = Backup([](RadioSimulator&) {});
  const TimedBackup refused =
      Backup([](RadioSimulator& radio) { radio.SetReadsRefused(kBank1AndTables); });
  const TimedBackup silent =
      Backup([](RadioSimulator& radio) { radio.SetReadsFailing(kBank1AndTables); });
  ASSERT_TRUE(whole.outcome.backupUnread.empty());

  // Bank 1's 16 records and the 2 tables, each refused at its one asking: areas this radio
  // does not let be read.
  EXPECT_EQ(refused.outcome.unreadableAreas.size(), 3u);
  EXPECT_EQ(refused.readsOfBank1Start, 1u);
  EXPECT_LE(refused.tookMs, whole.tookMs);

  // A reply cut short may be a late one: asked again, after the line has settled.
  EXPECT_EQ(silent.outcome.unreadableAreas.size(), 3u);
  EXPECT_EQ(silent.readsOfBank1Start, 2u);
  EXPECT_GT(silent.tookMs, whole.tookMs + 18 * kResyncQuietMs);
}

}  // namespace
