#include <algorithm>
#include <cmath>

#include "radio/area_lines.h"
#include "radio/memory_map.h"
#include "radio/progress_lines.h"
#include "radio/protocol.h"
#include "radio/transfer_session.h"
#include "radio/transfers.h"

namespace {

// The least time one exchange takes: its bytes on the line both ways and the quiet gap.
double ExchangeFloorMs(std::size_t commandBytes, std::size_t replyBytes) {
  const std::chrono::duration<double, std::milli> byte = kLineByteTime;
  return static_cast<double>(commandBytes + replyBytes) * byte.count() + kQuietGapMs;
}

double ReadsFloorMs(const std::vector<MemoryRead>& reads) {
  double ms = 0;
  for (const MemoryRead& read : reads) {
    ms += ExchangeFloorMs(kReadReplyHeaderSize, kReadReplyHeaderSize + read.count) +
          ExchangeFloorMs(kAcknowledgement.size(), 0);
  }
  return ms;
}

// What the user waits for: the backup, the blocks themselves and the check, rounded up.
int SafeWriteSeconds(const MemoryBlocks& blocks) {
  double ms = ReadsFloorMs(WrittenRegionReads()) + ReadsFloorMs(ReadsCovering(blocks));
  for (const MemoryBlock& block : blocks) {
    ms += ExchangeFloorMs(WriteCommand(block.address, block.data).size(), 1);
  }
  return static_cast<int>(std::ceil(ms / 1000));
}

// The blocks the radio does not hold as they are; one it could not be read for is sent.
MemoryBlocks NotHeld(const MemoryBlocks& blocks, const MemoryBlocks& held) {
  MemoryBlocks changed;
  for (const MemoryBlock& block : blocks) {
    if (std::find(held.begin(), held.end(), block) == held.end()) {
      changed.push_back(block);
    }
  }
  return changed;
}

// What a write sends and how.
struct WriteOrder {
  MemoryBlocks planned;
  WriteScope scope = WriteScope::AllBlocks;
  // Areas the blocks were made for, as a write makes them, since the backup did not hold them.
  std::vector<MemoryArea> made;
  ComparedWith with = ComparedWith::Plan;
};

// The backup, the blocks and the check, once the radio is identified. The outcome's end.
TransferEnd WriteIdentified(Session& session, const WriteOrder& order, BackupStore& store,
                            WriteOutcome& outcome) {
  const MemoryBlocks& planned = order.planned;
  const std::string& variant = outcome.handshake.ModelVariant;
  session.Log(WriteDetectedLine(variant));
  if (!order.made.empty()) {
    session.Log(AreasMadeLine(order.made));
  }
  session.Log(SafeWriteTimeLine(SafeWriteSeconds(planned)));
  const int backupReads = static_cast<int>(WrittenRegionReads().size());
  session.Expect(backupReads + static_cast<int>(planned.size() + ReadsCovering(planned).size()));
  outcome.blocksToWrite = static_cast<int>(planned.size());
  const BackupTaken taken = TakeBackup(session, variant, store);
  if (!taken.goesOn) {
    return session.Stopped().value_or(TransferEnd::NothingWritten);
  }
  static_cast<BackupResult&>(outcome) = taken.backup;
  if (outcome.backupFile.empty() &&
      !session.observer().WriteWithoutBackup(NoBackupLine(taken.backup))) {
    return session.Stopped().value_or(TransferEnd::NothingWritten);
  }
  const MemoryBlocks blocks =
      order.scope == WriteScope::ChangedBlocks ? NotHeld(planned, taken.held) : planned;
  outcome.blocksToWrite = static_cast<int>(blocks.size());
  outcome.blocksAlreadyHeld = static_cast<int>(planned.size() - blocks.size());
  // Whole records are read back, as a full write reads them, though only one half was sent.
  // What the radio does not let be read is not asked for again.
  const std::vector<MemoryArea>& unreadable = taken.backup.unreadableAreas;
  const std::vector<MemoryRead> checks =
      ReadsOutside(ReadsHolding(ReadsCovering(planned), blocks), unreadable);
  session.Expect(backupReads + static_cast<int>(blocks.size() + checks.size()));
  session.Log(WritingChannelsLine());
  if (order.scope == WriteScope::ChangedBlocks) {
    session.Log(BlocksAlreadyHeldLine(outcome.blocksAlreadyHeld));
  }
  if (blocks.empty()) {
    session.Log(PlanAlreadyHeldLine());
    outcome.verification.done = true;
    return session.End(true);
  }
  const BlocksWritten written = WriteBlocks(session, blocks);
  outcome.blocksWritten = written.acknowledged;
  outcome.unacknowledged = written.unacknowledged;
  outcome.unacknowledgedHalves = written.unacknowledgedHalves;
  if (const int others = written.unacknowledged - written.unacknowledgedHalves; others > 0) {
    session.Log(OtherWritesNotAcknowledgedLine(others));
  }
  if (written.allSent) {
    outcome.verification = VerifyBlocks(session, blocks, checks, unreadable, order.with);
  }
  outcome.unacknowledgedUnreadable = static_cast<int>(
      std::count_if(written.unacknowledgedAt.begin(), written.unacknowledgedAt.end(),
                    [&unreadable](std::uint16_t address) { return InAreas(address, unreadable); }));
  return session.End(outcome.verification.done && written.unacknowledgedHalves == 0 &&
                     outcome.unacknowledgedUnreadable == 0 && outcome.verification.Holds());
}

WriteOutcome SafeWrite(TBlockSerial& link, const std::string& portName, const WriteOrder& order,
                       const std::string& requiredVariant, TransferObserver& observer,
                       BackupStore& store) {
  WriteOutcome outcome;
  Session session(link, portName, observer, PortRelease::Close);
  static_cast<TransferResult&>(outcome) = session.Identify();
  if (outcome.handshake.kind != HandshakeOutcome::Identified) {
    return outcome;
  }
  const std::string& variant = outcome.handshake.ModelVariant;
  if (!requiredVariant.empty() && variant != requiredVariant) {
    outcome.otherVariant = {requiredVariant, variant};
    outcome.end = TransferEnd::NothingWritten;
  } else {
    outcome.end = WriteIdentified(session, order, store, outcome);
  }
  return outcome;
}

}  // namespace

WriteOutcome WriteRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                        TransferObserver& observer, BackupStore& store, WriteScope scope) {
  return SafeWrite(link, portName, {PlanBlocks(plan), scope, {}, ComparedWith::Plan}, {}, observer,
                   store);
}

WriteOutcome RestoreRadio(TBlockSerial& link, const std::string& portName,
                          const RadioBackup& backup, TransferObserver& observer, BackupStore& store,
                          WriteScope scope) {
  // A backup of a radio that does not let some areas be read is whole once they are made.
  const WriteOrder order{WithAreasMade(backup.blocks, backup.unreadable), scope, backup.unreadable,
                         ComparedWith::Backup};
  return SafeWrite(link, portName, order, backup.variant, observer, store);
}
