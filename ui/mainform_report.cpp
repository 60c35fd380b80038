// The diagnostic report: what a user sends when a radio does not work with Vexalon.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>

#include "files/whole_file.h"
#include "ui/diagnostic_report.h"
#include "ui/shown_text.h"
#include "ui/unit_mainform.h"

void Tmainform::SaveDiagnosticReportClick() {
  const QDateTime now = QDateTime::currentDateTime();
  auto* dialog = Find<QFileDialog>("reportdialog");
  dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialog->selectFile(DiagnosticReportFileName(now));
  const QString file = dialogs->ChooseFile(*dialog);
  if (file.isEmpty()) {
    return;
  }
  const std::string fileName = QFile::encodeName(file).toStdString();
  // In one step, so that a failure leaves no half report and any earlier file as it was.
  FileReplacement replacement(fileName);
  if (!replacement.Begin() ||
      !replacement.Commit(
          DiagnosticReportText(keptTransfers, SelectedPortName(), now).toStdString())) {
    dialogs->ShowFailure(this, Shown(Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to write to %1."),
                                          {Literal(fileName)})));
    return;
  }
  AppendLog(
      QCoreApplication::translate("Vexalon", "The diagnostic report was saved to %1.").arg(file));
}
