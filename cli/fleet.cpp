#include "cli/fleet.h"

#include <algorithm>
#include <thread>

#include "cli/exit_status.h"
#include "cli/json_report.h"

namespace {

using Row = std::vector<std::string>;

std::string Table(const std::vector<Row>& rows) {
  std::vector<std::size_t> widths(rows.front().size(), 0);
  for (const Row& row : rows) {
    for (std::size_t column = 0; column < row.size(); ++column) {
      widths[column] = std::max(widths[column], row[column].size());
    }
  }
  std::string text;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
      line += row[column];
      if (column + 1 < row.size()) {
        line += std::string(widths[column] - row[column].size() + 2, ' ');
      }
    }
    text += line + "\n";
  }
  text.pop_back();
  return text;
}

std::string SummaryTable(const std::vector<RadioReport>& reports) {
  const bool numbered = std::any_of(reports.begin(), reports.end(), [](const RadioReport& report) {
    return report.radio.number > 0;
  });
  // A check keeps no backups.
  const bool backups = std::any_of(reports.begin(), reports.end(), [](const RadioReport& report) {
    return !report.backupFile.empty();
  });
  Row head = {"PORT"};
  if (numbered) {
    head.push_back("RADIO");
  }
  head.insert(head.end(), {"VARIANT", "RESULT"});
  if (backups) {
    head.push_back("BACKUP");
  }
  std::vector<Row> rows = {head};
  for (const RadioReport& report : reports) {
    Row row = {report.radio.port};
    if (numbered) {
      row.push_back(std::to_string(report.radio.number));
    }
    row.push_back(report.variant.empty() ? "-" : report.variant);
    row.push_back(ResultText(report.end));
    if (backups) {
      row.push_back(report.backupFile.empty() ? "-" : report.backupFile);
    }
    rows.push_back(row);
  }
  return Table(rows);
}

// A radio that failed before its first block went out is not written rather than failed:
// what it held is untouched.
std::string TallyLine(const std::vector<RadioReport>& reports) {
  const auto count = [&](auto kind) { return std::count_if(reports.begin(), reports.end(), kind); };
  const auto written = count([](const RadioReport& report) { return report.succeeded; });
  const auto untouched =
      count([](const RadioReport& report) { return !report.succeeded && report.blocksSent == 0; });
  return "Radios written: " + std::to_string(written) +
         ", failed: " + std::to_string(reports.size() - written - untouched) +
         ", not written: " + std::to_string(untouched) + ".";
}

}  // namespace

std::vector<RadioReport> RunOnEveryPort(const Context& context, const PortJob& job) {
  const std::vector<std::string>& ports = context.options.ports;
  std::vector<std::vector<RadioReport>> perPort(ports.size());
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    threads.emplace_back([&, i] {
      const std::unique_ptr<TBlockSerial> link = context.makeLink(ports[i]);
      job(*link, ports[i], perPort[i]);
    });
  }
  std::vector<RadioReport> reports;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    threads[i].join();
    reports.insert(reports.end(), perPort[i].begin(), perPort[i].end());
  }
  return reports;
}

int Conclude(Context& context, const std::vector<RadioReport>& reports) {
  if (reports.size() > 1) {
    context.console.Say("", SummaryTable(reports));
  }
  if (context.options.repeat) {
    context.console.Say("", TallyLine(reports));
  }
  // Last, where a user who stopped the program looks first.
  for (const RadioReport& report : reports) {
    if (report.halfWritten) {
      context.console.Say("", RadioName(report.radio) +
                                  " may be half written; what it held before is in " +
                                  report.backupFile + ".");
    }
  }
  const bool allDone = std::all_of(reports.begin(), reports.end(),
                                   [](const RadioReport& report) { return report.succeeded; });
  return allDone ? kExitAllDone : kExitRadioFailed;
}
