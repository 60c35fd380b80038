#pragma once

#include <string>

// The window as the transfers and the channel plan file see it. The controls are the
// only store of the channel plan, so every call names the control it means (a grid
// name from grid_names.h or a designed name such as "cb_monitor") and the window looks
// it up at that moment.
class WindowControls {
 public:
  virtual ~WindowControls() = default;

  virtual bool AdvancedMode() const = 0;
  // Text of the selected item of the port list; empty when none is selected.
  virtual std::string SelectedPortName() const = 0;
  virtual void SetControlsEnabled(bool enabled) = 0;
  // Runs the message pump once so the window repaints and handles queued input.
  virtual void ProcessMessages() = 0;

  virtual void ClearLog() = 0;
  virtual void AppendLog(const std::string& line) = 0;

  // The label of channel 1..15 in red while it is transferred, else in window-text colour.
  virtual void SetChannelLabelRed(int channel, bool red) = 0;
  // A row a read could not fill shows its earlier values, so it stays marked until it is
  // filled or edited; false says the row was just filled from the radio or a file.
  virtual void MarkChannelUnread(int channel, bool unread) = 0;
  // Puts the keyboard focus on the named control, so the user can correct it at once.
  virtual void FocusControl(const std::string& name) = 0;

  // Fixed drop-down lists: selected item index, -1 for none. Selecting an index outside
  // the list leaves it without a selection.
  virtual int ListIndex(const std::string& name) const = 0;
  virtual void SelectListIndex(const std::string& name, int index) = 0;
  virtual std::string EditText(const std::string& name) const = 0;
  virtual void SetEditText(const std::string& name, const std::string& text) = 0;
  virtual bool IsChecked(const std::string& name) const = 0;
  virtual void SetChecked(const std::string& name, bool checked) = 0;
  // The slider keeps its range: a position outside it is held at the nearer end.
  virtual int SliderPosition(const std::string& name) const = 0;
  virtual void SetSliderPosition(const std::string& name, int position) = 0;
};
