// The transfers as the user meets them in the real window offscreen, its link on a line to
// the simulated radio in simulated time: the shared cases, and what only the window does
// around a transfer.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

#include <filesystem>

#include "files/backup_file.h"
#include "radio/progress_lines.h"
#include "radio/verdict_lines.h"
#include "tests/support/control_values.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"
#include "tests/transfer_cases.h"
#include "ui/shown_text.h"
#include "ui/translations.h"

namespace transfer_cases {
INSTANTIATE_TYPED_TEST_SUITE_P(Window, Transfers, WindowHarness);
}  // namespace transfer_cases

namespace {

// What only the real window does around a transfer: asking before the start-up plan goes
// over the radio, and holding a close request until the transfer ends.
class WindowTransfers : public testing::Test {
 protected:
  void SetUp() override { harness.ChoosePort(line.PortName()); }
  std::size_t Questions() const { return harness.dialogs->asked.count(kStartupQuestion); }

  const QString kStartupQuestion = QStringLiteral(
      "Nothing has been read from the radio, loaded from a file or edited since the program "
      "started. Writing now replaces all 15 channels in the radio with empty channels and its "
      "settings with the ones shown.\r\n\r\nWrite anyway?");
  RadioSimulator radio;
  SimulatedLine line{radio};
  WindowHarness harness{line};
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
  WindowHarness edited(line);
  edited.dialogs->answerYes = false;
  edited.ChoosePort(line.PortName());
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
  // The user closes the window once a tenth of the write has gone out. The window handles its
  // events every 5 ms of the write, and the timer's turn comes with each.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [this, &closer] {
    if (radio.CommandLog().size() >= 10) {
      closer.stop();
      harness.window.close();
    }
  });
  closer.start(0);
  harness.Write();
  const auto log = harness.Log();
  const auto closing =
      std::find(log.begin(), log.end(), "Closing when the transfer has finished...");
  ASSERT_NE(closing, log.end());
  EXPECT_LT(closing - log.begin(), static_cast<long>(log.size()) - 1);
  EXPECT_EQ(log.back(), "Done!");
  EXPECT_EQ(radio.CommandLog().size(), 2u + 70 + 69 + 70);
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
    chooser.start(0);
    write ? harness.Write() : harness.Read();
    chooser.stop();
    ASSERT_FALSE(enabledDuring.empty()) << write;
    EXPECT_EQ(std::count(enabledDuring.begin(), enabledDuring.end(), true), 0) << write;
    EXPECT_TRUE(harness.dialogs->asked.isEmpty()) << write;
    EXPECT_EQ(harness.Log().back(), "Done!") << write;
    // Undo and Redo follow the history as well: after a read there is nothing to redo.
    for (QAction* command : menu->actions()) {
      EXPECT_TRUE(command->isEnabled() || command->objectName() == "Redo1") << write;
    }
  }
}

