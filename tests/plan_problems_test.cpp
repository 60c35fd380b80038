// What a plan file lacks or holds unusable is loaded as its default, as always, and listed,
// so that no front end passes a plan with defaults in its place for the plan meant.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/csv_plan.h"
#include "files/plan_file.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/temp_folder.h"

namespace {

struct Listed {
  std::string line;
  bool missing;
  bool operator==(const Listed&) const = default;
};

std::vector<Listed> ListOf(const LoadedPlan& loaded) {
  std::vector<Listed> listed;
  for (const PlanProblem& problem : loaded.problems) {
    listed.push_back({problem.line.Text(), problem.missing});
  }
  return listed;
}

const std::string kGeneral = "[General]\nAdvancedMode=0\nOtherSettings=1\n";
const std::string kSettings =
    "[OtherSettings]\nMonitorKey=3\nSquelchLevel=5\nBeepTones=1\nBatterySaving=1\n"
    "SelfProgramming=1\nTOT=0\nTOTRekey=0\nTOTReset=0\n";

// Whole channel sections from the channel `from` to the last.
std::string Channels(int from, const std::string& freqRx = "0") {
  std::string text;
  for (int n = from; n <= kChannelCount; ++n) {
    text += "[Ch" + std::to_string(n) + "]\nFreqRX=" + freqRx +
            "\nFreqTX=0\nCTCSSRX=0\nCTCSSTX=0\nShift=0\nLockout=0\n";
  }
  return text;
}

class PlanProblems : public testing::Test {
 protected:
  LoadedPlan Load(const std::string& text, bool settings = true, bool advanced = false) {
    WriteBytes(path, text);
    return LoadPlanFile(path, settings, advanced);
  }

