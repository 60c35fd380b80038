#pragma once

#include <map>
#include <string>

#include "files/channel_plan.h"
#include "radio/radio_window.h"

// Every channel different, list ends included; settings away from their defaults. In
// advanced mode the Hz texts include an empty one and some a write refuses.
ChannelPlan DistinctPlan(bool advanced);
void ShowPlan(RadioWindow& window, const ChannelPlan& plan);
// Every row field and setting the window holds, as text, so that two windows compare in
// one step (also across processes, as the Windows probe prints them).
std::map<std::string, std::string> PlanValues(const RadioWindow& window);