// The backups a window keeps in its folder, oldest first.
std::vector<std::string> BackupFiles(const WindowHarness& harness) {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(harness.BackupFolderPath(), error)) {
    files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The safety net as the user meets it: every write keeps what the radio held in the user's
// backups folder, and restoring from there gives it back.
class WindowSafetyNet : public WindowTransfers {
 protected:
  std::vector<std::string> BackupFiles() const { return ::BackupFiles(harness); }
  void Restore(const std::string& file) {
    harness.dialogs->fileToChoose = QString::fromStdString(file);
    FindControl<QAction>(&harness.window, std::string("Restoreradiofrombackup1"))->trigger();
  }
  std::size_t Writes() const {
    const auto log = radio.CommandLog();
    return std::count_if(log.begin(), log.end(), [](const auto& c) { return c[0] == 0x57; });
  }
};

TEST_F(WindowSafetyNet, AWriteKeepsWhatTheRadioHeldAndARestoreGivesItBack) {
  radio.WriteMemory(0x0000, ByteString(0x200, 0x5A));
  radio.WriteMemory(0x02B0, ByteString(16, 0x33));
  radio.SetVariant(RadioVariant::E2);
  const ByteString before = radio.Memory();
  harness.Write();
  ASSERT_EQ(harness.Log().back(), "Done!");
  ASSERT_EQ(BackupFiles().size(), 1u);
  const std::string kept = BackupFiles()[0];
  EXPECT_TRUE(kept.ends_with(" E2.vxbackup")) << kept;
  const auto log = harness.Log();
  EXPECT_NE(std::find(log.begin(), log.end(), "What the radio held is kept in " + kept + "."),
            log.end());
  const BackupFileRead read = LoadBackupFile(kept);
  ASSERT_TRUE(read.backup);
  for (const MemoryBlock& block : read.backup->blocks) {
    EXPECT_EQ(block.data, ByteString(before.begin() + block.address,
                                     before.begin() + block.address + block.data.size()));
  }

  const auto shown = ControlValues(harness.window);
  harness.dialogs->asked.clear();
  Restore(kept);
  ASSERT_EQ(harness.dialogs->asked.size(), 2);
  EXPECT_TRUE(harness.dialogs->asked[1].startsWith(
      "Restore the radio from the backup of an HT-446E2 taken on " +
      QString::fromStdString(BackupTimeText(read.backup->taken)) + "?"));
  EXPECT_EQ(harness.Log().back(), "Done!");
  EXPECT_EQ(radio.Memory(), before);
  EXPECT_EQ(ControlValues(harness.window), shown);
  // The restore kept what it replaced, so it can be undone in turn.
  EXPECT_EQ(BackupFiles().size(), 2u);
}

// Both radios acknowledge what they were sent; only reading back shows the write failed.
TEST_F(WindowSafetyNet, ABlockStoredWrongOrWritesRefusedAboveBank0EndInAFailureLine) {
  radio.SetWriteStoredAs(0x02B8, ByteString(8, 0x44));
  harness.Write();
  EXPECT_EQ(harness.Log().back(),
            "Finished with errors: 1 block read back different from what was written. What the "
            "radio held before is in " +
                BackupFiles().back() + "; restore it or write again.");

  radio.ClearFaults();
  radio.WriteMemory(0x0100, ByteString(0x100, 0x77));
  radio.SetWritesRefusedFrom(0x0100);
  harness.Write();
  const auto log = harness.Log();
  EXPECT_TRUE(log.back().starts_with("Finished with errors: ")) << log.back();
  EXPECT_TRUE(log.back().find("blocks read back different") != std::string::npos) << log.back();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Done!"), 0);
}

TEST_F(WindowSafetyNet, ADamagedForeignOrOtherVariantBackupIsRefusedWithNothingWritten) {
  harness.Write();
  ASSERT_EQ(harness.Log().back(), "Done!");
  const std::string kept = BackupFiles().at(0);
  const std::string text = ReadBytes(kept);
  TempFolder folder;
  const std::string damaged = folder / "damaged.vxbackup";
  std::string flipped = text;
  flipped[flipped.find("\n0010: ") + 7] ^= 1;
  WriteBytes(damaged, flipped);
  const std::string truncated = folder / "truncated.vxbackup";
  WriteBytes(truncated, text.substr(0, text.size() - 40));
  const std::string foreign = folder / "plan.ini";
  WriteBytes(foreign, "[General]\r\nAdvancedMode=0\r\n");
  const ByteString before = radio.Memory();
  for (const std::string& file : {damaged, truncated, foreign}) {
    radio.ClearCommandLog();
    harness.dialogs->asked.clear();
    Restore(file);
    EXPECT_TRUE(radio.CommandLog().empty()) << file;
    ASSERT_EQ(harness.dialogs->asked.size(), 2) << file;
    EXPECT_TRUE(harness.dialogs->asked[1].startsWith(QString::fromStdString(file))) << file;
  }
  RadioBackup other = *LoadBackupFile(kept).backup;
  other.variant = "T";
  const std::string otherVariant = folder / "other.vxbackup";
  WriteBytes(otherVariant, BackupFileText(other));
  radio.ClearCommandLog();
  Restore(otherVariant);
  EXPECT_EQ(harness.Log().back(),
            "This backup is of an HT-446T, but the radio on the port is an HT-446E. Nothing was "
            "written.");
  EXPECT_EQ(Writes(), 0u);
  // No answered No either.
  harness.dialogs->answerYes = false;
  radio.ClearCommandLog();
  Restore(kept);
  EXPECT_TRUE(radio.CommandLog().empty());
  EXPECT_EQ(radio.Memory(), before);
}

TEST_F(WindowSafetyNet, WithoutAWholeBackupTheUserIsAskedAndNoMeansNothingIsWritten) {
  harness.Read();
  // Two records of bank 1, not the whole of it: a fault, not what this radio lets be read.
  radio.SetReadsFailing(std::pair<std::uint16_t, std::uint16_t>{0x0110, 0x0120});
  radio.ClearCommandLog();
  harness.dialogs->answerYes = false;
  harness.Write();
  const QString question =
      "The radio's blocks at 0x0110 and 0x0120 could not be read, so no backup was kept.\r\n\r\n"
      "Without a backup, what the radio holds now cannot be put back. Write anyway?";
  EXPECT_EQ(harness.dialogs->asked, QStringList{question});
  EXPECT_EQ(Writes(), 0u);
  EXPECT_EQ(harness.Log().back(), "Nothing was written; the radio keeps what it held.");
  EXPECT_TRUE(BackupFiles().empty());

  harness.dialogs->answerYes = true;
  harness.Write();
  EXPECT_EQ(Writes(), 69u);
  EXPECT_TRUE(BackupFiles().empty());
}

// A radio that does not let bank 1 and the tone tables be read, silently or with a 15, is
// written without a question and ends "Done!" after the line that names what it keeps back.
TEST_F(WindowSafetyNet, ARadioThatLetsOnlyBank0AndTheSettingsBeReadIsWrittenWithoutAQuestion) {
  harness.Read();
  for (const bool silent : {false, true}) {
    radio.ClearFaults();
    const std::pair<std::uint16_t, std::uint16_t> bank1AndTables{0x0100, 0x02BF};
    silent ? radio.SetReadsUnanswered(bank1AndTables) : radio.SetReadsRefused(bank1AndTables);
    harness.dialogs->asked.clear();
    harness.Write();
    EXPECT_TRUE(harness.dialogs->asked.isEmpty()) << silent;
    const std::vector<std::string> log = harness.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back(), "Done!");
    EXPECT_EQ(log[log.size() - 2],
              "This radio does not let bank 1, the first tone index table and the second tone "
              "index table be read back; it acknowledged every block written there.");
  }
}

