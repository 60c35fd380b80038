#include "tests/support/fake_front_end.h"

#include <stdexcept>

#include "radio/transfers.h"

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

bool FakeFrontEnd::Ask(const LogLine& question) {
  asked.push_back(question.Text());
  return answerYes;
}

// As the window, which clears its log when a transfer begins.
void FakeFrontEnd::Read() {
  ClearLog();
  FrontEndObserver observer(*this);
  EndRead(*this, ReadRadio(serial, portName, observer), hiddenRows_);
}

// Nothing here starts with the start-up defaults: each test shows its own plan.
void FakeFrontEnd::Write() {
  ChannelPlan plan;
  plan.advancedMode = advancedMode_;
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    plan.channels[channel - 1] = Channel(channel);
  }
  plan.settings = settings_;
  if (!ReadyToWrite(*this, plan, false, hiddenRows_)) {
    return;
  }
  ClearLog();
  FrontEndObserver observer(*this);
  EndWrite(*this, WriteRadio(serial, portName, plan, observer, backups), hiddenRows_);
}
