// What a desktop user expects of the window around the plan: a close that does not drop
// unsaved edits unasked, a comparison with the radio that names each difference in words,
// a file dialog that shows every kind of plan at once, and a log pane that grows.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "radio/codecs.h"
#include "radio/memory_map.h"
#include "radio/tables.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_harness.h"
#include "ui/mainform_design.h"
#include "ui/settings_page.h"
#include "ui/translations.h"

namespace {

class DesktopEditing : public testing::Test {
 protected:
  void SetUp() override {
    harness.ChoosePort(line.PortName());
    harness.window.show();
  }

  void Trigger(const char* command) {
    FindControl<QAction>(&harness.window, std::string(command))->trigger();
  }
  // A list choice made with the keyboard, as the user makes it.
  void Edit() {
    auto* list = FindControl<QComboBox>(&harness.window, std::string(kMonitorKeyList));
    list->setCurrentIndex(1);
    emit list->activated(1);
  }

  RadioSimulator radio;
  SimulatedLine line{radio};
  WindowHarness harness{line};
};

TEST_F(DesktopEditing, ClosingWithUnsavedEditsAsksAndNoKeepsTheWindow) {
  const QString question =
      "The window holds edits that were neither saved nor written to the radio. Close without "
      "saving them?";
  // Nothing edited: it closes without a word.
  EXPECT_TRUE(harness.window.close());
  EXPECT_TRUE(harness.dialogs->asked.isEmpty());
  harness.window.show();

  Edit();
  harness.dialogs->answerYes = false;
  EXPECT_FALSE(harness.window.close());
  EXPECT_EQ(harness.dialogs->asked, QStringList{question});
  EXPECT_TRUE(harness.window.isVisible());

  // A read that is done replaces the edits; so does a write that is done.
  harness.Read();
  harness.dialogs->asked.clear();
  EXPECT_TRUE(harness.window.close());
  EXPECT_TRUE(harness.dialogs->asked.isEmpty());
  harness.window.show();
  Edit();
  harness.dialogs->answerYes = true;
  harness.Write();
  harness.dialogs->asked.clear();
  EXPECT_TRUE(harness.window.close());
  EXPECT_TRUE(harness.dialogs->asked.isEmpty());
}

// The radio differs from the window's plan in one channel's RX tone and in the squelch
// level: exactly those two, in words, in English and in German; nothing is written.
TEST_F(DesktopEditing, ACompareNamesEachDifferenceInWords) {
  harness.Read();
  harness.Write();
  const int squelch = harness.window.Settings().squelchLevel;
  radio.WriteMemory(ChannelRecordAddress(0, 3) + kRecordHalfSize, ToneCodeForIndex(2));
  radio.WriteMemory(kSettingsAddress + TraitsOf(Setting::SquelchLevel).offset,
                    ByteString{static_cast<std::uint8_t>(squelch == 3 ? 4 : 3)});
  const std::string held = squelch == 3 ? "4" : "3";
  const ByteString before = radio.Memory();
  const auto differences = [this] {
    std::vector<std::string> lines;
    for (const std::string& line : harness.Log()) {
      if (line.starts_with("[!]")) {
        lines.push_back(line);
      }
    }
    return lines;
  };

  Trigger("Compareradiowithplan1");
  EXPECT_EQ(differences(), (std::vector<std::string>{
                               "[!] Channel 3: RX tone: the radio holds 71.9 Hz, the plan None.",
                               "[!] Squelch level: the radio holds " + held + ", the plan " +
                                   std::to_string(squelch) + "."}));
  EXPECT_EQ(radio.Memory(), before);

  const Translations german{QLocale(QStringLiteral("de_DE"))};
  Trigger("Compareradiowithplan1");
  EXPECT_EQ(differences(),
            (std::vector<std::string>{"[!] Kanal 3: RX-Ton: im Funkgerät 71.9 Hz, im Plan Kein.",
                                      "[!] Rauschsperre: im Funkgerät " + held + ", im Plan " +
                                          std::to_string(squelch) + "."}));
}

TEST_F(DesktopEditing, TheOpenDialogShowsEveryPlanFirstAndTheLogPaneGrows) {
  EXPECT_EQ(FindControl<QFileDialog>(&harness.window, std::string("opendialog"))->nameFilters(),
            (QStringList{"All plan files (*.ini *.csv)", "Configuration files (*.ini)",
                         "CHIRP CSV files (*.csv)"}));
  auto* log = FindControl<QPlainTextEdit>(&harness.window, std::string("debug"));
  harness.window.resize(kDesignedClientSize);
  QCoreApplication::processEvents();
  EXPECT_EQ(log->geometry(), kDesignedLogPane);
  harness.window.resize(kDesignedClientSize + QSize(200, 150));
  QCoreApplication::processEvents();
  EXPECT_EQ(log->geometry(), kDesignedLogPane.adjusted(0, 0, 200, 150));
}

}  // namespace

