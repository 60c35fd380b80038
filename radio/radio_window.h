#pragma once

#include <string>

#include "radio/memory_map.h"

enum class Direction { Rx, Tx };

// The window as the transfers see it, in the radio's terms. Its controls are the only
// store of the channel plan and the settings, so every call reads or sets them at that
// moment; nothing here keeps a copy.
class RadioWindow {
 public:
  virtual ~RadioWindow() = default;

  virtual bool AdvancedMode() const = 0;
  // The path of the port chosen in the port list; empty when none is chosen.
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

  // Row 1..15 as shown: the channel list indexes in normal mode, the Hz texts as typed in
  // advanced mode; the other mode's fields keep their defaults.
  virtual ChannelRow Channel(int channel) const = 0;
  // Shows the fields of the window's mode. An index outside its list leaves the list
  // without a selection.
  virtual void ShowChannel(int channel, const ChannelRow& row) = 0;
  virtual RadioSettings Settings() const = 0;
  // An index outside its list leaves the list without a selection.
  virtual void ShowSettings(const RadioSettings& settings) = 0;
  // Puts the keyboard focus on an advanced-mode Hz box, so the user can correct it at once.
  virtual void FocusHzBox(int channel, Direction direction) = 0;
};
