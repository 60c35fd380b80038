// The transfers as the user meets them in the real window offscreen: the shared cases, and
// what only the window does around a transfer.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QTimer>

#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"
#include "tests/transfer_cases.h"

namespace transfer_cases {
INSTANTIATE_TYPED_TEST_SUITE_P(Window, Transfers, WindowHarness);
}  // namespace transfer_cases

namespace {

// What only the real window does around a transfer: asking before the start-up plan goes
// over the radio, and holding a close request until the transfer ends.
class WindowTransfers : public testing::Test {
 protected:
  void SetUp() override {
    radio.SetPacing(false);
    radio.SetReactionDelayMs(0);
    radio.Start();
    harness.ChoosePort(radio.PortPath());
  }
  std::size_t Questions() const { return harness.dialogs->asked.count(kStartupQuestion); }

  const QString kStartupQuestion = QStringLiteral(
      "Nothing has been read from the radio, loaded from a file or edited since the program "
      "started. Writing now replaces all 15 channels in the radio with empty channels and its "
      "settings with the ones shown.\r\n\r\nWrite anyway?");
  RadioSimulator radio;
  WindowHarness harness;
};

TEST_F(WindowTransfers, WritingTheStartUpPlanAsksFirstAndNoOtherWriteDoes) {
  const ByteString before = radio.Memory();
  const auto startLog = harness.Log();
  harness.dialogs->answerYes = false;
  harness.Write();
  EXPECT_EQ(Questions(), 1u);
  EXPECT_TRUE(radio.CommandLog().empty());
  EXPECT_EQ(radio.Memory(), before);
  EXPECT_EQ(harness.Log(), startLog);

  harness.dialogs->answerYes = true;
  harness.Write();
  EXPECT_EQ(Questions(), 2u);
  EXPECT_EQ(harness.Log().back(), "Done!");

  // After a read, an edit by the user, or a load, the window holds a plan of its own.
  harness.dialogs->answerYes = false;
  harness.Read();
  harness.Write();
  EXPECT_EQ(Questions(), 2u);
  EXPECT_EQ(harness.Log().back(), "Done!");
  WindowHarness edited;
  edited.dialogs->answerYes = false;
  edited.ChoosePort(radio.PortPath());
  FindControl<QCheckBox>(&edited.window, std::string("cb_selfprog"))->click();
  edited.Write();
  EXPECT_TRUE(edited.dialogs->asked.isEmpty());
  EXPECT_EQ(edited.Log().back(), "Done!");
}

TEST_F(WindowTransfers, AnUnreadRowStaysMarkedUntilTheUserEditsItOrAFileIsLoaded) {
  radio.SetReadReplyLength(1);
  harness.Read();
  for (int n = 1; n <= kChannelCount; ++n) {
    ASSERT_TRUE(harness.ChannelMarked(n)) << n;
  }
  // A write leaves the marks: it changes nothing in the window.
  radio.ClearFaults();
  harness.Write();
  EXPECT_TRUE(harness.ChannelMarked(1));
  FindControl<QCheckBox>(&harness.window, std::string("cb_A2_shift"))->click();
  EXPECT_TRUE(harness.ChannelMarked(1));
  EXPECT_FALSE(harness.ChannelMarked(2));

  TempFolder folder;
  const std::string plan = folder / "plan.ini";
  WriteBytes(plan, "[Ch1]\r\nFreqRX=1\r\n");
  harness.dialogs->fileToChoose = QString::fromStdString(plan);
  FindControl<QAction>(&harness.window, std::string("Loadfrequenciesfromfile1"))->trigger();
  for (int n = 1; n <= kChannelCount; ++n) {
    EXPECT_FALSE(harness.ChannelMarked(n)) << n;
  }
}

TEST_F(WindowTransfers, ClosingDuringAWriteWaitsForItsEnd) {
  harness.window.show();
  // The user closes the window once a tenth of the write has gone out.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [this, &closer] {
    if (radio.CommandLog().size() >= 10) {
      closer.stop();
      harness.window.close();
    }
  });
  closer.start(1);
  harness.Write();
  const auto log = harness.Log();
  const auto closing =
      std::find(log.begin(), log.end(), "Closing when the transfer has finished...");
  ASSERT_NE(closing, log.end());
  EXPECT_LT(closing - log.begin(), static_cast<long>(log.size()) - 1);
  EXPECT_EQ(log.back(), "Done!");
  EXPECT_EQ(radio.CommandLog().size(), 71u);
  EXPECT_FALSE(harness.window.isVisible());
  EXPECT_FALSE(harness.PortOpen());
}

// A modal file dialog opened inside an exchange spoiled the reply that came meanwhile and
// stalled a write: no command of the Load / save menu can be chosen while a transfer runs.
TEST_F(WindowTransfers, TheLoadSaveMenuIsDisabledWhileATransferRuns) {
  auto* menu = FindControl<QMenu>(&harness.window, std::string("popup_settingsmenu"));
  TempFolder folder;
  harness.dialogs->fileToChoose = QString::fromStdString(folder / "chosen.ini");
  for (const bool write : {false, true}) {
    radio.ClearCommandLog();
    std::vector<bool> enabledDuring;
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
      if (radio.CommandLog().size() < 6 || !enabledDuring.empty()) {
        return;
      }
      for (QAction* command : menu->actions()) {
        if (!command->isSeparator()) {
          enabledDuring.push_back(command->isEnabled());
          command->trigger();
        }
      }
    });
    chooser.start(1);
    write ? harness.Write() : harness.Read();
    chooser.stop();
    ASSERT_FALSE(enabledDuring.empty()) << write;
    EXPECT_EQ(std::count(enabledDuring.begin(), enabledDuring.end(), true), 0) << write;
    EXPECT_TRUE(harness.dialogs->asked.isEmpty()) << write;
    EXPECT_EQ(harness.Log().back(), "Done!") << write;
    for (QAction* command : menu->actions()) {
      EXPECT_TRUE(command->isEnabled()) << write;
    }
  }
}

}  // namespace
