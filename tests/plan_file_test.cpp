#include "files/plan_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "files/ini_file.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/temp_folder.h"

using namespace std::string_literals;

namespace {

const std::string kNormalFileRefused =
    "This configuration file is save in normal mode but you are in advanced mode.\r\n"
    "Please restart this software to normal mode.";
const std::string kNoSettings =
    "The configuration file did not have settings included, but frequencies had been loaded.";

// What a file without the settings section loads as for the settings page.
const RadioSettings kPageDefaults = {.beepTones = true,
                                     .batterySaving = true,
                                     .selfProgramming = true,
                                     .squelchLevel = 5,
                                     .monitorKey = 3};

void ExpectSamePlan(const ChannelPlan& loaded, const ChannelPlan& saved) {
  EXPECT_EQ(loaded.advancedMode, saved.advancedMode);
  EXPECT_EQ(loaded.channels, saved.channels);
  EXPECT_EQ(loaded.settings, saved.settings);
}

}  // namespace

TEST(ChannelPlan, RoundTripsInBothModes) {
  TempFolder folder;
  for (const bool advanced : {false, true}) {
    const ChannelPlan plan = DistinctPlan(advanced);
    EXPECT_TRUE(SavePlanFile(folder / "plan.ini", plan).failure.Text().empty());
    const LoadedPlan loaded = LoadPlanFile(folder / "plan.ini", true, advanced);
    ASSERT_TRUE(loaded.plan);
    ExpectSamePlan(*loaded.plan, plan);
    EXPECT_TRUE(loaded.outcome.failure.Text().empty() && loaded.outcome.notice.Text().empty());
  }

  // An advanced file is for a normal window too; without saved settings the user is told.
  ChannelPlan advanced = DistinctPlan(true);
  advanced.settings.reset();
  SavePlanFile(folder / "advanced.ini", advanced);
  const LoadedPlan switched = LoadPlanFile(folder / "advanced.ini", true, false);
  ASSERT_TRUE(switched.plan);
  ExpectSamePlan(*switched.plan, advanced);
  EXPECT_EQ(switched.outcome.notice.Text(), kNoSettings);
  EXPECT_TRUE(LoadPlanFile(folder / "advanced.ini", false, false).outcome.notice.Text().empty());
}

TEST(ChannelPlan, NewFileHoldsSectionsAndKeysInOrder) {
  TempFolder folder;
  ChannelPlan plan;
  plan.channels[0] = {.rxChannelIndex = 1,
                      .txChannelIndex = 8,
                      .rxToneIndex = 27,
                      .txToneIndex = 38,
                      .shift = true};
  plan.channels[14].lockout = true;
  plan.settings = kPageDefaults;
  plan.settings->batterySaving = false;
  plan.settings->totRekey = 60;
  SavePlanFile(folder / "new.ini", plan);

  std::string expected =
      "[General]\r\nAdvancedMode=0\r\nOtherSettings=1\r\n\r\n"
      "[Ch1]\r\nFreqRX=1\r\nFreqTX=8\r\nCTCSSRX=27\r\nCTCSSTX=38\r\nShift=1\r\nLockout=0\r\n\r\n";
  for (int n = 2; n <= 15; ++n) {
    expected += "[Ch" + std::to_string(n) +
                "]\r\nFreqRX=0\r\nFreqTX=0\r\nCTCSSRX=0\r\nCTCSSTX=0\r\nShift=0\r\nLockout=" +
                (n == 15 ? "1" : "0") + "\r\n\r\n";
  }
  expected +=
      "[OtherSettings]\r\nMonitorKey=3\r\nSquelchLevel=5\r\nBeepTones=1\r\nBatterySaving=0\r\n"
      "SelfProgramming=1\r\nTOT=0\r\nTOTRekey=60\r\nTOTReset=0\r\n";
  EXPECT_EQ(ReadBytes(folder / "new.ini"), expected);
  // The same text for a plan that goes to a pipe rather than a file.
  EXPECT_EQ(PlanFileText(plan), expected);
}

// A plan's text without a file is what a save writes, in each mode, with or without settings.
TEST(ChannelPlan, TextWithoutAFileIsWhatASaveWrites) {
  TempFolder folder;
  for (const bool advanced : {false, true}) {
    for (const bool settings : {false, true}) {
      ChannelPlan plan = DistinctPlan(advanced);
      if (!settings) {
        plan.settings.reset();
      }
      const std::string path = folder / ("plan-" + std::to_string(advanced) + ".ini");
      std::filesystem::remove(path);
      ASSERT_TRUE(SavePlanFile(path, plan).failure.Text().empty());
      EXPECT_EQ(PlanFileText(plan), ReadBytes(path)) << advanced << settings;
    }
  }
}

