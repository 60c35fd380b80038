#include "radio/transfer_session.h"

#include <algorithm>

#include "radio/area_lines.h"
#include "radio/progress_lines.h"

namespace {

bool IsBank0Channel(const BlockPlace& place) {
  return place.kind == BlockPlace::ChannelRecord && place.bank == 0 && place.channel > 0;
}

// A reply that is neither 06 nor silence may be a babbling line or a late answer, so the
// line must settle before the next block; a bank 0 channel half that is not acknowledged is
// said at once. False when the write cannot go on.
bool WriteBlock(Session& session, const MemoryBlock& block, const BlockPlace& place,
                BlocksWritten& written) {
  const ByteString reply = BlockWrite(session.link(), block.address, block.data);
  const bool acknowledged = IsWriteAcknowledged(reply);
  if (acknowledged) {
    ++written.acknowledged;
  } else if (!reply.empty() || !session.link().LineLost()) {
    // Silence from a lost line says nothing of the block; on a line still there it does.
    ++written.unacknowledged;
    written.unacknowledgedHalves += IsBank0Channel(place) ? 1 : 0;
    written.unacknowledgedAt.push_back(block.address);
  }
  if (!session.StillThere()) {
    return false;
  }
  if (acknowledged) {
    return true;
  }
  if (IsBank0Channel(place)) {
    session.Log(HalfNotAcknowledgedLine(place.channel, place.secondHalf, reply));
    // A late 06 must not pass for the acknowledgement of the next half.
    return session.BackInStep();
  }
  return reply.empty() || session.BackInStep();
}

}  // namespace

Session::Session(TBlockSerial& link, const std::string& portName, TransferObserver& observer,
                 PortRelease release)
    : link_(link), observer_(observer), release_(release) {
  // The front end goes on handling its events while the dialogue waits for the radio,
  // not only between blocks.
  link_.SetWaitHandler([&observer] { observer.Waiting(); });
  Open(portName);
}

Session::~Session() {
  if (release_ == PortRelease::PurgeAndClose) {
    link_.PurgeBuffers();
  }
  link_.ClosePort();
  link_.SetWaitHandler(nullptr);
}

void Session::Open(const std::string& portName) {
  link_.OpenPort(portName);
  link_.ConfigureLine(kRadioLine.baudRate, kRadioLine.dataBits, kRadioLine.parity,
                      kRadioLine.stopBits, false, false);
}

TransferResult Session::Identify() {
  TransferResult result;
  for (;;) {
    result.handshake = EnterProgrammingMode(link_);
    const bool noRadio = result.handshake.kind == HandshakeOutcome::NoResponse ||
                         result.handshake.kind == HandshakeOutcome::RadioNotConnected;
    if (!noRadio || !link_.IsOpen() || link_.LineLost() || !observer_.KeepWaitingForRadio()) {
      break;
    }
    // Whatever a cable without a radio sends meanwhile is no answer to keep.
    CollectUntilQuiet(link_, kRadioLookMs);
  }
  if (result.handshake.kind != HandshakeOutcome::Identified) {
    EndHandshake(result);
  }
  return result;
}

void Session::EndHandshake(TransferResult& result) const {
  if (!link_.IsOpen()) {
    result.portFailure = PortFailure{link_.DeviceName(), link_.OpenError()};
    result.end = TransferEnd::PortNotOpened;
  } else if (link_.LineLost()) {
    result.end = TransferEnd::LineLost;
  } else {
    result.end = result.handshake.cutOff ? TransferEnd::LineNeverQuiet : TransferEnd::NotIdentified;
  }
}

bool Session::StillThere() {
  if (link_.LineLost()) {
    stopped_ = TransferEnd::LineLost;
  } else if (!stopped_ && observer_.StopNow()) {
    stopped_ = TransferEnd::Stopped;
  }
  return !stopped_;
}

// A reply that did not fit its command may have been paused or late, and the rest of it
// would lead the next reply: a 16-byte tail and the next header make a whole record of the
// wrong channel.
bool Session::BackInStep() {
  if (CollectUntilQuiet(link_, kResyncQuietMs).cutOff) {
    stopped_ = TransferEnd::LineNeverQuiet;
    return false;
  }
  return StillThere();
}

bool Session::NotCutOff(const Collected& reply) {
  if (reply.cutOff) {
    stopped_ = TransferEnd::LineNeverQuiet;
  }
  return !stopped_;
}

TransferEnd Session::End(bool allWell) const {
  if (stopped_) {
    return *stopped_;
  }
  return allWell ? TransferEnd::Done : TransferEnd::FinishedWithErrors;
}

