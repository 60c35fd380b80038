// The window as a front end of the transfers: it hands a write the plan its controls hold,
// shows what a read gives back as it arrives, and says how each transfer ended.
#include <QCoreApplication>

#include <QFile>
#include <QFileDialog>

#include "files/backup_file.h"
#include "radio/hz_text.h"
#include "radio/log_texts.h"
#include "radio/transfers.h"
#include "ui/responsive_backups.h"
#include "ui/shown_text.h"
#include "ui/unit_mainform.h"

namespace {

// Looked up when needed: the translations are installed after static objects are made.
QString WriteStartupPlanQuestion() {
  return QCoreApplication::translate(
      "Vexalon",
      "Nothing has been read from the radio, loaded from a file or edited since the program "
      "started. Writing now replaces all 15 channels in the radio with empty channels and its "
      "settings with the ones shown.\r\n\r\nWrite anyway?");
}

class WindowObserver : public TransferObserver {
 public:
  explicit WindowObserver(Tmainform& window) : window_(window) {}

  void ChannelBegins(int channel) override { window_.SetChannelLabelRed(channel, true); }
  void ChannelEnds(int channel) override { window_.SetChannelLabelRed(channel, false); }
  void ChannelRead(int channel, const ChannelRow& row) override {
    window_.ShowChannel(channel, row);
    window_.MarkChannelUnread(channel, false);
    if (!window_.AdvancedMode()) {
      if (const auto hidden = HiddenFrequencyLine(channel, row)) {
        window_.AppendLog(*hidden);
      }
    }
  }
  void Logged(const LogLine& line) override { window_.AppendLog(line); }
  bool WriteWithoutBackup(const LogLine& why) override {
    return window_.AskWarning(WriteWithoutBackupQuestion(why));
  }
  void Waiting() override { QCoreApplication::processEvents(); }

 private:
  Tmainform& window_;
};

}  // namespace

void Tmainform::cmdReadRadioClick() {
  const std::string port = SelectedPortName();
  if (port.empty()) {
    return;
  }
  BeginTransfer();
  WindowObserver observer(*this);
  const ReadOutcome outcome = ReadRadio(serial, port, observer);
  RememberHiddenFrequencies(outcome);
  for (const int channel : outcome.unreadChannels) {
    MarkChannelUnread(channel, true);
  }
  if (outcome.settings) {
    ShowSettings(*outcome.settings);
  }
  for (const LogLine& line : OutcomeLines(outcome)) {
    AppendLog(line);
  }
  EndTransfer();
}

void Tmainform::cmdWriteClick() {
  const std::string port = SelectedPortName();
  if (port.empty()) {
    return;
  }
  // The plan is taken once: the editing controls stay disabled until the write ends.
  const ChannelPlan plan = Plan(true);
  if (const auto unwritable = UnwritableHzTexts(plan); !unwritable.empty()) {
    ClearLog();
    for (const UnwritableHzText& box : unwritable) {
      AppendLog(UnwritableHzTextLine(box));
    }
    FocusHzBox(unwritable.front().channel, unwritable.front().direction);
    return;
  }
  if (holdsStartupPlan && !dialogs->AskWarningYesNo(this, WriteStartupPlanQuestion())) {
    return;
  }
  if (const auto question = HiddenFrequenciesQuestion(HiddenRows());
      question && !AskWarning(*question)) {
    return;
  }
  BeginTransfer();
  WindowObserver observer(*this);
  ResponsiveBackups backups;
  const WriteOutcome outcome = WriteRadio(serial, port, plan, observer, backups);
  // The radio now holds what the window shows.
  if (outcome.end == TransferEnd::Done) {
    hiddenRows = {};
  }
  for (const LogLine& line : OutcomeLines(outcome)) {
    AppendLog(line);
  }
  EndTransfer();
}

void Tmainform::Restoreradiofrombackup1Click() {
  const std::string port = SelectedPortName();
  if (port.empty()) {
    AppendLog(QCoreApplication::translate(
        "Vexalon", "Choose the serial port of the radio first, then its backup."));
    return;
  }
  auto* dialog = Find<QFileDialog>("backupdialog");
  dialog->setDirectory(QFile::decodeName(DefaultBackupFolder().c_str()));
  const QString file = dialogs->ChooseFile(*dialog);
  if (file.isEmpty()) {
    return;
  }
  const BackupFileRead read = LoadBackupFile(QFile::encodeName(file).toStdString());
  if (!read.backup) {
    dialogs->ShowError(this, Shown(*read.failure));
    return;
  }
  if (!dialogs->AskWarningYesNo(
          this, QCoreApplication::translate(
                    "Vexalon",
                    "Restore the radio from the backup of an HT-446%1 taken on %2?\r\n\r\n"
                    "This replaces every channel and the settings in the radio with the "
                    "ones in the backup. A backup of what the radio holds now is taken "
                    "first. The window stays as it is.")
                    .arg(QString::fromStdString(read.backup->variant),
                         QString::fromStdString(BackupTimeText(read.backup->taken))))) {
    return;
  }
  BeginTransfer();
  WindowObserver observer(*this);
  ResponsiveBackups backups;
  const WriteOutcome outcome = RestoreRadio(serial, port, *read.backup, observer, backups);
  for (const LogLine& line : OutcomeLines(outcome)) {
    AppendLog(line);
  }
  EndTransfer();
}

bool Tmainform::AskWarning(const LogLine& question) {
  return dialogs->AskWarningYesNo(this, Shown(question));
}

void Tmainform::BeginTransfer() {
  SetTransferRunning(true);
  SetControlsEnabled(false);
  ClearLog();
}

void Tmainform::EndTransfer() {
  SetControlsEnabled(true);
  SetTransferRunning(false);
  if (closeWhenTransferEnds) {
    close();
  }
}