TEST(ChannelPlan, SavingOverAFileKeepsItsOtherLinesAndDisownsOldSettings) {
  TempFolder folder;
  const std::string path = folder / "club.ini";
  const std::string head = "; Club channels\r\n[Repeater]\r\nCallsign=XX0XX\r\n\r\n[General]\r\n";
  WriteBytes(path, head +
                       "AdvancedMode=0\r\nOtherSettings=1\r\nComment=kept\r\n\r\n[Ch1]\r\n"
                       "FreqRX=5\r\nNote=kept\r\n\r\n[OtherSettings]\r\nSquelchLevel=9\r\n");
  SavePlanFile(path, ChannelPlan{});
  EXPECT_TRUE(ReadBytes(path).starts_with(
      head +
      "AdvancedMode=0\r\nOtherSettings=0\r\nComment=kept\r\n\r\n[Ch1]\r\nFreqRX=0\r\n"
      "Note=kept\r\nFreqTX=0\r\nCTCSSRX=0\r\nCTCSSTX=0\r\nShift=0\r\nLockout=0\r\n\r\n"
      "[OtherSettings]\r\nSquelchLevel=9\r\n\r\n[Ch2]\r\n"));

  EXPECT_TRUE(LoadPlanFile(path, false, false).outcome.notice.Text().empty());
  const LoadedPlan loaded = LoadPlanFile(path, true, false);
  EXPECT_EQ(loaded.outcome.notice.Text(), kNoSettings);
  ASSERT_TRUE(loaded.plan);
  ExpectSamePlan(*loaded.plan, ChannelPlan{});
}

TEST(ChannelPlan, LoadGivesOnlyWhatTheListsHold) {
  TempFolder folder;
  WriteBytes(folder / "odd.ini",
             "[General]\nOtherSettings=1\n"
             "[Ch1]\nFreqRX=9\nFreqTX=8\nCTCSSRX=39\nCTCSSTX=38\nShift=2\nLockout=yes\n"
             "[Ch2]\nFreqRX=100\nFreqTX=-1\nCTCSSRX=-5\nCTCSSTX=0x1F\nShift=0x0\nLockout=$1\n"
             "[Ch3]\nFreqRX=$8\nCTCSSRX=0X10\n"
             "[OtherSettings]\nMonitorKey=7\nSquelchLevel=12\nBeepTones=yes\nBatterySaving=0\n"
             "TOT=10\nTOTRekey=61\nTOTReset=-1\n");
  const LoadedPlan loaded = LoadPlanFile(folder / "odd.ini", true, false);
  ASSERT_TRUE(loaded.plan);
  const auto& channels = loaded.plan->channels;
  EXPECT_EQ(channels[0], (ChannelRow{.rxChannelIndex = 0,
                                     .txChannelIndex = 8,
                                     .rxToneIndex = 0,
                                     .txToneIndex = 38,
                                     .shift = true,
                                     .lockout = false}));
  EXPECT_EQ(channels[1], (ChannelRow{.txToneIndex = 31, .lockout = true}));
  EXPECT_EQ(channels[2], (ChannelRow{.rxChannelIndex = 8, .rxToneIndex = 16}));
  EXPECT_EQ(loaded.plan->settings, (RadioSettings{.beepTones = true,
                                                  .batterySaving = false,
                                                  .selfProgramming = true,
                                                  .squelchLevel = 10,
                                                  .monitorKey = 3,
                                                  .tot = 10}));
  WriteBytes(folder / "low.ini", "[General]\nOtherSettings=1\n[OtherSettings]\nSquelchLevel=-3\n");
  EXPECT_EQ(LoadPlanFile(folder / "low.ini", true, false).plan->settings->squelchLevel, 0);
}

