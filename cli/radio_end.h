#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/context.h"
#include "cli/json_report.h"
#include "radio/progress_lines.h"
#include "radio/transfers.h"
#include "radio/verdict_lines.h"

// How one radio came out, for the summary and the exit status.
struct RadioReport {
  RadioId radio;
  std::string variant;  // empty when no radio answered
  TransferEnd end = TransferEnd::NotIdentified;
  bool succeeded = false;
  std::string backupFile;
  // Stopped at once after some of its blocks went out.
  bool halfWritten = false;
  // Of a write: blocks the radio acknowledged, blocks it may hold now, and blocks that read
  // back different.
  int blocksWritten = 0;
  int blocksSent = 0;
  int blocksDiffering = 0;
};

bool HalfWritten(const WriteOutcome& outcome);

// What every transfer reports; a write and a backup add the file of their backup.
RadioReport ReportOf(const TransferResult& result);
RadioReport ReportOf(const WriteOutcome& outcome);
RadioReport ReportOf(const BackupOutcome& outcome);

// The closing lines and `more` on stderr, and the radio's object with `extra` on stdout
// with --json.
void TellEnd(Context& context, const RadioId& radio, const std::vector<LogLine>& closing,
             const std::vector<std::string>& more, nlohmann::ordered_json object);

// Says how the radio ended, in the library's closing lines and with --json as an object,
// and gives its report.
template <class Outcome>
RadioReport EndRadio(Context& context, const RadioId& radio, const Outcome& outcome,
                     const std::vector<std::string>& more = {},
                     const nlohmann::ordered_json& extra = nlohmann::ordered_json::object()) {
  RadioReport report = ReportOf(outcome);
  report.radio = radio;
  nlohmann::ordered_json object = JsonOf(outcome);
  object.update(extra);
  TellEnd(context, radio, OutcomeLines(outcome), more, std::move(object));
  return report;
}
