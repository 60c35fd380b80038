// The window as a front end of the transfers: it hands a write the plan its controls hold,
// shows what a read gives back as it arrives, and says how each transfer ended.
#include <QCoreApplication>

#include <QDateTime>
#include <QFile>
#include <QFileDialog>

#include "files/backup_file.h"
#include "radio/front_end.h"
#include "radio/port_device.h"
#include "radio/probe_lines.h"
#include "radio/verdict_lines.h"
#include "ui/responsive_backups.h"
#include "ui/shown_text.h"
#include "ui/unit_mainform.h"

namespace {

// The window's widgets as the front-end steps see them.
class WindowFrontEnd : public FrontEnd {
 public:
  explicit WindowFrontEnd(Tmainform& window) : window_(window) {}

  bool AdvancedMode() const override { return window_.AdvancedMode(); }
  void ShowChannel(int channel, const ChannelRow& row) override {
    window_.ShowChannel(channel, row);
  }
  void ShowSettings(const RadioSettings& settings) override { window_.ShowSettings(settings); }
  void MarkChannelUnread(int channel, bool unread) override {
    window_.MarkChannelUnread(channel, unread);
  }
  void ClearLog() override { window_.ClearLog(); }
  void Log(const LogLine& line) override { window_.AppendLog(line); }
  bool Ask(const LogLine& question) override { return window_.AskWarning(question); }
  void FocusHzBox(int channel, Direction direction) override {
    window_.FocusHzBox(channel, direction);
  }

 private:
  Tmainform& window_;
};

// The labels of the channel in the dialogue turn red, and the window goes on handling its
// events while the transfer waits on the line.
class WindowObserver : public FrontEndObserver {
 public:
  WindowObserver(Tmainform& window, FrontEnd& front) : FrontEndObserver(front), window_(window) {}

  void ChannelBegins(int channel) override { window_.SetChannelLabelRed(channel, true); }
  void ChannelEnds(int channel) override { window_.SetChannelLabelRed(channel, false); }
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
  RecordStep();
  BeginTransfer();
  KeepTransfer("read", port);
  WindowFrontEnd front(*this);
  WindowObserver observer(*this, front);
  const ReadOutcome outcome = ReadRadio(serial, port, observer);
  EndRead(front, outcome, hiddenRows);
  unsavedEdits = unsavedEdits && outcome.end != TransferEnd::Done;
  RecordStep();
  EndTransfer();
}

void Tmainform::cmdWriteClick() {
  const std::string port = SelectedPortName();
  if (port.empty()) {
    return;
  }
  // The plan is taken once: the editing controls stay disabled until the write ends.
  const ChannelPlan plan = Plan(true);
  WindowFrontEnd front(*this);
  if (!ReadyToWrite(front, plan, holdsStartupPlan, hiddenRows)) {
    return;
  }
  BeginTransfer();
  KeepTransfer("write", port);
  WindowObserver observer(*this, front);
  ResponsiveBackups backups;
  const WriteOutcome outcome = WriteRadio(serial, port, plan, observer, backups);
  EndWrite(front, outcome, hiddenRows);
  unsavedEdits = unsavedEdits && outcome.end != TransferEnd::Done;
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
  KeepTransfer("restore", port);
  WindowFrontEnd front(*this);
  WindowObserver observer(*this, front);
  ResponsiveBackups backups;
  const WriteOutcome outcome = RestoreRadio(serial, port, *read.backup, observer, backups);
  for (const LogLine& line : OutcomeLines(outcome)) {
    AppendLog(line);
  }
  EndTransfer();
}

void Tmainform::Compareradiowithplan1Click() {
  const std::string port = SelectedPortName();
  if (port.empty()) {
    AppendLog(QCoreApplication::translate("Vexalon", "Choose the serial port of the radio first."));
    return;
  }
  const ChannelPlan plan = Plan(true);
  BeginTransfer();
  KeepTransfer("compare", port);
  WindowFrontEnd front(*this);
  WindowObserver observer(*this, front);
  for (const LogLine& line : OutcomeLines(VerifyRadio(serial, port, plan, observer))) {
    AppendLog(line);
  }
  EndTransfer();
}

void Tmainform::mnuTestConnectionClick() {
  const std::string port = SelectedPortName();
  if (port.empty()) {
    return;
  }
  BeginTransfer();
  KeepTransfer("probe", port);
  WindowFrontEnd front(*this);
  WindowObserver observer(*this, front);
  const ProbeOutcome outcome = ProbeRadio(serial, port, observer);
  for (const LogLine& line : ProbeLines(outcome, DescribePortDevice(port))) {
    AppendLog(line);
  }
  // Asked while the test still holds the window, so a close waits for the answer.
  const QString verdict = Shown(ProbeVerdictLine(outcome));
  if (outcome.verdict == ProbeVerdict::ReadyToWrite) {
    dialogs->ShowInformation(this, verdict);
  } else {
    dialogs->ShowFailure(this, verdict);
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

void Tmainform::KeepTransfer(const char* kind, const std::string& port) {
  keptTransfer = &keptTransfers.Begin(kind, port, QDateTime::currentDateTime());
  serial.SetTrace(&keptTransfer->trace);
}

void Tmainform::EndTransfer() {
  if (keptTransfer != nullptr) {
    serial.SetTrace(nullptr);
    // Now rather than when the report is saved: the adapter may be gone by then.
    keptTransfer->device = PortDeviceLine(DescribePortDevice(keptTransfer->port)).Text();
    keptTransfer = nullptr;
  }
  SetControlsEnabled(true);
  SetTransferRunning(false);
  if (closeWhenTransferEnds) {
    close();
  }
}
