#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "radio/front_end.h"
#include "radio/serial_link.h"
#include "tests/support/kept_backups.h"
#include "tests/support/shown_plan.h"

// The window's part in a transfer played with values instead of widgets: it runs the
// window's front-end steps, shows what a read gives back, hands a write its plan, and keeps
// the log the window would show.
class FakeFrontEnd : public ShownPlan, public FrontEnd {
 public:
  // Its link on the system calls and the clock given, as a line to a simulated radio.
  FakeFrontEnd(SerialSystem& system, const LinkClock& clock) : serial(system, clock) {}

  bool AdvancedMode() const override { return advancedMode_; }
  // The window also turns its channel lists into Hz boxes; here the rows keep what they
  // hold and the Hz texts count from now on.
  void EnterAdvancedMode() override { advancedMode_ = true; }
  ChannelRow Channel(int channel) const override;
  void ShowChannel(int channel, const ChannelRow& row) override;
  RadioSettings Settings() const override { return settings_; }
  void ShowSettings(const RadioSettings& settings) override;
  void MarkChannelUnread(int channel, bool unread) override { unreadRows[channel] = unread; }
  void ClearLog() override { log.clear(); }
  void Log(const LogLine& line) override { log.push_back(line.Text()); }
  bool Ask(const LogLine& question) override;
  void FocusHzBox(int channel, Direction direction) override { focused = {channel, direction}; }

  void Read();
  void Write();

  std::string portName;
  TBlockSerial serial;
  // The log as the window shows it after the last transfer.
  std::vector<std::string> log;
  // Rows, by channel number, marked as not filled by the last read.
  std::map<int, bool> unreadRows;
  // The Hz box a refused write put the focus on.
  std::optional<std::pair<int, Direction>> focused;
  KeptBackups backups;
  // How the user answers every question, as the window's test dialogs do, and what was asked.
  bool answerYes = true;
  std::vector<std::string> asked;

 private:
  bool advancedMode_ = false;
  HiddenRows hiddenRows_;
  std::array<ChannelRow, kChannelCount> rows_{};
  RadioSettings settings_ = kDefaultSettings;
};
