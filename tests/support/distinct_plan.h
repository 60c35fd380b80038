#pragma once

#include <map>
#include <string>

#include "radio/channel_plan.h"

// Every channel different, list ends included; settings away from their defaults. In
// advanced mode the Hz texts include an empty one and some a write refuses.
ChannelPlan DistinctPlan(bool advanced);
// Every row field and setting of a plan as text, so that two plans compare in one step and
// a difference names its field (also across processes, as the Windows probe prints them).
std::map<std::string, std::string> PlanValues(const ChannelPlan& plan);
