// The transfers that only read: a check of a radio against a plan, and a backup of it.
#include "radio/log_texts.h"
#include "radio/memory_map.h"
#include "radio/transfer_session.h"
#include "radio/transfers.h"

VerifyOutcome VerifyRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                          TransferObserver& observer) {
  VerifyOutcome outcome;
  Session session(link, observer);
  if (Begin(session, portName, outcome)) {
    session.Log(CheckDetectedLine(outcome.handshake.ModelVariant));
    const MemoryBlocks blocks = PlanBlocks(plan);
    session.Expect(static_cast<int>(ReadsCovering(blocks).size()));
    const bool whole = VerifyBlocks(session, blocks, outcome.verification);
    outcome.end = session.End(whole && outcome.verification.Holds());
  }
  link.PurgeBuffers();
  link.ClosePort();
  return outcome;
}

BackupOutcome BackupRadio(TBlockSerial& link, const std::string& portName,
                          TransferObserver& observer, BackupStore& store) {
  BackupOutcome outcome;
  Session session(link, observer);
  if (Begin(session, portName, outcome)) {
    session.Log(CheckDetectedLine(outcome.handshake.ModelVariant));
    session.Log(BackingUpLine());
    const std::vector<MemoryRead> reads = WrittenRegionReads();
    session.Expect(static_cast<int>(reads.size()));
    BlocksRead read;
    bool kept = false;
    if (ReadBlocks(session, reads, read) && read.failed.empty()) {
      const BackupStore::Kept saved = store.Keep(
          {outcome.handshake.ModelVariant, std::chrono::system_clock::now(), read.blocks});
      outcome.backupFile = saved.fileName;
      outcome.backupFailure = saved.failure;
      kept = !saved.fileName.empty();
      session.Log(kept ? BackupKeptLine(saved.fileName) : BackupNotKeptLine(saved.failure));
    } else if (!read.failed.empty()) {
      outcome.backupUnread = read.failed;
      session.Log(BackupUnreadLine(read.failed));
    }
    outcome.end = session.End(kept);
  }
  link.PurgeBuffers();
  link.ClosePort();
  return outcome;
}
