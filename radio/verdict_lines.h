#pragma once

#include <vector>

#include "radio/log_line.h"
#include "radio/transfers.h"

// The lines that close a transfer: "Done!", or what failed and what it means. What every
// transfer shares (the handshake, what stopped it) is said the same way for each.
std::vector<LogLine> OutcomeLines(const ReadOutcome& outcome);
std::vector<LogLine> OutcomeLines(const WriteOutcome& outcome);
std::vector<LogLine> OutcomeLines(const VerifyOutcome& outcome);
std::vector<LogLine> OutcomeLines(const BackupOutcome& outcome);
