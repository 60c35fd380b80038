#include "tools/bench/changed_only_bench.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>

#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/transfers.h"
#include "tools/bench/bench_plan.h"
#include "tools/bench/line_floor.h"
#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"

namespace {

constexpr int kTries = 3;

// The backup is read in full either way; where it is kept costs no line time.
class BackupsInMemory : public BackupStore {
 public:
  Kept Keep(const RadioBackup&) override { return {"in memory", {}}; }
};

void Hold(RadioSimulator& radio, const MemoryBlocks& blocks) {
  for (const MemoryBlock& block : blocks) {
    radio.WriteMemory(block.address, block.data);
  }
}

// The plain write: the handshake the run began with, then every block, each acknowledged.
double PlainWriteFloorMs(const RadioSimulator& radio, const ChannelPlan& plan,
                         int reactionDelayMs) {
  std::vector<ByteString> commands = radio.CommandLog();
  std::vector<ByteString> replies = radio.ReplyLog();
  const auto firstRead = std::find_if(commands.begin(), commands.end(), [](const ByteString& c) {
    return !c.empty() && c[0] == kReadCommandCode;
  });
  replies.resize(static_cast<std::size_t>(firstRead - commands.begin()));
  commands.erase(firstRead, commands.end());
  for (const MemoryBlock& block : PlanBlocks(plan)) {
    commands.push_back(WriteCommand(block.address, block.data));
    replies.push_back(kAcknowledgement);
  }
  return ProtocolFloorMs(commands, replies, reactionDelayMs);
}

}  // namespace

ChangedOnlyFigures BenchChangedOnly(int runs, int reactionDelayMs) {
  RadioSimulator radio;
  radio.SetPacing(true);
  radio.SetReactionDelayMs(reactionDelayMs);
  PseudoTerminalLine line(radio);
  line.Start();
  TBlockSerial link;
  TransferObserver quiet;
  BackupsInMemory backups;

  const ChannelPlan plan = BenchPlan();
  ChannelPlan oneChanged = plan;
  oneChanged.channels[3].txToneIndex = 7;
  MemoryBlocks everyChanged = PlanBlocks(plan);
  for (MemoryBlock& block : everyChanged) {
    block.data = ByteString(block.data.size(), 0x3C);
  }

  ChangedOnlyFigures figures;
  // Puts the radio in the case's state, writes the plan changed-only, and keeps the time.
  const auto time = [&](const MemoryBlocks& held, const ChannelPlan& written, const char* name,
                        std::vector<double>& ratios, std::vector<double>* wallMs) {
    for (int attempt = 1;; ++attempt) {
      Hold(radio, held);
      radio.ClearCommandLog();
      const auto start = SteadyClock::now();
      const WriteOutcome outcome =
          WriteRadio(link, line.PortPath(), written, quiet, backups, WriteScope::ChangedBlocks);
      const double ms =
          std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
      if (outcome.end == TransferEnd::Done) {
        if (figures.plainWriteFloorMs == 0) {
          figures.plainWriteFloorMs = PlainWriteFloorMs(radio, plan, reactionDelayMs);
        }
        if (wallMs == nullptr) {
          ratios.push_back(ms / figures.plainWriteFloorMs);
        } else {
          wallMs->push_back(ms);
          ratios.push_back(ms /
                           ProtocolFloorMs(radio.CommandLog(), radio.ReplyLog(), reactionDelayMs));
        }
        return;
      }
      if (attempt == kTries) {
        throw std::runtime_error(std::string("the changed-only write (") + name + ") failed " +
                                 std::to_string(kTries) + " times in a row");
      }
      ++figures.repeated;
    }
  };
  for (int run = 0; run < runs; ++run) {
    time(PlanBlocks(plan), plan, "already held", figures.heldRatios, nullptr);
    time(PlanBlocks(plan), oneChanged, "one channel", figures.oneChannelRatios, nullptr);
    time(everyChanged, plan, "every block", figures.everyBlockRatios, &figures.everyBlockMs);
  }
  return figures;
}