namespace {

class RowCommands : public DesktopEditing {
 protected:
  void Command(int channel, const char* name) {
    QMenu* menu = harness.window.RowMenu(channel);
    menu->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    delete menu;
  }
  ChannelRow Sample() const {
    ChannelRow row;
    row.rxChannelIndex = 3;
    row.txChannelIndex = 3;
    row.rxToneIndex = 2;
    row.txToneIndex = 30;
    row.shift = true;
    return row;
  }
  std::string LastLog() const { return harness.Log().back(); }
};

TEST_F(RowCommands, ARowIsCopiedPastedClearedAndMoved) {
  harness.window.ShowChannel(1, Sample());
  Command(1, "RowCopy");
  const QString line = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(line.startsWith("1,")) << line.toStdString();
  EXPECT_FALSE(line.contains('\n'));
  Command(5, "RowPaste");
  EXPECT_EQ(harness.window.Channel(5), Sample());

  // Another program's line for another location goes to the row it is pasted into.
  QGuiApplication::clipboard()->setText(QString(line).replace(0, 1, "9"));
  Command(7, "RowPaste");
  EXPECT_EQ(harness.window.Channel(7), Sample());

  Command(5, "RowClear");
  EXPECT_EQ(harness.window.Channel(5), ChannelRow{});
  Command(1, "RowMoveDown");
  EXPECT_EQ(harness.window.Channel(2), Sample());
  EXPECT_NE(harness.window.Channel(1), Sample());
  Command(2, "RowMoveUp");
  EXPECT_EQ(harness.window.Channel(1), Sample());
  QMenu* first = harness.window.RowMenu(1);
  EXPECT_FALSE(first->findChild<QAction*>("RowMoveUp")->isEnabled());
  delete first;

  // The keys act on the row that has the focus.
  FindControl<QWidget>(&harness.window, std::string("cb_A1_shift"))->setFocus();
  FindControl<QAction>(&harness.window, std::string("RowCopyKey"))->trigger();
  FindControl<QWidget>(&harness.window, std::string("cb_A9_lockout"))->setFocus();
  FindControl<QAction>(&harness.window, std::string("RowPasteKey"))->trigger();
  EXPECT_EQ(harness.window.Channel(9), Sample());
}

TEST_F(RowCommands, BadTextAndFrequenciesNormalModeCannotShowAreRefusedWithALine) {
  harness.window.ShowChannel(4, Sample());
  for (const QString& text :
       {QString(), QString("hello"), QString("1,2\n3,4"), QString("Location,Name,Frequency")}) {
    QGuiApplication::clipboard()->setText(text);
    Command(4, "RowPaste");
    EXPECT_EQ(LastLog(),
              "The clipboard holds no channel line in CHIRP's CSV layout; nothing was pasted.")
        << text.toStdString();
    EXPECT_EQ(harness.window.Channel(4), Sample());
  }
  Command(4, "RowCopy");
  QGuiApplication::clipboard()->setText(
      QGuiApplication::clipboard()->text().replace("446.03125", "145.50000"));
  Command(4, "RowClear");
  Command(4, "RowPaste");
  EXPECT_EQ(LastLog(),
            "The pasted channel's frequency is no PMR446 channel; advanced mode takes it. Nothing "
            "was pasted.");
  EXPECT_EQ(harness.window.Channel(4), ChannelRow{});
  harness.window.EnterAdvancedMode();
  Command(4, "RowPaste");
  EXPECT_EQ(harness.window.Channel(4).rxHzText, "145500000");
}

}  // namespace

