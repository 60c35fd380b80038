#include <algorithm>

#include "radio/probe.h"
#include "radio/progress_lines.h"
#include "radio/protocol.h"
#include "radio/transfer_session.h"
#include "radio/variants.h"

namespace {

// How the reads of one area were answered, read by read.
struct AreaReplies {
  int whole = 0;
  int refused = 0;
  int silent = 0;
  int reads = 0;
};

AreaAccess AccessOf(const AreaReplies& replies) {
  if (replies.whole == replies.reads) {
    return AreaAccess::Readable;
  }
  if (replies.whole > 0) {
    return AreaAccess::PartlyReadable;
  }
  if (replies.refused == replies.reads) {
    return AreaAccess::Refused;
  }
  return replies.silent == replies.reads ? AreaAccess::Unanswered : AreaAccess::NotReadable;
}

// Each read once: a test that asks again would hide a radio that answers late. False when
// the dialogue cannot go on.
bool ProbeArea(Session& session, MemoryArea area, AreaProbe& probe) {
  AreaReplies replies;
  probe.area = area;
  for (const MemoryRead& read : AreaReads(area)) {
    const Collected reply = BlockRead(session.link(), read.address, read.count);
    if (!session.StillThere() || !session.NotCutOff(reply)) {
      return false;
    }
    ++replies.reads;
    const bool whole = ReadReplyData(reply.bytes, read.count).size() == read.count;
    const bool refused = reply.bytes == kRefusal;
    replies.whole += whole ? 1 : 0;
    replies.refused += refused ? 1 : 0;
    replies.silent += reply.bytes.empty() ? 1 : 0;
    Acknowledge(session.link());
    // The rest of a late or paused reply must not lead the next one; a refusal is whole.
    if (!session.StillThere() || (!whole && !refused && !session.BackInStep())) {
      return false;
    }
    session.BlockDone();
  }
  probe.reads = replies.reads;
  probe.wholeReads = replies.whole;
  probe.access = AccessOf(replies);
  return true;
}

int ReadsOfAllAreas() {
  int reads = 0;
  for (const MemoryArea area : kMemoryAreas) {
    reads += static_cast<int>(AreaReads(area).size());
  }
  return reads;
}

ProbeVerdict HandshakeVerdict(const ProbeOutcome& outcome) {
  switch (outcome.handshake.kind) {
    case HandshakeOutcome::NoResponse:
    case HandshakeOutcome::RadioNotConnected:
      return ProbeVerdict::NoRadio;
    default:
      return IsFamilyIdentity(outcome.handshake.reply) ? ProbeVerdict::UnknownIdentity
                                                       : ProbeVerdict::UnknownReply;
  }
}

ProbeVerdict VerdictOf(const ProbeOutcome& outcome) {
  if (outcome.end == TransferEnd::NotIdentified) {
    return HandshakeVerdict(outcome);
  }
  if (outcome.end != TransferEnd::Done) {
    return ProbeVerdict::Interrupted;
  }
  if (!std::all_of(outcome.areas.begin(), outcome.areas.end(), WriteCanRelyOn)) {
    return ProbeVerdict::AreasNotReadable;
  }
  const double latest = kQuietGapMs - kTimingMarginMs;
  if (outcome.times.mostReactionMs > latest || outcome.times.longestPauseMs > latest) {
    return ProbeVerdict::TightTiming;
  }
  return ProbeVerdict::ReadyToWrite;
}

}  // namespace

bool WriteCanRelyOn(const AreaProbe& probe) {
  if (MadeFromTheRest(probe.area)) {
    // A write makes such an area from the rest; only scattered failures stand in its way.
    return probe.access != AreaAccess::PartlyReadable;
  }
  return probe.access == AreaAccess::Readable;
}

ProbeOutcome ProbeRadio(TBlockSerial& link, const std::string& portName,
                        TransferObserver& observer) {
  ProbeOutcome outcome;
  ExchangeTrace own;
  ExchangeTrace* const attached = link.Trace();
  ExchangeTrace& trace = attached != nullptr ? *attached : own;
  link.SetTrace(&trace);
  {
    Session session(link, portName, observer, PortRelease::PurgeAndClose);
    observer.Waiting();
    static_cast<TransferResult&>(outcome) = session.Identify();
    if (outcome.handshake.kind == HandshakeOutcome::Identified) {
      session.Log(CheckDetectedLine(outcome.handshake.ModelVariant));
      session.Expect(ReadsOfAllAreas());
      bool goesOn = true;
      for (std::size_t i = 0; goesOn && i < kMemoryAreas.size(); ++i) {
        AreaProbe probe;
        goesOn = ProbeArea(session, kMemoryAreas[i], probe);
        if (goesOn) {
          outcome.areas.push_back(probe);
        }
      }
      outcome.end = session.End(goesOn);
    }
  }
  link.SetTrace(attached);
  outcome.times = ReplyTimesOf(trace);
  outcome.verdict = VerdictOf(outcome);
  return outcome;
}
