#pragma once

#include "radio/channel_plan.h"

// A plan as a front end shows it, so that one test runs on the window and on a front end
// without widgets: rows in the fields of the mode shown, and lists without a selection
// (-1) for values beyond their end.
class ShownPlan {
 public:
  virtual ~ShownPlan() = default;

  virtual bool AdvancedMode() const = 0;
  virtual void EnterAdvancedMode() = 0;
  virtual ChannelRow Channel(int channel) const = 0;
  virtual void ShowChannel(int channel, const ChannelRow& row) = 0;
  virtual RadioSettings Settings() const = 0;
  virtual void ShowSettings(const RadioSettings& settings) = 0;
};
