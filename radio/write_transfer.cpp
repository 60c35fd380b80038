#include <cmath>

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

// The backup, the blocks and the check, once the radio is identified. The outcome's end.
TransferEnd WriteIdentified(Session& session, const MemoryBlocks& blocks, BackupStore& store,
                            WriteOutcome& outcome) {
  const std::string& variant = outcome.handshake.ModelVariant;
  session.Log(WriteDetectedLine(variant));
  session.Log(SafeWriteTimeLine(SafeWriteSeconds(blocks)));
  session.Expect(
      static_cast<int>(WrittenRegionReads().size() + blocks.size() + ReadsCovering(blocks).size()));
  outcome.blocksToWrite = static_cast<int>(blocks.size());
  const BackupTaken taken = TakeBackup(session, variant, store);
  if (!taken.goesOn) {
    return session.Stopped().value_or(TransferEnd::NothingWritten);
  }
  static_cast<BackupResult&>(outcome) = taken.backup;
  if (outcome.backupFile.empty() &&
      !session.observer().WriteWithoutBackup(NoBackupLine(taken.backup))) {
    return session.Stopped().value_or(TransferEnd::NothingWritten);
  }
  session.Log(WritingChannelsLine());
  const BlocksWritten written = WriteBlocks(session, blocks);
  outcome.blocksWritten = written.acknowledged;
  outcome.unacknowledged = written.unacknowledged;
  outcome.unacknowledgedHalves = written.unacknowledgedHalves;
  if (const int others = written.unacknowledged - written.unacknowledgedHalves; others > 0) {
    session.Log(OtherWritesNotAcknowledgedLine(others));
  }
  if (written.allSent) {
    outcome.verification = VerifyBlocks(session, blocks);
  }
  return session.End(outcome.verification.done && written.unacknowledgedHalves == 0 &&
                     outcome.verification.Holds());
}

WriteOutcome SafeWrite(TBlockSerial& link, const std::string& portName, const MemoryBlocks& blocks,
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
    outcome.end = WriteIdentified(session, blocks, store, outcome);
  }
  return outcome;
}

}  // namespace

WriteOutcome WriteRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                        TransferObserver& observer, BackupStore& store) {
  return SafeWrite(link, portName, PlanBlocks(plan), {}, observer, store);
}

WriteOutcome RestoreRadio(TBlockSerial& link, const std::string& portName,
                          const RadioBackup& backup, TransferObserver& observer,
                          BackupStore& store) {
  return SafeWrite(link, portName, backup.blocks, backup.variant, observer, store);
}