  TempFolder folder;
  const std::string path = folder / "plan.ini";
};

TEST_F(PlanProblems, APlanAsSavedHasNoneInEitherMode) {
  for (const bool advanced : {false, true}) {
    for (const bool settings : {false, true}) {
      ChannelPlan plan = DistinctPlan(advanced);
      if (!settings) {
        plan.settings.reset();
      }
      ASSERT_TRUE(SavePlanFile(path, plan).failure.format.empty());
      const LoadedPlan loaded = LoadPlanFile(path, true, false);
      EXPECT_TRUE(loaded.problems.empty()) << advanced << settings << ListOf(loaded)[0].line;
    }
  }
  // -1 is a list without a selection; an empty Hz text a direction not in use.
  EXPECT_TRUE(Load(kGeneral + Channels(1, "-1") + kSettings + "TOT=-1\n").problems.empty());
  EXPECT_TRUE(Load("[General]\nAdvancedMode=1\nOtherSettings=0\n" + Channels(1, ""), true, true)
                  .problems.empty());
}

TEST_F(PlanProblems, ACutOffPlanListsWhatItLacksAndLoadsTheDefaults) {
  const LoadedPlan loaded =
      Load("[General]\r\nAdvancedMode=0\r\nOtherSettings=1\r\n[Ch1]\r\nFreqRX=3\r\nFreqTX=");
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(loaded.plan->channels[0].rxChannelIndex, 3);
  EXPECT_EQ(loaded.plan->channels[1], ChannelRow{});
  EXPECT_EQ(loaded.plan->settings, kDefaultSettings);
  std::vector<Listed> expected = {{"[Ch1] FreqTX has no value.", true},
                                  {"[Ch1] CTCSSRX is missing.", true},
                                  {"[Ch1] CTCSSTX is missing.", true},
                                  {"[Ch1] Shift is missing.", true},
                                  {"[Ch1] Lockout is missing.", true}};
  for (int n = 2; n <= kChannelCount; ++n) {
    expected.push_back({"[Ch" + std::to_string(n) + "] is missing.", true});
  }
  expected.push_back({"[OtherSettings] is missing.", true});
  EXPECT_EQ(ListOf(loaded), expected);

  // The notice names the first ten and counts the rest.
  EXPECT_EQ(loaded.outcome.notice.Text(),
            "Some of the plan in " + path +
                " is missing or cannot be used; these take their defaults:\n"
                "[Ch1] FreqTX has no value.\n[Ch1] CTCSSRX is missing.\n[Ch1] CTCSSTX is "
                "missing.\n[Ch1] Shift is missing.\n[Ch1] Lockout is missing.\n[Ch2] is "
                "missing.\n[Ch3] is missing.\n[Ch4] is missing.\n[Ch5] is missing.\n[Ch6] is "
                "missing.\n10 more are missing or cannot be used.");

  // Without [General] the file is loaded in the window's mode, and says so.
  const LoadedPlan noGeneral = Load(Channels(1), false);
  EXPECT_EQ(ListOf(noGeneral), (std::vector<Listed>{{"[General] is missing.", true}}));
}

TEST_F(PlanProblems, ValuesAPlanCannotUseAreListedWithTheirDefaultsLoaded) {
  const LoadedPlan loaded = Load(
      kGeneral + "[Ch1]\nFreqRX=99\nFreqTX=8\nCTCSSRX=39\nCTCSSTX=abc\nShift=yes\nLockout=2\n" +
      Channels(2) +
      "[OtherSettings]\nMonitorKey=9\nSquelchLevel=42\nBeepTones=1\nBatterySaving=1\n"
      "SelfProgramming=1\nTOT=99\nTOTRekey=60\nTOTReset=$F\n");
  ASSERT_TRUE(loaded.plan);
  const ChannelRow& row = loaded.plan->channels[0];
  EXPECT_EQ(row.rxChannelIndex, 0);
  EXPECT_EQ(row.txChannelIndex, 8);
  EXPECT_EQ(row.rxToneIndex, 0);
  EXPECT_EQ(row.txToneIndex, 0);
  EXPECT_FALSE(row.shift);
  EXPECT_TRUE(row.lockout);
  ASSERT_TRUE(loaded.plan->settings);
  EXPECT_EQ(loaded.plan->settings->squelchLevel, 10);
  EXPECT_EQ(loaded.plan->settings->monitorKey, 3);
  EXPECT_EQ(loaded.plan->settings->tot, 0);
  EXPECT_EQ(loaded.plan->settings->totReset, 15);
  EXPECT_EQ(ListOf(loaded),
            (std::vector<Listed>{
                {"[Ch1] FreqRX \"99\" lies outside 0 to 8.", false},
                {"[Ch1] CTCSSRX \"39\" lies outside 0 to 38.", false},
                {"[Ch1] CTCSSTX \"abc\" is not a whole number.", false},
                {"[Ch1] Shift \"yes\" is not a whole number.", false},
                {"[OtherSettings] MonitorKey \"9\" lies outside 0 to 3.", false},
                {"[OtherSettings] SquelchLevel \"42\" lies outside 0 to 10.", false},
                {"[OtherSettings] TOT \"99\" lies outside 0 to 10.", false},
            }));
  // Settings a load does not ask for are not looked at.
  EXPECT_EQ(LoadPlanFile(path, false, false).problems.size(), 4u);

  // A radio's byte beyond its list, as a read saves it, and a squelch below the slider.
  const LoadedPlan read =
      Load(kGeneral + Channels(1) +
           "[OtherSettings]\nMonitorKey=4\nSquelchLevel=-1\nBeepTones=on\nBatterySaving=1\n"
           "SelfProgramming=1\nTOT=0\nTOTRekey=61\nTOTReset=0\n");
  EXPECT_EQ(ListOf(read), (std::vector<Listed>{
                              {"[OtherSettings] MonitorKey \"4\" lies outside 0 to 3.", false},
                              {"[OtherSettings] SquelchLevel \"-1\" lies outside 0 to 10.", false},
                              {"[OtherSettings] BeepTones \"on\" is not a whole number.", false},
                              {"[OtherSettings] TOTRekey \"61\" lies outside 0 to 60.", false},
                          }));
  EXPECT_EQ(read.plan->settings->squelchLevel, 0);
}

TEST_F(PlanProblems, ACsvRowLeftNotInUseIsOneAndASkippedRowIsNot) {
  const std::string csv = folder / "plan.csv";
  WriteBytes(csv, "Location,Frequency,Tone\n1,446.00625,\n20,446.00625,\n2,446.01875,Bogus\n");
  const LoadedPlan loaded = LoadCsvPlanFile(csv, false, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(ListOf(loaded),
            (std::vector<Listed>{{"Channel 2 (line 4) is left not in use: the radio has no "
                                  "tone mode \"Bogus\" (Tone).",
                                  false}}));
}

}  // namespace
