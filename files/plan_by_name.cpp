#include "files/plan_by_name.h"

#include "files/csv_plan.h"

LoadedPlan LoadPlan(const std::string& fileName, bool settings, bool advancedMode) {
  return IsCsvPlanFileName(fileName) ? LoadCsvPlanFile(fileName, settings, advancedMode)
                                     : LoadPlanFile(fileName, settings, advancedMode);
}

PlanFileOutcome SavePlan(const std::string& fileName, const ChannelPlan& plan) {
  return IsCsvPlanFileName(fileName) ? SaveCsvPlanFile(fileName, plan)
                                     : SavePlanFile(fileName, plan);
}

std::optional<LogLine> PlanOutputRefusal(const std::string& fileName) {
  return IsCsvPlanFileName(fileName) ? CsvPlanOutputRefusal(fileName)
                                     : PlanFileOutputRefusal(fileName);
}
