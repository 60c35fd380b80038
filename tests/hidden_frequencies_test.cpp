// A radio whose channels hold frequencies normal mode cannot show: the window reads it as
// before, and a write asks before it clears them, with No as the answer to a hurried Enter.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QTest>

#include "radio/memory_map.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"
#include "ui/control_lookup.h"

namespace {

const QString kQuestionFor4And5 = QStringLiteral(
    "Channels 4 and 5 hold frequencies in the radio that normal mode could not show, so the "
    "window shows them as not in use. Writing now clears them in the radio.\r\n\r\nTo keep "
    "them, answer No, turn on advanced mode (Other settings and info) and read the radio "
    "again.\r\n\r\nWrite anyway?");
const QString kQuestionFor5 = QStringLiteral(
    "Channel 5 holds a frequency in the radio that normal mode could not show, so the window "
    "shows it as not in use. Writing now clears it in the radio.\r\n\r\nTo keep it, answer No, "
    "turn on advanced mode (Other settings and info) and read the radio again.\r\n\r\nWrite "
    "anyway?");

class HiddenFrequencies : public testing::Test {
 protected:
  void SetUp() override {
    ChannelPlan held{.advancedMode = true, .settings = kDefaultSettings};
    for (int n = 1; n <= kChannelCount; ++n) {
      held.channels[n - 1] = {.rxHzText = "446006250", .txHzText = "446006250"};
    }
    held.channels[3] = {.rxHzText = "439000000", .txHzText = "431400000"};
    held.channels[4] = {.rxHzText = "162550000", .txHzText = "162550000"};
    heldBlocks = PlanBlocks(held);
    Hold();
    harness.ChoosePort(line.PortName());
    harness.Read();
    ASSERT_EQ(harness.Log().back(), "Done!");
    held4 = radio.ReadMemory(ChannelRecordAddress(0, 4), 32);
  }
  void Hold() {
    for (const MemoryBlock& block : heldBlocks) {
      radio.WriteMemory(block.address, block.data);
    }
  }
  // The questions asked since the last look.
  QStringList Asked() {
    QStringList asked = harness.dialogs->asked;
    harness.dialogs->asked.clear();
    return asked;
  }
  bool Kept() const { return radio.ReadMemory(ChannelRecordAddress(0, 4), 32) == held4; }
  void ChooseNextFrequency(int channel) {
    auto* list =
        FindControl<QComboBox>(&harness.window, "cb_A" + std::to_string(channel) + "_freq_rx");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
  }

  RadioSimulator radio;
  SimulatedLine line{radio};
  WindowHarness harness{line};
  MemoryBlocks heldBlocks;
  ByteString held4;
};

TEST_F(HiddenFrequencies, AWriteAsksFirstAndItsDefaultKeepsThem) {
  harness.dialogs->answerYes = false;
  const auto log = harness.Log();
  harness.Write();
  EXPECT_EQ(Asked(), QStringList{kQuestionFor4And5});
  EXPECT_EQ(harness.Log(), log);
  EXPECT_TRUE(Kept());

  // Asked again, and a Yes writes what the window shows; the radio then holds just that.
  harness.dialogs->answerYes = true;
  harness.Write();
  EXPECT_EQ(Asked(), QStringList{kQuestionFor4And5});
  EXPECT_EQ(harness.Log().back(), "Done!");
  EXPECT_FALSE(Kept());
  harness.Write();
  EXPECT_TRUE(Asked().isEmpty());
}

// Undo gives back what the window remembered with the plan: the row's frequency is the
// radio's again, and so is the question.
TEST_F(HiddenFrequencies, AnUndoneChoiceIsAskedForAgain) {
  harness.dialogs->answerYes = false;
  ChooseNextFrequency(4);
  QCoreApplication::processEvents();
  FindControl<QAction>(&harness.window, std::string("Undo1"))->trigger();
  harness.Write();
  EXPECT_EQ(Asked(), QStringList{kQuestionFor4And5});
  FindControl<QAction>(&harness.window, std::string("Redo1"))->trigger();
  harness.Write();
  EXPECT_EQ(Asked(), QStringList{kQuestionFor5});
}

TEST_F(HiddenFrequencies, ARowTheUserGivesAFrequencyIsNoLongerAskedFor) {
  harness.dialogs->answerYes = false;
  ChooseNextFrequency(4);
  harness.Write();
  EXPECT_EQ(Asked(), QStringList{kQuestionFor5});

  // A read in advanced mode shows every frequency, so nothing is left to ask for.
  harness.window.EnterAdvancedMode();
  harness.Read();
  harness.Write();
  EXPECT_TRUE(Asked().isEmpty());
  EXPECT_EQ(harness.Log().back(), "Done!");
  EXPECT_TRUE(Kept());
}

TEST_F(HiddenFrequencies, ALoadedPlanReplacesWhatTheReadShowed) {
  TempFolder folder;
  const std::string plan = folder / "plan.ini";
  WriteBytes(plan, "[Ch1]\r\nFreqRX=1\r\n");
  harness.dialogs->fileToChoose = QString::fromStdString(plan);
  FindControl<QAction>(&harness.window, std::string("Loadfrequenciesfromfile1"))->trigger();
  Asked();
  harness.dialogs->answerYes = false;
  harness.Write();
  EXPECT_TRUE(Asked().isEmpty());
  EXPECT_EQ(harness.Log().back(), "Done!");

  // A read that cannot reach the radio leaves the rows, and so what they hide, as they were.
  Hold();
  harness.Read();
  radio.SetSilent(true);
  harness.Read();
  radio.SetSilent(false);
  harness.Write();
  EXPECT_EQ(Asked(), QStringList{kQuestionFor4And5});
}

}  // namespace
