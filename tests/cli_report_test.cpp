// --report: a CSV row for every radio a write or restore took, appended as each ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>

#include "cli/radio_end.h"
#include "cli/report_file.h"
#include "files/backup_file.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/in_process_cli.h"

namespace {

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// "2026-12-10 09:30:00": local date and time to the second.
bool IsDateAndTime(const std::string& text) {
  const std::string form = "dddd-dd-dd dd:dd:dd";
  return text.size() == form.size() &&
         std::equal(form.begin(), form.end(), text.begin(), [](char f, char c) {
           return f == 'd' ? std::isdigit(static_cast<unsigned char>(c)) != 0 : f == c;
         });
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// A report's rows as fields; none of the fields these tests give needs quoting.
std::vector<std::vector<std::string>> Rows(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  for (std::string line : Lines(FileText(path))) {
    EXPECT_EQ(line.back(), '\r') << "a row ends in CR LF";
    line.back() = ',';
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
      fields.push_back(field);
    }
    rows.push_back(fields);
  }
  return rows;
}

// Three radios on one cable under --repeat: one written, one that refuses writes above bank
// 0, one whose backup cannot be read, so nothing is sent to it; Ctrl+C while the program
// waits for a fourth.
TEST_F(Cli, ARepeatSessionEndedByCtrlCLeavesARowPerRadio) {
  const std::string file = PlanFile(DistinctPlan(false));
  const std::string report = folder / "day.csv";
  int step = 0;
  const Ran ran =
      Run({"write", "--repeat", "--port", port, "--backup-dir", backups, "--report", report, file},
          [&](const std::string&, const std::string& err) {
            const std::size_t waits = Count(err, "Waiting for the next radio...");
            const std::size_t gone = Count(err, "Take the radio off the cable");
            if (step == 3 || waits < static_cast<std::size_t>(step + 1)) {
              // Each radio is taken off the cable once the program asks for it.
              radio.SetSilent(gone > static_cast<std::size_t>(step));
              return;
            }
            if (step == 0) {
              radio.WriteMemory(0x0000, ByteString(0x3C8, 0x77));
              radio.SetWritesRefusedFrom(0x0100);
            } else if (step == 1) {
              radio.SetWritesRefusedFrom(std::nullopt);
              radio.SetReadsFailing(std::make_pair(0x0000, 0x03C0));
            } else {
              PressCtrlC(line);
            }
            radio.SetSilent(step == 2);
            ++step;
          });
  ASSERT_EQ(step, 3) << ran.err;
  EXPECT_EQ(ran.status, 1) << ran.err;
  EXPECT_TRUE(Holds(ran.err, "Radios written: 1, failed: 1, not written: 1.\n")) << ran.err;

  EXPECT_TRUE(Holds(FileText(report), std::string(kReportHeader) + "\r\n"));
  const auto rows = Rows(report);
  ASSERT_EQ(rows.size(), 4u) << FileText(report);
  for (int n = 1; n <= 3; ++n) {
    const std::vector<std::string>& row = rows[n];
    ASSERT_EQ(row.size(), 8u) << n;
    EXPECT_TRUE(IsDateAndTime(row[0])) << row[0];
    EXPECT_EQ(row[1], port);
    EXPECT_EQ(row[2], std::to_string(n));
    EXPECT_EQ(row[3], "E");
  }
  // Written whole; written with bank 1 refused; not written at all, and no backup kept.
  EXPECT_EQ(rows[1][4], "done");
  EXPECT_EQ(rows[1][5], "69");
  EXPECT_EQ(rows[1][6], "0");
  EXPECT_TRUE(LoadBackupFile(rows[1][7]).backup);
  EXPECT_EQ(rows[2][4], "finished with errors");
  EXPECT_LT(std::stoi(rows[2][5]), 69);
  EXPECT_GT(std::stoi(rows[2][6]), 0);
  EXPECT_NE(rows[3][4], "done");
  EXPECT_EQ(rows[3][5], "0");
  EXPECT_EQ(rows[3][7], "");
}

// Rows follow the rows of earlier runs; a file that is no report is never appended to, and
// a report that cannot be appended to leaves the run going with the row on stderr.
TEST_F(Cli, AReportAppendsOnlyToItselfAndNeverStopsARun) {
  const std::string file = PlanFile(DistinctPlan(false));
  const std::string report = folder / "report.csv";
  const std::vector<std::string> write = {"write", "--port",   port,   "--backup-dir",
                                          backups, "--report", report, file};
  ASSERT_EQ(Run(write).status, 0);
  ASSERT_EQ(Run(write).status, 0);
  const auto rows = Rows(report);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2][4], "done");
  EXPECT_EQ(rows[2][2], "");

  const std::string notes = folder / "notes.csv";
  const std::string kept = "Location,Name,Frequency\r\n1,Club,446.00625\r\n";
  std::ofstream(notes, std::ios::binary) << kept;
  radio.ClearCommandLog();
  Ran refused = Run({"write", "--port", port, "--backup-dir", backups, "--report", notes, file});
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(Holds(refused.err, notes + " is not a report of vexalon-cli")) << refused.err;
  EXPECT_EQ(FileText(notes), kept);
  EXPECT_TRUE(radio.CommandLog().empty());

  refused = Run({"write", "--port", port, "--report", "", file});
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(Holds(refused.err, "--report is empty")) << refused.err;

  const std::string nowhere = folder / "no such folder/report.csv";
  const Ran ran =
      Run({"write", "--port", port, "--backup-dir", backups, "--report", nowhere, file});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_TRUE(Holds(ran.err, "Could not append to the report " + nowhere)) << ran.err;
  EXPECT_TRUE(Holds(ran.err, "," + port + ",,E,done,69,0,")) << ran.err;
}

TEST(ReportRow, QuotesWhatCsvNeedsQuoted) {
  RadioReport report;
  report.radio = {"COM3", 2};
  report.variant = "T";
  report.end = TransferEnd::Done;
  report.blocksWritten = 69;
  report.backupFile = R"(C:\Users\Ann "Club", backups\HT-446T.vxbackup)";
  EXPECT_EQ(
      ReportRow(report, "2026-12-10 09:30:00"),
      R"(2026-12-10 09:30:00,COM3,2,T,done,69,0,"C:\Users\Ann ""Club"", backups\HT-446T.vxbackup")"
      "\r\n");
}

}  // namespace
