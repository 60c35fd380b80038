#pragma once

#include <QDateTime>
#include <QString>
#include <string>

#include "ui/kept_transfers.h"

// What a user sends when a radio does not work with Vexalon, in English for the maintainers:
// the program's version and build, the operating system, Qt, the window's language, the
// chosen port and its device, then each kept transfer with its log and its trace.
QString DiagnosticReportText(const KeptTransfers& transfers, const std::string& port,
                             const QDateTime& now);

// "vexalon-report-20261210-141503.txt".
QString DiagnosticReportFileName(const QDateTime& now);
