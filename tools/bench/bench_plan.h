#pragma once

#include "radio/channel_plan.h"

// The plan the bench writes: every channel in use, each with its own RX tone.
inline ChannelPlan BenchPlan() {
  ChannelPlan plan;
  for (int n = 1; n <= kChannelCount; ++n) {
    plan.channels[n - 1] = {
        .rxChannelIndex = 1 + n % 8, .txChannelIndex = 1 + n % 8, .rxToneIndex = n};
  }
  plan.settings = kDefaultSettings;
  return plan;
}
