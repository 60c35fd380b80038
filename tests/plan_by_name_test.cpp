#include "files/plan_by_name.h"

#include <gtest/gtest.h>

#include "files/csv_plan.h"
#include "files/whole_file.h"
#include "tests/support/temp_folder.h"

namespace {

// A plan that both kinds hold.
ChannelPlan SmallPlan() {
  ChannelPlan plan{.settings = kDefaultSettings};
  plan.channels[0] = {.rxChannelIndex = 1, .txChannelIndex = 8, .rxToneIndex = 2, .shift = true};
  plan.channels[6] = {.rxChannelIndex = 3, .txChannelIndex = 3, .txToneIndex = 30};
  return plan;
}

}  // namespace

// The name alone chooses the kind: the same plan goes into a .CSV file in CHIRP's layout
// and into any other file as an INI plan, and each comes back the way it went.
TEST(PlanByName, TheNameChoosesTheFileKind) {
  TempFolder folder;
  const ChannelPlan plan = SmallPlan();
  const std::string csv = folder / "plan.CSV";
  const std::string ini = folder / "plan.txt";
  ASSERT_TRUE(SavePlan(csv, plan).failure.format.empty());
  ASSERT_TRUE(SavePlan(ini, plan).failure.format.empty());
  EXPECT_EQ(ReadWholeFile(csv).bytes, CsvPlanText(plan).text);
  EXPECT_EQ(ReadWholeFile(ini).bytes, PlanFileText(plan));
  EXPECT_EQ(LoadPlan(ini, true, false).plan, plan);
  const LoadedPlan fromCsv = LoadPlan(csv, true, false);
  ASSERT_TRUE(fromCsv.plan);
  EXPECT_FALSE(fromCsv.plan->settings);
  EXPECT_EQ(fromCsv.outcome.notice.Text(), LoadCsvPlanFile(csv, true, false).outcome.notice.Text());
}

// Each kind keeps only files of its own kind from being replaced.
TEST(PlanByName, EachKindRefusesToReplaceAFileOfTheOther) {
  TempFolder folder;
  const std::string iniInCsvName = folder / "ini.csv";
  const std::string csvInIniName = folder / "csv.ini";
  ASSERT_TRUE(SavePlanFile(iniInCsvName, SmallPlan()).failure.format.empty());
  ASSERT_TRUE(SaveCsvPlanFile(csvInIniName, SmallPlan()).failure.format.empty());
  ASSERT_TRUE(PlanOutputRefusal(iniInCsvName));
  EXPECT_EQ(PlanOutputRefusal(iniInCsvName)->Text(), CsvPlanOutputRefusal(iniInCsvName)->Text());
  ASSERT_TRUE(PlanOutputRefusal(csvInIniName));
  EXPECT_EQ(PlanOutputRefusal(csvInIniName)->Text(), PlanFileOutputRefusal(csvInIniName)->Text());
  EXPECT_FALSE(PlanOutputRefusal(folder / "new.csv"));
}
