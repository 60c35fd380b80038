#include <cmath>

#include "radio/log_texts.h"
#include "radio/memory_map.h"
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

bool AskToWriteWithoutBackup(Session& session, const LogLine& why) {
  session.Log(why);
  return session.observer().WriteWithoutBackup(why);
}

// Reads every block a write can replace and keeps them. False when nothing may be
// written: the dialogue cannot go on, or there is no whole backup and the user does not
// agree to write without one.
bool KeepBackup(Session& session, const std::string& variant, BackupStore& store,
                WriteOutcome& outcome) {
  session.Log(BackingUpLine());
  BlocksRead read;
  if (!ReadBlocks(session, WrittenRegionReads(), read)) {
    return false;
  }
  if (!read.failed.empty()) {
    outcome.backupUnread = read.failed;
    return AskToWriteWithoutBackup(session, BackupUnreadLine(read.failed));
  }
  const BackupStore::Kept kept =
      store.Keep({variant, std::chrono::system_clock::now(), std::move(read.blocks)});
  if (kept.fileName.empty()) {
    outcome.backupFailure = kept.failure;
    return AskToWriteWithoutBackup(session, BackupNotKeptLine(kept.failure));
  }
  outcome.backupFile = kept.fileName;
  session.Log(BackupKeptLine(kept.fileName));
  return true;
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
  if (!KeepBackup(session, variant, store, outcome)) {
    return session.Stopped().value_or(TransferEnd::NothingWritten);
  }
  session.Log(WritingChannelsLine());
  const bool sent = WriteBlocks(session, blocks, outcome);
  if (const int others = outcome.unacknowledged - outcome.unacknowledgedHalves; others > 0) {
    session.Log(OtherWritesNotAcknowledgedLine(others));
  }
  const bool whole = sent && VerifyBlocks(session, blocks, outcome.verification);
  return session.End(whole && outcome.unacknowledgedHalves == 0 && outcome.verification.Holds());
}

WriteOutcome SafeWrite(TBlockSerial& link, const std::string& portName, const MemoryBlocks& blocks,
                       const std::string& requiredVariant, TransferObserver& observer,
                       BackupStore& store) {
  WriteOutcome outcome;
  Session session(link, observer);
  if (Begin(session, portName, outcome)) {
    const std::string& variant = outcome.handshake.ModelVariant;
    if (!requiredVariant.empty() && variant != requiredVariant) {
      outcome.otherVariant = {requiredVariant, variant};
      outcome.end = TransferEnd::NothingWritten;
    } else {
      outcome.end = WriteIdentified(session, blocks, store, outcome);
    }
  }
  link.ClosePort();
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
