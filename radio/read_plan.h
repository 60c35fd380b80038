#pragma once

#include <vector>

#include "radio/channel_plan.h"
#include "radio/transfers.h"

// The plan a read gives when nothing shows it: in normal mode while the channel lists can
// show every frequency read, in advanced mode (Hz texts) as soon as one cannot, so that
// nothing the radio holds is lost. Rows not read are not in use.
struct PlanRead {
  ChannelPlan plan;
  // The channels whose frequencies made it an advanced-mode plan.
  std::vector<int> outsideTheChannelLists;
};
PlanRead PlanFromRead(const ReadOutcome& outcome);
