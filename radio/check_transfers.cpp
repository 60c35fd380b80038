// The transfers that only read: a check of a radio against a plan, and a backup of it.
#include "radio/area_lines.h"
#include "radio/memory_map.h"
#include "radio/progress_lines.h"
#include "radio/transfer_session.h"
#include "radio/transfers.h"

VerifyOutcome VerifyRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                          TransferObserver& observer) {
  VerifyOutcome outcome;
  Session session(link, portName, observer, PortRelease::PurgeAndClose);
  static_cast<TransferResult&>(outcome) = session.Identify();
  if (outcome.handshake.kind == HandshakeOutcome::Identified) {
    session.Log(CheckDetectedLine(outcome.handshake.ModelVariant));
    const MemoryBlocks blocks = PlanBlocks(plan);
    const std::vector<MemoryRead> reads = ReadsCovering(blocks);
    session.Expect(static_cast<int>(reads.size()));
    session.Log(VerifyingLine());
    BlocksRead read;
    if (ReadBlocks(session, reads, read)) {
      // Whole areas the radio does not let be read are what it is, not a difference.
      const std::vector<MemoryArea> unreadable =
          UnreadableAreas(reads, read.failed).value_or(std::vector<MemoryArea>{});
      if (!unreadable.empty()) {
        session.Log(AreasNotComparedLine(unreadable));
      }
      outcome.verification =
          CompareBlocks(session, blocks, read.blocks, unreadable, ComparedWith::Plan);
    }
    outcome.end = session.End(outcome.verification.done && outcome.verification.Holds());
  }
  return outcome;
}

BackupOutcome BackupRadio(TBlockSerial& link, const std::string& portName,
                          TransferObserver& observer, BackupStore& store) {
  BackupOutcome outcome;
  Session session(link, portName, observer, PortRelease::PurgeAndClose);
  static_cast<TransferResult&>(outcome) = session.Identify();
  if (outcome.handshake.kind == HandshakeOutcome::Identified) {
    session.Log(CheckDetectedLine(outcome.handshake.ModelVariant));
    session.Expect(static_cast<int>(WrittenRegionReads().size()));
    const BackupTaken taken = TakeBackup(session, outcome.handshake.ModelVariant, store);
    static_cast<BackupResult&>(outcome) = taken.backup;
    // Blocks that failed before the dialogue stopped are still worth naming.
    if (!taken.goesOn && !taken.backup.backupUnread.empty()) {
      session.Log(NoBackupLine(taken.backup));
    }
    outcome.end = session.End(!outcome.backupFile.empty());
  }
  return outcome;
}
