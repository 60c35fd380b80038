#include "radio/front_end.h"

#include "radio/progress_lines.h"
#include "radio/verdict_lines.h"

namespace {

void Say(FrontEnd& front, const std::vector<LogLine>& lines) {
  for (const LogLine& line : lines) {
    front.Log(line);
  }
}

}  // namespace

void HiddenRows::Remember(const ReadOutcome& outcome, bool advancedMode) {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    if (const std::optional<ChannelRow>& row = outcome.channels[channel - 1]) {
      hidden_[channel] = !advancedMode && (!ChannelListShows(*row, Direction::Rx) ||
                                           !ChannelListShows(*row, Direction::Tx));
    }
  }
}

std::vector<int> HiddenRows::Channels() const {
  std::vector<int> channels;
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    if (hidden_[channel]) {
      channels.push_back(channel);
    }
  }
  return channels;
}

void FrontEndObserver::ChannelRead(int channel, const ChannelRow& row) {
  front_.ShowChannel(channel, row);
  front_.MarkChannelUnread(channel, false);
  if (!front_.AdvancedMode()) {
    if (const auto hidden = HiddenFrequencyLine(channel, row)) {
      front_.Log(*hidden);
    }
  }
}

bool FrontEndObserver::WriteWithoutBackup(const LogLine& why) {
  return front_.Ask(WriteWithoutBackupQuestion(why));
}

void EndRead(FrontEnd& front, const ReadOutcome& outcome, HiddenRows& hidden) {
  hidden.Remember(outcome, front.AdvancedMode());
  for (const int channel : outcome.unreadChannels) {
    front.MarkChannelUnread(channel, true);
  }
  if (outcome.settings) {
    front.ShowSettings(*outcome.settings);
  }
  Say(front, OutcomeLines(outcome));
}

bool ReadyToWrite(FrontEnd& front, const ChannelPlan& plan, bool holdsStartupPlan,
                  const HiddenRows& hidden) {
  if (const auto unwritable = UnwritableHzTexts(plan); !unwritable.empty()) {
    front.ClearLog();
    for (const UnwritableHzText& box : unwritable) {
      front.Log(UnwritableHzTextLine(box));
    }
    front.FocusHzBox(unwritable.front().channel, unwritable.front().direction);
    return false;
  }
  if (holdsStartupPlan && !front.Ask(WriteStartupPlanQuestion())) {
    return false;
  }
  const auto question = HiddenFrequenciesQuestion(hidden.Channels());
  return !question || front.Ask(*question);
}

void EndWrite(FrontEnd& front, const WriteOutcome& outcome, HiddenRows& hidden) {
  if (outcome.end == TransferEnd::Done) {
    hidden = {};
  }
  Say(front, OutcomeLines(outcome));
}
