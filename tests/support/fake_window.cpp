#include "tests/support/fake_window.h"

#include <stdexcept>

#include "ui/settings_page.h"

namespace {

void CheckChannel(int channel) {
  if (channel < 1 || channel > kChannelCount) {
    throw std::out_of_range("FakeWindow has no channel " + std::to_string(channel));
  }
}

// As the window's lists: an index outside the list leaves it without a selection.
int Selected(int index, int count) {
  return index >= 0 && index < count ? index : -1;
}

}  // namespace

FakeWindow::FakeWindow() {
  settings.beepTones = true;
  settings.batterySaving = true;
  settings.selfProgramming = true;
  settings.squelchLevel = kDefaultSquelchLevel;
  settings.monitorKey = kDefaultMonitorKey;
}

void FakeWindow::SetChannelLabelRed(int channel, bool red) {
  CheckChannel(channel);
  labelRedCalls.emplace_back(channel, red);
}

// Only the fields of the window's mode are shown, so only they come back.
ChannelRow FakeWindow::Channel(int channel) const {
  CheckChannel(channel);
  ChannelRow row = rows[channel - 1];
  if (advancedMode) {
    row.rxChannelIndex = row.txChannelIndex = 0;
  } else {
    row.rxHzText.clear();
    row.txHzText.clear();
  }
  return row;
}

void FakeWindow::ShowChannel(int channel, const ChannelRow& row) {
  CheckChannel(channel);
  rows[channel - 1] = row;
}

void FakeWindow::ShowSettings(const RadioSettings& shown) {
  settings = shown;
  settings.monitorKey = Selected(shown.monitorKey, kMonitorKeyCount);
  settings.tot = Selected(shown.tot, kTotCount);
  settings.totRekey = Selected(shown.totRekey, kTotRekeyCount);
  settings.totReset = Selected(shown.totReset, kTotResetCount);
}
