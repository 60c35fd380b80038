#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "files/plan_window.h"

// The main window as the files and the transfers see it, held in maps: the settings
// page and the 15-row grid with their designed defaults, and the advanced-mode switch
// that replaces the frequency lists by Hz edit boxes. A name the real window would not
// hold in its current mode, or a control of another kind, throws, so a wrong lookup
// fails the test that makes it. Dialogs, log lines and enabling are recorded.
class FakeWindow : public PlanWindow {
 public:
  FakeWindow();

  bool AdvancedMode() const override { return advancedMode_; }
  std::string SelectedPortName() const override { return portName; }
  void SetControlsEnabled(bool enabled) override { enabledCalls.push_back(enabled); }
  void ProcessMessages() override { ++processMessagesCalls; }
  void ClearLog() override { log.clear(); }
  void AppendLog(const std::string& line) override { log.push_back(line); }
  void SetChannelLabelRed(int channel, bool red) override;
  void MarkChannelUnread(int channel, bool unread) override { unreadRows[channel] = unread; }
  void FocusControl(const std::string& name) override { focused.push_back(name); }

  int ListIndex(const std::string& name) const override;
  void SelectListIndex(const std::string& name, int index) override;
  std::string EditText(const std::string& name) const override;
  void SetEditText(const std::string& name, const std::string& text) override;
  bool IsChecked(const std::string& name) const override;
  void SetChecked(const std::string& name, bool checked) override;
  int SliderPosition(const std::string& name) const override;
  void SetSliderPosition(const std::string& name, int position) override;

  void EnterAdvancedMode() override;
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowInformation(const std::string& text) override { informations.push_back(text); }

  bool HasControl(const std::string& name) const;
  // Every control's value by name, as text, so whole-window states compare at once.
  std::map<std::string, std::string> Snapshot() const;

  // The port the user picked; empty for none.
  std::string portName;

  // What the window was asked to do, oldest first.
  std::vector<bool> enabledCalls;
  int processMessagesCalls = 0;
  std::vector<std::string> log;
  std::vector<std::pair<int, bool>> labelRedCalls;
  std::map<int, bool> unreadRows;
  std::vector<std::string> focused;
  int enterAdvancedModeCalls = 0;
  std::vector<std::string> errors;
  std::vector<std::string> informations;

 private:
  struct List {
    int count;
    int index;
  };

  bool advancedMode_ = false;
  std::map<std::string, List> lists_;
  std::map<std::string, std::string> edits_;
  std::map<std::string, bool> checks_;
  std::map<std::string, int> sliders_;
};
