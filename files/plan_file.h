#pragma once

#include <optional>
#include <string>
#include <vector>

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

// Writes the plan to the named file, keeping every other line an existing plan file
// holds, and marks whether it holds the settings. A file that cannot be written fails with
// "Unable to write to " + file name + "." and stays as it was; so does an existing file
// that is neither a plan (as a load tells it) nor empty, with PlanFileOutputRefusal.
PlanFileOutcome SavePlanFile(const std::string& fileName, const ChannelPlan& plan);
// Why SavePlanFile would refuse the file; nothing when it would write it.
std::optional<LogLine> PlanFileOutputRefusal(const std::string& fileName);

// What SavePlanFile writes to a new file, for a plan that goes elsewhere than a file.
std::string PlanFileText(const ChannelPlan& plan);

// Something of the plan that a loaded file lacks, or holds in a form the plan cannot use;
// the plan holds the default there.
struct PlanProblem {
  // Names the place in the file and, for a value that cannot be used, the value.
  LogLine line;
  // Missing or empty, rather than there and unusable.
  bool missing = false;
};

struct LoadedPlan {
  // Nothing when the file is refused.
  std::optional<ChannelPlan> plan;
  // The notice says the problems too, as the user is to see them after a load.
  PlanFileOutcome outcome;
  // For a front end that must not use a plan with defaults in place of what the file meant.
  std::vector<PlanProblem> problems;
};

// Reads the plan for a window in the given mode, with its settings when `settings` is
// true and the file holds them. An advanced-mode file is for any window (a normal one is
// to switch); a normal-mode file is refused in advanced mode, and so is a file that
// cannot be read or holds none of the plan's sections. Missing or unusable values take
// their defaults, and every list index lies inside its list.
//
// Each problem is listed: a section of the plan or a key of a section that is there,
// missing or empty; a number key that is not a whole number; an index beyond its list
// (-1, a list without a selection, is none); a squelch level beyond 0 to 10. The settings'
// keys count only when they are read. Hz texts are the write's to check.
LoadedPlan LoadPlanFile(const std::string& fileName, bool settings, bool advancedMode);

// Adds a line below those of a notice.
void AddNoticeLine(LogLine& notice, LogLine line);
