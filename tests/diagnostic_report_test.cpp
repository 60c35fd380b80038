// The diagnostic report as a user saves it from the real window offscreen, after transfers
// with a simulated radio in simulated time.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QSysInfo>
#include <charconv>

#include "radio/hex_text.h"
#include "radio/program_version.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"

namespace {

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class DiagnosticReport : public testing::Test {
 protected:
  void SetUp() override { harness.ChoosePort(line.PortName()); }

  // Saves the report through the Load / save command; its text, empty when none was kept.
  std::string Save(const std::string& file) {
    harness.dialogs->fileToChoose = QString::fromStdString(file);
    FindControl<QAction>(&harness.window, std::string("mnuSaveDiagnosticReport"))->trigger();
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The lines of the report that show a command sent: "   12.3  >  02 50 ...".
  static std::vector<std::string> SentLines(const std::string& report) {
    std::vector<std::string> sent;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
      if (Holds(line, "  >  ")) {
        sent.push_back(line);
      }
    }
    return sent;
  }

  TempFolder folder;
  RadioSimulator radio;
  SimulatedLine line{radio};
  WindowHarness harness{line};
};

TEST_F(DiagnosticReport, HoldsTheSystemAndEveryExchangeOfAReadWithItsTime) {
  harness.Read();
  ASSERT_EQ(harness.Log().back(), "Done!");
  const std::string file = folder / "report.txt";
  const std::string report = Save(file);

  EXPECT_TRUE(report.starts_with("Vexalon diagnostic report, ")) << report;
  EXPECT_TRUE(
      Holds(report, "\nProgram: Vexalon " + ProgramVersion() + " (" + ProgramBuild() + ")\n"));
  EXPECT_TRUE(
      Holds(report, "\nOperating system: " + QSysInfo::prettyProductName().toStdString() + ", "));
  EXPECT_TRUE(Holds(report, std::string("\nQt: ") + qVersion() + " (built with "));
  EXPECT_TRUE(Holds(report, "\nLanguage: English (system locale "));
  EXPECT_TRUE(Holds(report, "\nPort: " + line.PortName() + ": "));
  EXPECT_TRUE(Holds(report, "\n== 1. read on " + line.PortName() + ", ")) << report;
  EXPECT_TRUE(Holds(report, "\n  Done!\n")) << report;

  // The 34 exchanges in the order the radio heard their commands, at rising times.
  const std::vector<ByteString> heard = radio.CommandLog();
  const std::vector<std::string> sent = SentLines(report);
  ASSERT_EQ(heard.size(), 34u);
  ASSERT_EQ(sent.size(), heard.size()) << report;
  double last = -1;
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_TRUE(sent[i].ends_with("  >  " + HexBytes(heard[i], " "))) << sent[i];
    const std::size_t start = sent[i].find_first_not_of(' ');
    double ms = -1;
    std::from_chars(sent[i].data() + start, sent[i].data() + sent[i].size(), ms);
    EXPECT_GT(ms, last) << sent[i];
    last = ms;
  }

  EXPECT_EQ(harness.dialogs->asked, QStringList{"reportdialog"});
  const auto* dialog = FindControl<QFileDialog>(&harness.window, std::string("reportdialog"));
  const QString offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
  EXPECT_TRUE(offered.startsWith("vexalon-report-") && offered.endsWith(".txt") &&
              offered.size() == QString("vexalon-report-20261210-141503.txt").size())
      << offered.toStdString();
  EXPECT_EQ(harness.Log().back(), "The diagnostic report was saved to " + file + ".");
}

TEST_F(DiagnosticReport, KeepsTheLastFiveTransfers) {
  harness.Write();
  for (int reads = 0; reads < 5; ++reads) {
    harness.Read();
  }
  const std::string report = Save(folder / "report.txt");
  EXPECT_TRUE(Holds(report, "\nTransfers kept: 5, oldest first\n")) << report;
  EXPECT_FALSE(Holds(report, " write on ")) << report;
  EXPECT_TRUE(Holds(report, "\n== 5. read on ")) << report;
  EXPECT_EQ(SentLines(report).size(), 5 * 34u);
}

TEST_F(DiagnosticReport, OneThatCannotBeWrittenSaysSoAndLeavesNoFile) {
  const std::string file = (std::filesystem::path(folder / "missing") / "report.txt").string();
  EXPECT_EQ(Save(file), "");
  EXPECT_EQ(harness.dialogs->failures,
            QStringList{QString::fromStdString("Unable to write to " + file + ".")});
  EXPECT_FALSE(std::filesystem::exists(file));

  // Before any transfer it still tells what a maintainer needs of the system.
  const std::string report = Save(folder / "report.txt");
  EXPECT_TRUE(Holds(report, "\nNo transfer since the program started.\n")) << report;
}

}  // namespace
