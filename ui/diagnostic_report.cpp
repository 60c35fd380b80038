#include "ui/diagnostic_report.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSysInfo>
#include <QtGlobal>

#include "radio/port_device.h"
#include "radio/program_version.h"

namespace {

constexpr char kTimeFormat[] = "yyyy-MM-dd HH:mm:ss";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString TransferText(int number, const KeptTransfer& transfer) {
  QString text = QStringLiteral("\n== %1. %2 on %3, %4 ==\nDevice: %5\nLog:\n")
                     .arg(number)
                     .arg(Text(transfer.kind), Text(transfer.port),
                          transfer.began.toString(kTimeFormat), Text(transfer.device));
  for (const std::string& line : transfer.log) {
    text += QStringLiteral("  ") + Text(line) + '\n';
  }
  return text + QStringLiteral("Trace:\n") + Text(ExchangeTraceText(transfer.trace));
}

}  // namespace

QString DiagnosticReportText(const KeptTransfers& transfers, const std::string& port,
                             const QDateTime& now) {
  // Translators name their own language here, so the report says which one the window spoke.
  const QString language = QCoreApplication::translate(
      "Vexalon", "English", "the name of the language of this translation, in that language");
  const QString device = port.empty() ? QStringLiteral("none chosen")
                                      : Text(PortDeviceLine(DescribePortDevice(port)).Text());
  QString text = QStringLiteral(
                     "Vexalon diagnostic report, %1\n"
                     "Program: Vexalon %2 (%3)\n"
                     "Operating system: %4, %5 %6, %7\n"
                     "Qt: %8 (built with %9)\n")
                     .arg(now.toString(kTimeFormat), Text(ProgramVersion()), Text(ProgramBuild()),
                          QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                          QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture(),
                          QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)) +
                 QStringLiteral("Language: %1 (system locale %2)\nPort: %3\n")
                     .arg(language, QLocale::system().name(), device);
  if (transfers.All().empty()) {
    return text + QStringLiteral("\nNo transfer since the program started.\n");
  }
  text += QStringLiteral("\nTransfers kept: %1, oldest first\n").arg(transfers.All().size());
  int number = 0;
  for (const KeptTransfer& transfer : transfers.All()) {
    text += TransferText(++number, transfer);
  }
  return text;
}

QString DiagnosticReportFileName(const QDateTime& now) {
  return QStringLiteral("vexalon-report-%1.txt")
      .arg(now.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}
