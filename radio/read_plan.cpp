#include "radio/read_plan.h"

#include "radio/memory_map.h"

PlanRead PlanFromRead(const ReadOutcome& outcome) {
  PlanRead read;
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    const auto& row = outcome.channels[channel - 1];
    if (row) {
      read.plan.channels[channel - 1] = *row;
      if (!ChannelListShows(*row, Direction::Rx) || !ChannelListShows(*row, Direction::Tx)) {
        read.outsideTheChannelLists.push_back(channel);
      }
    }
  }
  read.plan.advancedMode = !read.outsideTheChannelLists.empty();
  read.plan.settings = outcome.settings;
  return read;
}
