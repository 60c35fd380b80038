#include "files/channel_plan.h"

#include <gtest/gtest.h>

#include <random>

#include "files/ini_file.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/fake_window.h"
#include "tests/support/temp_folder.h"

using namespace std::string_literals;

namespace {

const std::string kNormalFileRefused =
    "This configuration file is save in normal mode but you are in advanced mode.\r\n"
    "Please restart this software to normal mode.";
const std::vector<std::string> kNoSettings = {
    "The configuration file did not have settings included, but frequencies had been loaded."};
const std::vector<bool> kDisabledThenEnabled = {false, true};

// The controls of the grid (grid = true) or of the settings page.
std::map<std::string, std::string> Part(const FakeWindow& window, bool grid) {
  auto values = window.Snapshot();
  std::erase_if(values,
                [&](const auto& v) { return (v.first.find("_A") != v.first.npos) != grid; });
  return values;
}

}  // namespace

TEST(ChannelPlan, RoundTripsInBothModes) {
  TempFolder folder;
  FakeWindow normal;
  FillDistinctPlan(normal);
  SaveToFile(normal, folder / "normal.ini", true);
  FakeWindow loaded;
  LoadFromFile(loaded, folder / "normal.ini", true);
  EXPECT_EQ(loaded.Snapshot(), normal.Snapshot());
  EXPECT_EQ(loaded.enabledCalls, kDisabledThenEnabled);
  EXPECT_TRUE(loaded.errors.empty() && loaded.informations.empty() && normal.enabledCalls.empty());

  // An advanced file switches a normal window without asking; without saved settings
  // the settings page stays as it was and the user is told.
  FakeWindow advanced;
  advanced.EnterAdvancedMode();
  FillDistinctPlan(advanced);
  SaveToFile(advanced, folder / "advanced.ini", false);
  FakeWindow switched;
  switched.SetSliderPosition("squelch_level", 2);
  const auto settings = Part(switched, false);
  LoadFromFile(switched, folder / "advanced.ini", true);
  EXPECT_EQ(switched.enterAdvancedModeCalls, 1);
  EXPECT_EQ(Part(switched, true), Part(advanced, true));
  EXPECT_EQ(Part(switched, false), settings);
  EXPECT_EQ(switched.informations, kNoSettings);
  EXPECT_EQ(switched.enabledCalls, kDisabledThenEnabled);
}

TEST(ChannelPlan, NewFileHoldsSectionsAndKeysInOrder) {
  TempFolder folder;
  FakeWindow window;
  window.SelectListIndex("cb_A1_freq_rx", 1);
  window.SelectListIndex("cb_A1_freq_tx", 8);
  window.SelectListIndex("cb_A1_ctcss_rx", 27);
  window.SelectListIndex("cb_A1_ctcss_tx", 38);
  window.SetChecked("cb_A1_shift", true);
  window.SetChecked("cb_A15_lockout", true);
  window.SetChecked("cb_batterysaving", false);
  window.SelectListIndex("cb_tot_rekey", 60);
  SaveToFile(window, folder / "new.ini", true);

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
}

TEST(ChannelPlan, SavingOverAFileKeepsItsOtherLinesAndDisownsOldSettings) {
  TempFolder folder;
  const std::string path = folder / "club.ini";
  const std::string head = "; Club channels\r\n[Repeater]\r\nCallsign=XX0XX\r\n\r\n[General]\r\n";
  WriteBytes(path, head +
                       "AdvancedMode=0\r\nOtherSettings=1\r\nComment=kept\r\n\r\n[Ch1]\r\n"
                       "FreqRX=5\r\nNote=kept\r\n\r\n[OtherSettings]\r\nSquelchLevel=9\r\n");
  FakeWindow window;
  SaveToFile(window, path, false);
  EXPECT_TRUE(ReadBytes(path).starts_with(
      head +
      "AdvancedMode=0\r\nOtherSettings=0\r\nComment=kept\r\n\r\n[Ch1]\r\nFreqRX=0\r\n"
      "Note=kept\r\nFreqTX=0\r\nCTCSSRX=0\r\nCTCSSTX=0\r\nShift=0\r\nLockout=0\r\n\r\n"
      "[OtherSettings]\r\nSquelchLevel=9\r\n\r\n[Ch2]\r\n"));

  LoadFromFile(window, path, false);
  EXPECT_TRUE(window.informations.empty());
  LoadFromFile(window, path, true);
  EXPECT_EQ(window.informations, kNoSettings);
  EXPECT_EQ(window.Snapshot(), FakeWindow().Snapshot());
}