TEST(ChannelPlan, NormalFileIsRefusedInAdvancedModeAndAModelessOneIsNot) {
  TempFolder folder;
  SavePlanFile(folder / "normal.ini", DistinctPlan(false));
  const LoadedPlan refused = LoadPlanFile(folder / "normal.ini", true, true);
  EXPECT_FALSE(refused.plan);
  EXPECT_EQ(refused.outcome.failure.Text(), kNormalFileRefused);

  WriteBytes(folder / "modeless.ini", "[Ch1]\r\nFreqRX=446006250\r\n");
  const LoadedPlan modeless = LoadPlanFile(folder / "modeless.ini", false, true);
  ASSERT_TRUE(modeless.plan);
  EXPECT_TRUE(modeless.plan->advancedMode);
  EXPECT_EQ(modeless.plan->channels[0].rxHzText, "446006250");
  EXPECT_EQ(modeless.plan->channels[1].rxHzText, "");
  EXPECT_EQ(LoadPlanFile(folder / "modeless.ini", false, false).plan->channels[0].rxChannelIndex,
            0);
}

TEST(ChannelPlan, FilesThatCannotBeUsedAreRefused) {
  TempFolder folder;
  const std::string readOnly = folder / "read-only.ini";
  WriteBytes(readOnly, "[General]\r\n");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  EXPECT_EQ(SavePlanFile(readOnly, DistinctPlan(false)).failure.Text(),
            "Unable to write to " + readOnly + ".");
  EXPECT_EQ(ReadBytes(readOnly), "[General]\r\n");

  for (const std::string& path : {folder.Path().string(), folder / "missing.ini"}) {
    const LoadedPlan loaded = LoadPlanFile(path, true, false);
    EXPECT_FALSE(loaded.plan);
    EXPECT_EQ(loaded.outcome.failure.Text(), "Unable to read " + path + ".");
  }
}

TEST(ChannelPlan, BadFilesLoadAsUsableValues) {
  TempFolder folder;
  const std::string path = folder / "bad.ini";
  WriteBytes(path, "[Ch1]\nFreqRX=5\0junk\n\0\0\n[Ch2\nFreqRX=4\n[ch1]\nFreqTX=4\n"s +
                       "[Ch3]\nno equals\n=7\nFreqRX=2\nFreqRX=3\nFreqTX " +
                       std::string(1 << 20, '7') + "\n");
  const LoadedPlan loaded = LoadPlanFile(path, true, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(loaded.plan->channels[0].rxChannelIndex, 5);
  EXPECT_EQ(loaded.plan->channels[0].txChannelIndex, 0);
  EXPECT_EQ(loaded.plan->channels[1].rxChannelIndex, 0);
  EXPECT_EQ(loaded.plan->channels[2].rxChannelIndex, 2);
  EXPECT_FALSE(loaded.plan->settings);

  // Random bytes and random INI-like text: every index lies inside its list.
  std::mt19937 random(446);
  const std::vector<std::string> tokens = {"[",
                                           "]",
                                           "=",
                                           "\r\n",
                                           "\n",
                                           ";",
                                           " ",
                                           "General",
                                           "AdvancedMode",
                                           "OtherSettings",
                                           "Ch1",
                                           "FreqRX",
                                           "CTCSSTX",
                                           "TOT",
                                           "0x",
                                           "$",
                                           "-",
                                           "1",
                                           "9",
                                           "39",
                                           std::string(1, '\0'),
                                           "\xFF"};
  const auto inside = [](int index, int count) { return index >= 0 && index < count; };
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) {
      bytes += round % 2 ? tokens[random() % tokens.size()] : std::string(1, char(random()));
    }
    WriteBytes(path, bytes);
    const LoadedPlan fresh = LoadPlanFile(path, round % 4 < 2, false);
    if (!fresh.plan) {
      continue;
    }
    for (const ChannelRow& row : fresh.plan->channels) {
      ASSERT_TRUE(inside(row.rxChannelIndex, 9) && inside(row.txChannelIndex, 9) &&
                  inside(row.rxToneIndex, 39) && inside(row.txToneIndex, 39))
          << "round " << round;
    }
    if (const auto& settings = fresh.plan->settings) {
      ASSERT_TRUE(inside(settings->monitorKey, 4) && inside(settings->tot, 11) &&
                  inside(settings->totRekey, 61) && inside(settings->totReset, 16) &&
                  inside(settings->squelchLevel, 11))
          << "round " << round;
    }
  }
  // A value from the file is given whole up to the reader's limit.
  WriteBytes(path, "[General]\nAdvancedMode=1\n[Ch4]\nFreqTX=" + std::string(1 << 20, '4'));
  EXPECT_EQ(LoadPlanFile(path, false, false).plan->channels[3].txHzText,
            std::string(kMaxIniValueLength, '4'));
}
