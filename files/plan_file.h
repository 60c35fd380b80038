#pragma once

#include <optional>
#include <string>

#include "radio/channel_plan.h"
#include "radio/log_line.h"

// What a load or a save has for the user: a refusal or failure (the plan is not loaded,
// or the file not written) and a notice that goes with a successful load. An empty format
// when there is nothing to say.
struct PlanFileOutcome {
  LogLine failure;
  LogLine notice;
};

// What a load with settings says of a file that holds none; the channels are loaded.
extern const char kNoSettingsInFile[];

// Writes the plan to the named file, keeping every other line an existing file holds,
// and marks whether it holds the settings. A file that cannot be written fails with
// "Unable to write to " + file name + "." and stays as it was.
PlanFileOutcome SavePlanFile(const std::string& fileName, const ChannelPlan& plan);

// What SavePlanFile writes to a new file, for a plan that goes elsewhere than a file.
std::string PlanFileText(const ChannelPlan& plan);

struct LoadedPlan {
  // Nothing when the file is refused.
  std::optional<ChannelPlan> plan;
  PlanFileOutcome outcome;
};

// Reads the plan for a window in the given mode, with its settings when `settings` is
// true and the file holds them. An advanced-mode file is for any window (a normal one is
// to switch); a normal-mode file is refused in advanced mode, and so is a file that
// cannot be read or holds none of the plan's sections. Missing or unusable values take
// their defaults, and every list index lies inside its list.
LoadedPlan LoadPlanFile(const std::string& fileName, bool settings, bool advancedMode);
