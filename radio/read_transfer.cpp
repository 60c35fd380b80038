#include <utility>

#include "radio/memory_map.h"
#include "radio/progress_lines.h"
#include "radio/protocol.h"
#include "radio/transfer_session.h"
#include "radio/transfers.h"

namespace {

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
    session.BlockDone();
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
  session.BlockDone();
  return session.StillThere();
}

}  // namespace

ReadOutcome ReadRadio(TBlockSerial& link, const std::string& portName, TransferObserver& observer) {
  ReadOutcome outcome;
  Session session(link, portName, observer, PortRelease::PurgeAndClose);
  observer.Waiting();
  static_cast<TransferResult&>(outcome) = session.Identify();
  if (outcome.handshake.kind == HandshakeOutcome::Identified) {
    session.Log(ReadDetectedLine(outcome.handshake.ModelVariant));
    session.Log(ReadingChannelsLine());
    session.Expect(kChannelCount + 1);
    const bool whole = ReadChannels(session, outcome) && ReadSettings(session, outcome);
    outcome.end = session.End(whole && outcome.unreadChannels.empty() && !outcome.settingsUnread);
  }
  return outcome;
}
