#include "radio/transfers.h"

#include <utility>

#include "radio/log_texts.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"

namespace {

constexpr int kBaudRate = 9600;
constexpr int kDataBits = 8;
constexpr char kParity = 'N';
constexpr int kStopBits = 2;

// One transfer on an open link: what it tells the observer, and how it ends once the
// dialogue cannot go on.
class Session {
 public:
  Session(TBlockSerial& link, TransferObserver& observer) : link_(link), observer_(observer) {
    // The front end goes on handling its events while the dialogue waits for the radio,
    // not only between blocks.
    link_.SetWaitHandler([&observer] { observer.Waiting(); });
  }
  ~Session() { link_.SetWaitHandler(nullptr); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  TBlockSerial& link() { return link_; }
  TransferObserver& observer() { return observer_; }
  void Log(const LogLine& line) { observer_.Logged(line); }

  void Open(const std::string& portName) {
    link_.OpenPort(portName);
    link_.ConfigureLine(kBaudRate, kDataBits, kParity, kStopBits, false, false);
  }

  // How a failed handshake ended: the port may never have opened, or the radio vanished.
  TransferEnd HandshakeEnd(std::optional<PortFailure>& portFailure) {
    if (!link_.IsOpen()) {
      portFailure = PortFailure{link_.DeviceName(), link_.OpenError()};
      return TransferEnd::PortNotOpened;
    }
    return link_.LineLost() ? TransferEnd::LineLost : TransferEnd::NotIdentified;
  }

  // Once the radio is gone every further exchange would be empty: stop instead of
  // failing each block, and never end as done.
  bool StillThere() {
    if (link_.LineLost()) {
      stopped_ = TransferEnd::LineLost;
    }
    return !stopped_;
  }

  // A reply that did not fit its command may have been paused or late, and the rest of it
  // would lead the next reply: a 16-byte tail and the next header make a whole record of
  // the wrong channel. Discard what still comes before going on.
  bool BackInStep() {
    if (CollectUntilQuiet(link_, kResyncQuietMs).cutOff) {
      stopped_ = TransferEnd::LineNeverQuiet;
      return false;
    }
    return StillThere();
  }

  // A reply that a line which never falls quiet cut off ends the dialogue.
  bool NotCutOff(const Collected& reply) {
    if (reply.cutOff) {
      stopped_ = TransferEnd::LineNeverQuiet;
    }
    return !stopped_;
  }

  // The end of a transfer that went through all its steps, or what stopped it.
  TransferEnd End(bool allWell) const {
    if (stopped_) {
      return *stopped_;
    }
    return allWell ? TransferEnd::Done : TransferEnd::FinishedWithErrors;
  }

 private:
  TBlockSerial& link_;
  TransferObserver& observer_;
  std::optional<TransferEnd> stopped_;
};

void WarnOfSettingsOutsideTheirLists(Session& session, const RadioSettings& settings) {
  const std::pair<ListSetting, std::pair<int, int>> lists[] = {
      {ListSetting::MonitorKey, {settings.monitorKey, kMonitorKeyCount}},
      {ListSetting::Tot, {settings.tot, kTotCount}},
      {ListSetting::TotRekey, {settings.totRekey, kTotRekeyCount}},
      {ListSetting::TotReset, {settings.totReset, kTotResetCount}},
  };
  for (const auto& [setting, value] : lists) {
    if (value.first >= value.second) {
      session.Log(SettingOutOfListLine(setting, value.first));
    }
  }
}

bool ReadChannels(Session& session, ReadOutcome& outcome) {
  for (int n = 1; n <= kChannelCount; ++n) {
    session.observer().ChannelBegins(n);
    const Collected reply =
        BlockRead(session.link(), ChannelRecordAddress(0, n), kChannelRecordSize);
    // Bytes after the record are not examined (a radio may add some), unless they came
    // from a line that never falls quiet.
    const auto row = reply.cutOff ? std::nullopt : ChannelFromReply(reply.bytes);
    if (row) {
      outcome.channels[n - 1] = row;
      session.observer().ChannelRead(n, *row);
    } else if (!session.link().LineLost()) {
      session.Log(ChannelNotReadLine(n));
      outcome.unreadChannels.push_back(n);
    }
    session.observer().ChannelEnds(n);
    if (!session.StillThere()) {
      return false;
    }
    Acknowledge(session.link());
    if (!row && !session.BackInStep()) {
      return false;
    }
  }
  return session.StillThere();
}

bool ReadSettings(Session& session, ReadOutcome& outcome) {
  session.Log(ReadingSettingsLine());
  const Collected reply = BlockRead(session.link(), kSettingsAddress, kSettingsRecordSize);
  if (!session.StillThere() || !session.NotCutOff(reply)) {
    return false;
  }
  outcome.settings = SettingsFromReply(reply.bytes);
  if (outcome.settings) {
    WarnOfSettingsOutsideTheirLists(session, *outcome.settings);
  } else {
    session.Log(SettingsNotReadLine());
    outcome.settingsUnread = true;
  }
  Acknowledge(session.link());
  return session.StillThere();
}

// Sends one block. Only bank 0 channel halves have their reply examined: an unacknowledged
// one is logged and the write goes on. A reply elsewhere that is neither 06 nor silence may
// be a babbling line or a late answer, so the line must settle before the next block.
// False when the write cannot go on.
bool WriteBlock(Session& session, const MemoryBlock& block, const BlockPlace& place,
                WriteOutcome& outcome) {
  const ByteString reply = BlockWrite(session.link(), block.address, block.data);
  if (!session.StillThere()) {
    return false;
  }
  if (IsWriteAcknowledged(reply)) {
    return true;
  }
  const bool checked =
      place.kind == BlockPlace::ChannelRecord && place.bank == 0 && place.channel > 0;
  if (checked) {
    ++outcome.unacknowledged;
    session.Log(HalfNotAcknowledgedLine(place.channel, place.secondHalf, reply));
    // A late 06 must not pass for the acknowledgement of the next half.
    return session.BackInStep();
  }
  return reply.empty() || session.BackInStep();
}

bool WriteBlocks(Session& session, const MemoryBlocks& blocks, WriteOutcome& outcome) {
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
    const bool labelled =
        place.kind == BlockPlace::ChannelRecord && place.bank == 0 && place.channel > 0;
    if (labelled && !place.secondHalf) {
      session.observer().ChannelBegins(place.channel);
    }
    const bool written = WriteBlock(session, block, place, outcome);
    if (labelled && (place.secondHalf || !written)) {
      session.observer().ChannelEnds(place.channel);
    }
    if (!written) {
      return false;
    }
  }
  return true;
}

}  // namespace

