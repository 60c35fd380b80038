#pragma once

#include <optional>
#include <string>

#include "files/plan_file.h"

// A channel plan file of the kind its name asks for: CHIRP's CSV layout for a name ending in
// ".csv" in any case (IsCsvPlanFileName), the INI plan file for any other. Each does as its
// own functions do; a CSV file holds no settings, so a plan's settings are not saved there.
LoadedPlan LoadPlan(const std::string& fileName, bool settings, bool advancedMode);
PlanFileOutcome SavePlan(const std::string& fileName, const ChannelPlan& plan);
// Why SavePlan would refuse the file; nothing when it would write it.
std::optional<LogLine> PlanOutputRefusal(const std::string& fileName);