namespace {

class PlanHistory : public RowCommands {
 protected:
  void Undo() { Trigger("Undo1"); }
  void Redo() { Trigger("Redo1"); }
  int Monitor() const { return harness.window.Settings().monitorKey; }
  // A list choice of the user's, as a step of its own once its control has taken it.
  void ChooseMonitor(int index) {
    auto* list = FindControl<QComboBox>(&harness.window, std::string(kMonitorKeyList));
    list->setCurrentIndex(index);
    emit list->activated(index);
    QCoreApplication::processEvents();
  }
};

TEST_F(PlanHistory, EditsReadsLoadsAndRowCommandsAreUndoneAndRedoneAsOneStepEach) {
  EXPECT_FALSE(FindControl<QAction>(&harness.window, std::string("Undo1"))->isEnabled());
  const int startMonitor = Monitor();
  ChooseMonitor(startMonitor == 2 ? 1 : 2);
  Undo();
  EXPECT_EQ(Monitor(), startMonitor);
  Redo();
  EXPECT_NE(Monitor(), startMonitor);

  // A read over an afternoon's edits, then a load over the read.
  harness.window.ShowChannel(5, Sample());
  Command(5, "RowCopy");
  harness.Read();
  const ChannelRow read5 = harness.window.Channel(5);
  ASSERT_NE(read5, Sample());
  Undo();
  EXPECT_EQ(harness.window.Channel(5), Sample());
  EXPECT_NE(Monitor(), startMonitor);
  Redo();
  EXPECT_EQ(harness.window.Channel(5), read5);

  const std::string file = (harness.dataHome.Path() / "plan.ini").string();
  harness.window.SaveToFile(file, true);
  Command(5, "RowClear");
  Command(3, "RowMoveDown");
  harness.window.LoadFromFile(file, true);
  EXPECT_EQ(harness.window.Channel(5), read5);
  Undo();  // the load
  EXPECT_EQ(harness.window.Channel(5), ChannelRow{});
  Undo();  // the move
  Undo();  // the clear
  EXPECT_EQ(harness.window.Channel(5), read5);
}

TEST_F(PlanHistory, FiftyStepsGoBackAndAdvancedModeIsNeverLeft) {
  for (int step = 0; step < 60; ++step) {
    ChooseMonitor(step % 4);
  }
  for (int step = 59; step > 9; --step) {
    EXPECT_EQ(Monitor(), step % 4) << step;
    Undo();
  }
  EXPECT_EQ(Monitor(), 9 % 4);

  harness.window.ShowChannel(2, Sample());
  harness.window.RecordStep();
  Command(2, "RowClear");
  harness.window.EnterAdvancedMode();
  Undo();
  EXPECT_TRUE(harness.window.AdvancedMode());
  EXPECT_EQ(harness.window.Channel(2).rxHzText, PmrChannelHzText(Sample().rxChannelIndex));
  EXPECT_EQ(harness.window.Channel(2).rxToneIndex, Sample().rxToneIndex);

  // Nothing is undone while a transfer holds the window.
  harness.window.SetTransferRunning(true);
  EXPECT_FALSE(FindControl<QAction>(&harness.window, std::string("Undo1"))->isEnabled());
  harness.window.SetTransferRunning(false);
  EXPECT_TRUE(FindControl<QAction>(&harness.window, std::string("Undo1"))->isEnabled());
}

}  // namespace