namespace {

enum class BlockReply { Whole, NotWhole, Refused, DialogueOver };

// One read, acknowledged as the read of the channels is.
BlockReply ReadBlock(Session& session, const MemoryRead& block, BlocksRead& read) {
  const Collected reply = BlockRead(session.link(), block.address, block.count);
  if (!session.StillThere() || !session.NotCutOff(reply)) {
    return BlockReply::DialogueOver;
  }
  const ByteString data = ReadReplyData(reply.bytes, block.count);
  const bool whole = data.size() == block.count;
  if (whole) {
    for (std::size_t at = 0; at < data.size(); at += kRecordHalfSize) {
      const auto begin = data.begin() + static_cast<std::ptrdiff_t>(at);
      read.blocks.push_back({static_cast<std::uint16_t>(block.address + at),
                             ByteString(begin, begin + kRecordHalfSize)});
    }
  }
  Acknowledge(session.link());
  // A refusal is the radio's whole answer, not the start of a late one: nothing is left to
  // settle.
  const bool refused = reply.bytes == kRefusal;
  if (!session.StillThere() || (!whole && !refused && !session.BackInStep())) {
    return BlockReply::DialogueOver;
  }
  return whole ? BlockReply::Whole : refused ? BlockReply::Refused : BlockReply::NotWhole;
}

}  // namespace

bool ReadBlocks(Session& session, const std::vector<MemoryRead>& reads, BlocksRead& read) {
  for (const MemoryRead& block : reads) {
    BlockReply reply = ReadBlock(session, block, read);
    // A reply a moment late, from a busy computer or adapter, would otherwise cost the
    // whole backup or verification.
    if (reply == BlockReply::NotWhole) {
      reply = ReadBlock(session, block, read);
    }
    if (reply == BlockReply::DialogueOver) {
      return false;
    }
    if (reply == BlockReply::NotWhole || reply == BlockReply::Refused) {
      read.failed.push_back(block.address);
    }
    session.BlockDone();
  }
  return true;
}

BackupTaken TakeBackup(Session& session, const std::string& variant, BackupStore& store) {
  session.Log(BackingUpLine());
  BlocksRead read;
  BackupTaken taken;
  if (!ReadBlocks(session, WrittenRegionReads(), read)) {
    taken.backup.backupUnread = read.failed;
    return taken;
  }
  taken.goesOn = true;
  taken.held = read.blocks;
  const auto unreadable = UnreadableAreas(WrittenRegionReads(), read.failed);
  if (!unreadable) {
    taken.backup.backupUnread = read.failed;
    session.Log(NoBackupLine(taken.backup));
    return taken;
  }
  taken.backup.unreadableAreas = *unreadable;
  if (!unreadable->empty()) {
    session.Log(AreasNotReadableLine(*unreadable));
  }
  const BackupStore::Kept kept =
      store.Keep({variant, std::chrono::system_clock::now(), std::move(read.blocks), *unreadable});
  taken.backup.backupFile = kept.fileName;
  taken.backup.backupFailure = kept.failure;
  session.Log(kept.fileName.empty() ? NoBackupLine(taken.backup) : BackupKeptLine(kept.fileName));
  return taken;
}

BlocksWritten WriteBlocks(Session& session, const MemoryBlocks& blocks) {
  BlocksWritten written;
  BlockPlace::Kind previous = BlockPlace::Other;
  for (const MemoryBlock& block : blocks) {
    const BlockPlace place = PlaceOf(block.address);
    if (place.kind != previous && place.kind == BlockPlace::ToneIndexTable) {
      session.Log(WritingToneTablesLine());
    } else if (place.kind != previous && place.kind == BlockPlace::Settings) {
      session.Log(WritingSettingsLine());
    }
    previous = place.kind;
    // The label of a bank 0 channel shows while its two halves go out.
    if (IsBank0Channel(place) && !place.secondHalf) {
      session.observer().ChannelBegins(place.channel);
    }
    const bool goesOn = WriteBlock(session, block, place, written);
    if (IsBank0Channel(place) && (place.secondHalf || !goesOn)) {
      session.observer().ChannelEnds(place.channel);
    }
    if (!goesOn) {
      return written;
    }
    session.BlockDone();
  }
  written.allSent = true;
  return written;
}

Verification CompareBlocks(Session& session, const MemoryBlocks& blocks,
                           const MemoryBlocks& readBack, const std::vector<MemoryArea>& unreadable,
                           ComparedWith with) {
  Verification verification;
  verification.unreadable = unreadable;
  for (const MemoryBlock& written : BlocksOutside(blocks, unreadable)) {
    const auto back = std::find_if(readBack.begin(), readBack.end(),
                                   [&](const auto& b) { return b.address == written.address; });
    if (back == readBack.end()) {
      verification.unverified.push_back(written.address);
      session.Log(BlockNotReadBackLine(written.address));
    } else if (back->data != written.data) {
      verification.differing.push_back({written.address, written.data, back->data});
      for (const LogLine& line : DifferenceLines(verification.differing.back(), with)) {
        session.Log(line);
      }
    }
  }
  verification.done = true;
  return verification;
}

Verification VerifyBlocks(Session& session, const MemoryBlocks& blocks,
                          const std::vector<MemoryRead>& reads,
                          const std::vector<MemoryArea>& unreadable, ComparedWith with) {
  session.Log(VerifyingLine());
  BlocksRead read;
  if (!ReadBlocks(session, ReadsOutside(reads, unreadable), read)) {
    return {};
  }
  return CompareBlocks(session, blocks, read.blocks, unreadable, with);
}
