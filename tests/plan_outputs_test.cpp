// A plan or a backup written to a file never merges into, or replaces, a file of another
// kind: what the user kept there stays whole.
#include <gtest/gtest.h>

#include <string>

#include "files/backup_file.h"
#include "files/csv_plan.h"
#include "files/plan_file.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/temp_folder.h"

namespace {

RadioBackup SampleBackup() {
  return {"E", std::chrono::system_clock::from_time_t(1'800'000'000),
          PlanBlocks(DistinctPlan(false))};
}

class PlanOutputs : public testing::Test {
 protected:
  TempFolder folder;
  const ChannelPlan plan = DistinctPlan(false);
  const std::string backupText = BackupFileText(SampleBackup());
};

TEST_F(PlanOutputs, AnIniPlanGoesOnlyIntoAPlanOrAnEmptyFile) {
  const std::string backup = folder / "before.vxbackup";
  const std::string notes = folder / "notes.txt";
  WriteBytes(backup, backupText);
  WriteBytes(notes, "Repeater on 439.000 MHz\n[not a plan]\n");
  for (const std::string& path : {backup, notes}) {
    const std::string before = ReadBytes(path);
    EXPECT_EQ(SavePlanFile(path, plan).failure.Text(),
              path +
                  " is not a Vexalon channel plan; the plan is not saved into it. Choose "
                  "another file.");
    EXPECT_EQ(PlanFileOutputRefusal(path)->Text(), SavePlanFile(path, plan).failure.Text());
    EXPECT_EQ(ReadBytes(path), before);
  }
  EXPECT_TRUE(LoadBackupFile(backup).backup);

  // Nothing to lose: a new file, an empty one, one of blanks; a plan keeps its other lines.
  const std::string empty = folder / "empty.ini";
  WriteBytes(empty, " \r\n");
  const std::string club = folder / "club.ini";
  WriteBytes(club, "; club\r\n[Ch1]\r\nNote=kept\r\n");
  for (const std::string& path : {folder / "new.ini", empty, club}) {
    EXPECT_FALSE(PlanFileOutputRefusal(path)) << path;
    EXPECT_TRUE(SavePlanFile(path, plan).failure.format.empty()) << path;
    EXPECT_EQ(PlanFileText(*LoadPlanFile(path, true, false).plan), PlanFileText(plan)) << path;
  }
  EXPECT_TRUE(ReadBytes(club).starts_with("; club\r\n[Ch1]\r\nNote=kept\r\nFreqRX="));
}

TEST_F(PlanOutputs, ACsvPlanReplacesOnlyACsvPlanWhole) {
  const std::string other = folder / "other.csv";
  WriteBytes(other, "Location,Frequency\r\n20,145.500000\r\n");
  ASSERT_FALSE(CsvPlanOutputRefusal(other));
  // The layout holds a TX frequency only beside an RX one.
  ChannelPlan csvPlan = plan;
  csvPlan.channels[8].rxChannelIndex = 1;
  ASSERT_TRUE(SaveCsvPlanFile(other, csvPlan).failure.format.empty());
  EXPECT_EQ(ReadBytes(other), CsvPlanText(csvPlan).text);

  const std::string sheet = folder / "sheet.csv";
  WriteBytes(sheet, "Name,Phone\r\nAnn,123\r\n");
  EXPECT_EQ(SaveCsvPlanFile(sheet, csvPlan).failure.Text(),
            sheet + " is not a CSV channel plan; it is not replaced. Choose another file.");
  EXPECT_EQ(ReadBytes(sheet), "Name,Phone\r\nAnn,123\r\n");
}

// Any file that starts as a backup is one, even a damaged one, so that -o can replace a
// backup spoiled by hand; anything else is kept.
TEST_F(PlanOutputs, ABackupReplacesOnlyABackup) {
  const std::string damaged = folder / "damaged.vxbackup";
  WriteBytes(damaged, backupText.substr(0, backupText.size() / 2));
  const std::string plan = folder / "plan.vxbackup";
  WriteBytes(plan, PlanFileText(DistinctPlan(false)));
  EXPECT_FALSE(BackupOutputRefusal(damaged));
  EXPECT_FALSE(BackupOutputRefusal(folder / "new.vxbackup"));
  ASSERT_TRUE(BackupOutputRefusal(plan));
  EXPECT_EQ(BackupOutputRefusal(plan)->Text(),
            plan + " is not a Vexalon radio backup; it is not replaced. Choose another file.");
}

}  // namespace
