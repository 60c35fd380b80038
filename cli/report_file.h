#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "cli/console.h"
#include "cli/context.h"
#include "cli/radio_end.h"

// The report's first row, which also tells a report from any other file.
inline constexpr char kReportHeader[] =
    "Date and time,Port,Radio,Variant,Result,Blocks written,Blocks read back different,"
    "Backup file";

// Why --report cannot append to the file (it exists and is no report); nothing when it can.
std::optional<std::string> ReportFileRefusal(const std::string& path);

// A radio's row, with its line end: when it ended (local time, as "2026-12-10 09:30:00"), its port,
// its number with --repeat, its variant, result, counts and backup.
std::string ReportRow(const RadioReport& report, const std::string& when);

// A CSV record of the radios a command took, a row appended as each ends, so a crash or
// Ctrl+C keeps the rows so far. The ports' threads append one at a time.
class ReportFile {
 public:
  ReportFile(std::string path, Console& console) : path_(std::move(path)), console_(console) {}

  // When the file cannot take the row (a spreadsheet may hold it open), the row goes to
  // stderr with a warning and the run goes on.
  void Append(const RadioReport& report);

 private:
  const std::string path_;
  Console& console_;
  std::mutex mutex_;
};

// Appends the radio's row when the command was given --report.
void Record(const Context& context, const RadioReport& report);
