#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "radio/radio_window.h"

// The main window as the transfers see it: the 15 rows and the settings page as values,
// starting from the designed defaults, and a record of what the transfers asked of it.
class FakeWindow : public RadioWindow {
 public:
  FakeWindow();

  bool AdvancedMode() const override { return advancedMode; }
  std::string SelectedPortName() const override { return portName; }
  void SetControlsEnabled(bool enabled) override { enabledCalls.push_back(enabled); }
  void ProcessMessages() override { ++processMessagesCalls; }
  void ClearLog() override { log.clear(); }
  void AppendLog(const std::string& line) override { log.push_back(line); }
  void SetChannelLabelRed(int channel, bool red) override;
  void MarkChannelUnread(int channel, bool unread) override { unreadRows[channel] = unread; }
  ChannelRow Channel(int channel) const override;
  void ShowChannel(int channel, const ChannelRow& row) override;
  RadioSettings Settings() const override { return settings; }
  void ShowSettings(const RadioSettings& shown) override;
  void FocusHzBox(int channel, Direction direction) override {
    focused.emplace_back(channel, direction);
  }

  // The real window also turns its channel lists into Hz boxes; here the rows keep what
  // they hold and the Hz texts count from now on.
  void EnterAdvancedMode() { advancedMode = true; }

  // The port the user picked; empty for none.
  std::string portName;
  bool advancedMode = false;

  // What the window shows.
  std::array<ChannelRow, kChannelCount> rows{};
  RadioSettings settings;

  // What the window was asked to do, oldest first.
  std::vector<bool> enabledCalls;
  int processMessagesCalls = 0;
  std::vector<std::string> log;
  std::vector<std::pair<int, bool>> labelRedCalls;
  std::map<int, bool> unreadRows;
  std::vector<std::pair<int, Direction>> focused;
};
