#include "tests/support/fake_front_end.h"

#include <stdexcept>

#include "radio/hz_text.h"
#include "radio/log_texts.h"
#include "radio/transfers.h"
#include "tests/support/recording_observer.h"

namespace {

void CheckChannel(int channel) {
  if (channel < 1 || channel > kChannelCount) {
    throw std::out_of_range("no channel " + std::to_string(channel));
  }
}

// As the window's lists: an index outside the list leaves it without a selection.
int Selected(int index, int count) {
  return index >= 0 && index < count ? index : -1;
}

// Shows rows as the window does while a read goes on, and answers its questions.
struct ShowingObserver : RecordingObserver {
  explicit ShowingObserver(FakeFrontEnd& front) : front(front) {}
  void ChannelRead(int channel, const ChannelRow& row) override {
    RecordingObserver::ChannelRead(channel, row);
    front.ShowChannel(channel, row);
    front.unreadRows[channel] = false;
    if (!front.AdvancedMode()) {
      if (const auto hidden = HiddenFrequencyLine(channel, row)) {
        Logged(*hidden);
      }
    }
  }
  bool WriteWithoutBackup(const LogLine&) override {
    ++front.askedToWriteWithoutBackup;
    return front.writeWithoutBackup;
  }
  FakeFrontEnd& front;
};

}  // namespace

// Only the fields of the mode shown are kept, so only they come back.
ChannelRow FakeFrontEnd::Channel(int channel) const {
  CheckChannel(channel);
  ChannelRow row = rows_[channel - 1];
  if (advancedMode_) {
    row.rxChannelIndex = row.txChannelIndex = 0;
  } else {
    row.rxHzText.clear();
    row.txHzText.clear();
  }
  return row;
}

void FakeFrontEnd::ShowChannel(int channel, const ChannelRow& row) {
  CheckChannel(channel);
  rows_[channel - 1] = row;
}

void FakeFrontEnd::ShowSettings(const RadioSettings& settings) {
  settings_ = settings;
  settings_.monitorKey = Selected(settings.monitorKey, kMonitorKeyCount);
  settings_.tot = Selected(settings.tot, kTotCount);
  settings_.totRekey = Selected(settings.totRekey, kTotRekeyCount);
  settings_.totReset = Selected(settings.totReset, kTotResetCount);
}

void FakeFrontEnd::Read() {
  ShowingObserver observer(*this);
  const ReadOutcome outcome = ReadRadio(serial, portName, observer);
  for (const int channel : outcome.unreadChannels) {
    unreadRows[channel] = true;
  }
  if (outcome.settings) {
    ShowSettings(*outcome.settings);
  }
  log = observer.LogWith(outcome);
}

void FakeFrontEnd::Write() {
  ChannelPlan plan;
  plan.advancedMode = advancedMode_;
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    plan.channels[channel - 1] = Channel(channel);
  }
  plan.settings = settings_;
  if (const auto unwritable = UnwritableHzTexts(plan); !unwritable.empty()) {
    log.clear();
    for (const UnwritableHzText& box : unwritable) {
      log.push_back(UnwritableHzTextLine(box).Text());
    }
    focused = {unwritable.front().channel, unwritable.front().direction};
    return;
  }
  ShowingObserver observer(*this);
  log = observer.LogWith(WriteRadio(serial, portName, plan, observer, backups));
}