ReadOutcome ReadRadio(TBlockSerial& link, const std::string& portName, TransferObserver& observer) {
  ReadOutcome outcome;
  Session session(link, observer);
  session.Open(portName);
  observer.Waiting();
  outcome.handshake = EnterProgrammingMode(link);
  if (outcome.handshake.kind != HandshakeOutcome::Identified) {
    outcome.end = session.HandshakeEnd(outcome.portFailure);
  } else {
    session.Log(ReadDetectedLine(outcome.handshake.ModelVariant));
    session.Log(ReadingChannelsLine());
    const bool whole = ReadChannels(session, outcome) && ReadSettings(session, outcome);
    outcome.end = session.End(whole && outcome.unreadChannels.empty() && !outcome.settingsUnread);
  }
  link.PurgeBuffers();
  link.ClosePort();
  return outcome;
}

WriteOutcome WriteRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                        TransferObserver& observer) {
  WriteOutcome outcome;
  Session session(link, observer);
  session.Open(portName);
  outcome.handshake = EnterProgrammingMode(link);
  if (outcome.handshake.kind != HandshakeOutcome::Identified) {
    outcome.end = session.HandshakeEnd(outcome.portFailure);
  } else {
    session.Log(WriteDetectedLine(outcome.handshake.ModelVariant));
    session.Log(WritingChannelsLine());
    const bool whole = WriteBlocks(session, PlanBlocks(plan), outcome);
    outcome.end = session.End(whole && outcome.unacknowledged == 0);
  }
  link.ClosePort();
  return outcome;
}