TEST(ChannelPlan, LoadSelectsOnlyWhatTheListsHold) {
  TempFolder folder;
  WriteBytes(folder / "odd.ini",
             "[General]\nOtherSettings=1\n"
             "[Ch1]\nFreqRX=9\nFreqTX=8\nCTCSSRX=39\nCTCSSTX=38\nShift=2\nLockout=yes\n"
             "[Ch2]\nFreqRX=100\nFreqTX=-1\nCTCSSRX=-5\nCTCSSTX=0x1F\nShift=0x0\nLockout=$1\n"
             "[Ch3]\nFreqRX=$8\nCTCSSRX=0X10\n"
             "[OtherSettings]\nMonitorKey=7\nSquelchLevel=12\nBeepTones=yes\nBatterySaving=0\n"
             "TOT=10\nTOTRekey=61\nTOTReset=-1\n");
  FakeWindow window;
  FillDistinctPlan(window);
  LoadFromFile(window, folder / "odd.ini", true);
  const std::map<std::string, int> lists = {
      {"cb_A1_freq_rx", 0}, {"cb_A1_freq_tx", 8},   {"cb_A1_ctcss_rx", 0}, {"cb_A1_ctcss_tx", 38},
      {"cb_A2_freq_rx", 0}, {"cb_A2_freq_tx", 0},   {"cb_A2_ctcss_rx", 0}, {"cb_A2_ctcss_tx", 31},
      {"cb_A3_freq_rx", 8}, {"cb_A3_ctcss_rx", 16}, {"cb_A3_freq_tx", 0},  {"cb_monitor", 3},
      {"cb_tot", 10},       {"cb_tot_rekey", 0},    {"cb_tot_reset", 0}};
  for (const auto& [name, index] : lists) {
    EXPECT_EQ(window.ListIndex(name), index) << name;
  }
  const std::map<std::string, bool> checks = {{"cb_A1_shift", true},       {"cb_A1_lockout", false},
                                              {"cb_A2_shift", false},      {"cb_A2_lockout", true},
                                              {"cb_A3_shift", false},      {"cb_beeptones", true},
                                              {"cb_batterysaving", false}, {"cb_selfprog", true}};
  for (const auto& [name, checked] : checks) {
    EXPECT_EQ(window.IsChecked(name), checked) << name;
  }
  EXPECT_EQ(window.SliderPosition("squelch_level"), 10);
}

TEST(ChannelPlan, NormalFileIsRefusedInAdvancedModeAndAModelessOneIsNot) {
  TempFolder folder;
  FakeWindow normal;
  SaveToFile(normal, folder / "normal.ini", true);
  FakeWindow window;
  window.EnterAdvancedMode();
  FillDistinctPlan(window);
  const auto before = window.Snapshot();
  LoadFromFile(window, folder / "normal.ini", true);
  EXPECT_EQ(window.errors, std::vector<std::string>{kNormalFileRefused});
  EXPECT_EQ(window.Snapshot(), before);
  EXPECT_EQ(window.enabledCalls, kDisabledThenEnabled);

  WriteBytes(folder / "modeless.ini", "[Ch1]\r\nFreqRX=446006250\r\n");
  LoadFromFile(window, folder / "modeless.ini", false);
  EXPECT_EQ(window.errors.size(), 1u);
  EXPECT_EQ(window.EditText("edit_A1_freq_rx"), "446006250");
  EXPECT_EQ(window.EditText("edit_A2_freq_rx"), "");
}

TEST(ChannelPlan, FilesThatCannotBeUsedChangeNothing) {
  TempFolder folder;
  const std::string readOnly = folder / "read-only.ini";
  WriteBytes(readOnly, "[General]\r\n");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  FakeWindow window;
  FillDistinctPlan(window);
  EXPECT_THROW(
      try { SaveToFile(window, readOnly, true); } catch (const IniWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + readOnly);
        throw;
      },
      IniWriteError);
  EXPECT_EQ(ReadBytes(readOnly), "[General]\r\n");

  const auto before = window.Snapshot();
  for (const std::string& path : {folder.Path().string(), folder / "missing.ini"}) {
    window.errors.clear();
    LoadFromFile(window, path, true);
    EXPECT_EQ(window.errors, std::vector<std::string>{"Unable to read " + path + "."});
    EXPECT_EQ(window.Snapshot(), before);
  }
}

TEST(ChannelPlan, BadFilesNeverHarmTheWindow) {
  TempFolder folder;
  const std::string path = folder / "bad.ini";
  FakeWindow window;
  FillDistinctPlan(window);
  const auto settings = Part(window, false);
  WriteBytes(path, "[Ch1]\nFreqRX=5\0junk\n\0\0\n[Ch2\nFreqRX=4\n[ch1]\nFreqTX=4\n"s +
                       "[Ch3]\nno equals\n=7\nFreqRX=2\nFreqRX=3\nFreqTX " +
                       std::string(1 << 20, '7') + "\n");
  LoadFromFile(window, path, true);
  EXPECT_EQ(window.ListIndex("cb_A1_freq_rx"), 5);
  EXPECT_EQ(window.ListIndex("cb_A1_freq_tx"), 0);
  EXPECT_EQ(window.ListIndex("cb_A2_freq_rx"), 0);
  EXPECT_EQ(window.ListIndex("cb_A3_freq_rx"), 2);
  EXPECT_EQ(Part(window, false), settings);

  // Random bytes and random INI-like text: every list keeps a selection.
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
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) {
      bytes += round % 2 ? tokens[random() % tokens.size()] : std::string(1, char(random()));
    }
    FakeWindow fresh;
    WriteBytes(path, bytes);
    LoadFromFile(fresh, path, round % 4 < 2);
    EXPECT_TRUE(fresh.enabledCalls.back());
    for (const auto& [name, value] : fresh.Snapshot()) {
      ASSERT_NE(value, "-1") << name << " in round " << round;
    }
  }
  // A value from the file is shown whole up to the reader's limit.
  FakeWindow advanced;
  WriteBytes(path, "[General]\nAdvancedMode=1\n[Ch4]\nFreqTX=" + std::string(1 << 20, '4'));
  LoadFromFile(advanced, path, false);
  EXPECT_EQ(advanced.EditText("edit_A4_freq_tx"), std::string(kMaxIniValueLength, '4'));
}
