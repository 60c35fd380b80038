#include "cli/report_file.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "cli/json_report.h"
#include "files/csv_records.h"

namespace {

std::string Now() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string FirstLine(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string line;
  std::getline(file, line);
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

}  // namespace

std::optional<std::string> ReportFileRefusal(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) {
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(status)) {
    return path + " is not a file; --report needs a file to append its rows to.";
  }
  if (std::filesystem::file_size(path, error) == 0 || FirstLine(path) == kReportHeader) {
    return std::nullopt;
  }
  return path +
         " is not a report of vexalon-cli; --report appends only to its own reports. "
         "Nothing was sent to any radio.";
}

std::string ReportRow(const RadioReport& report, const std::string& when) {
  const std::vector<std::string> fields = {
      when,
      report.radio.port,
      report.radio.number > 0 ? std::to_string(report.radio.number) : "",
      report.variant,
      ResultText(report.end),
      std::to_string(report.blocksWritten),
      std::to_string(report.blocksDiffering),
      report.backupFile};
  return CsvRecordText(fields);
}

void ReportFile::Append(const RadioReport& report) {
  const std::string row = ReportRow(report, Now());
  const std::lock_guard lock(mutex_);
  std::error_code error;
  const bool fresh =
      !std::filesystem::exists(path_, error) || std::filesystem::file_size(path_, error) == 0;
  std::ofstream file(path_, std::ios::binary | std::ios::app);
  if (file) {
    file << (fresh ? std::string(kReportHeader) + "\r\n" : "") << row;
    file.close();
  }
  if (!file) {
    console_.Say("", "Could not append to the report " + path_ + "; its row is here instead:");
    console_.Say("", row.substr(0, row.find_last_not_of("\r\n") + 1));
  }
}

void Record(const Context& context, const RadioReport& report) {
  if (context.report != nullptr) {
    context.report->Append(report);
  }
}