// A read and a write in German: the lines the radio library makes come out in German, file
// names and numbers as they are, and a write that went well ends with the German "Done!".
TEST(WindowInGerman, AReadAndAWriteSpeakGerman) {
  const Translations german{QLocale(QStringLiteral("de_DE"))};
  RadioSimulator radio;
  SimulatedLine line(radio);
  WindowHarness harness(line);
  harness.ChoosePort(line.PortName());
  const std::string done = QCoreApplication::translate(kTextContext, "Done!").toStdString();
  ASSERT_NE(done, "Done!");
  harness.Read();
  const auto read = harness.Log();
  EXPECT_EQ(read.front(), Shown(ReadDetectedLine("E")).toStdString());
  EXPECT_NE(read.front(), ReadDetectedLine("E").Text());
  EXPECT_EQ(read.back(), done);
  harness.Write();
  const auto written = harness.Log();
  EXPECT_EQ(written.front(), Shown(WriteDetectedLine("E")).toStdString());
  EXPECT_EQ(written.back(), done);
  const std::string kept = BackupFiles(harness).at(0);
  EXPECT_NE(std::find(written.begin(), written.end(), Shown(BackupKeptLine(kept)).toStdString()),
            written.end());
}

}  // namespace

namespace {

std::vector<std::string> ShownVerdict(int differingBlocks) {
  VerifyOutcome outcome;
  outcome.handshake.kind = HandshakeOutcome::Identified;
  outcome.end = TransferEnd::FinishedWithErrors;
  outcome.verification.done = true;
  outcome.verification.differing.resize(static_cast<std::size_t>(differingBlocks));
  std::vector<std::string> lines;
  for (const LogLine& line : OutcomeLines(outcome)) {
    lines.push_back(Shown(line).toStdString());
  }
  return lines;
}

// A sentence that depends on a number takes the form the language has for it: English and
// German one for one and one for the rest, Polish a third for 5 to 21 (and 22 like 2).
TEST(WindowLanguages, SayEachNumberInItsPluralForm) {
  const auto said = [] {
    return std::vector<std::vector<std::string>>{ShownVerdict(1), ShownVerdict(2), ShownVerdict(5),
                                                 ShownVerdict(22)};
  };
  using Lines = std::vector<std::string>;
  const auto english = said();
  EXPECT_EQ(english[0],
            Lines{"Finished with errors: 1 block differs from what the plan would write."});
  EXPECT_EQ(english[3],
            Lines{"Finished with errors: 22 blocks differ from what the plan would write."});
  {
    const Translations german{QLocale(QStringLiteral("de_DE"))};
    const auto lines = said();
    EXPECT_EQ(lines[0], Lines{"Mit Fehlern beendet: 1 Block weicht von dem ab, was der Kanalplan "
                              "schreiben würde."});
    EXPECT_EQ(lines[1], Lines{"Mit Fehlern beendet: 2 Blöcke weichen von dem ab, was der Kanalplan "
                              "schreiben würde."});
    EXPECT_EQ(lines[2], Lines{"Mit Fehlern beendet: 5 Blöcke weichen von dem ab, was der Kanalplan "
                              "schreiben würde."});
  }
  const Translations polish{QLocale(QStringLiteral("pl_PL"))};
  const auto lines = said();
  EXPECT_EQ(lines[0],
            Lines{"Zakończono z błędami: 1 blok różni się od tego, co zapisałby plan kanałów."});
  EXPECT_EQ(lines[1],
            Lines{"Zakończono z błędami: 2 bloki różnią się od tego, co zapisałby plan kanałów."});
  EXPECT_EQ(lines[2],
            Lines{"Zakończono z błędami: 5 bloków różni się od tego, co zapisałby plan kanałów."});
  EXPECT_EQ(lines[3],
            Lines{"Zakończono z błędami: 22 bloki różnią się od tego, co zapisałby plan kanałów."});
}

}  // namespace
