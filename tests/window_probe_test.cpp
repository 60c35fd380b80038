// The connection test from the real window's Load / save menu, against the simulated radio
// in simulated time: its lines in the log, its verdict in a message box, nothing written.
#include <gtest/gtest.h>

#include <QAction>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "radio/protocol.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_harness.h"

namespace {

class WindowProbe : public testing::Test {
 protected:
  QAction* TestConnection() {
    return FindControl<QAction>(&harness.window, std::string("mnuTestConnection"));
  }
  bool Logged(const std::string& line) const {
    const std::vector<std::string> log = harness.Log();
    return std::find(log.begin(), log.end(), line) != log.end();
  }

  RadioSimulator radio;
  SimulatedLine line{radio};
  WindowHarness harness{line};
};

TEST_F(WindowProbe, TellsTheVerdictInAMessageBoxAndWritesNothing) {
  EXPECT_FALSE(TestConnection()->isEnabled());
  harness.ChoosePort(line.PortName());
  ASSERT_TRUE(TestConnection()->isEnabled());

  radio.SetReactionDelayMs(7);
  radio.SetReadsUnanswered(std::pair<std::uint16_t, std::uint16_t>(0x0290, 0x02BF));
  const ByteString before = radio.Memory();
  TestConnection()->trigger();
  EXPECT_TRUE(Logged("Supported HT-446E radio detected.")) << harness.Log().back();
  EXPECT_TRUE(Logged("The radio does not answer reads of the second tone index table."));
  EXPECT_TRUE(
      Logged("Reaction time of the radio: least 7.0 ms, median 7.0 ms, most 7.0 ms, "
             "against the 25 ms quiet gap."));
  const std::string ready =
      "Ready to write: the radio answers in time and lets its channels and settings be read.";
  EXPECT_EQ(harness.Log().back(), ready);
  ASSERT_EQ(harness.dialogs->asked.size(), 1);
  EXPECT_EQ(harness.dialogs->asked.front().toStdString(), ready);
  EXPECT_TRUE(harness.dialogs->failures.isEmpty());
  for (const ByteString& command : radio.CommandLog()) {
    EXPECT_NE(command.front(), kWriteCommandCode);
  }
  EXPECT_EQ(radio.Memory(), before);
  EXPECT_FALSE(harness.PortOpen());
  EXPECT_TRUE(TestConnection()->isEnabled());

  // The test is kept for a diagnostic report, with its lines and its exchanges.
  TempFolder folder;
  const std::string file = folder / "report.txt";
  harness.dialogs->fileToChoose = QString::fromStdString(file);
  FindControl<QAction>(&harness.window, std::string("mnuSaveDiagnosticReport"))->trigger();
  std::ifstream in(file, std::ios::binary);
  const std::string report{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(report.find("Radio: HT-446E (identity 50 33 31 35 35 F0 45 20)."), std::string::npos)
      << report;
  EXPECT_NE(report.find(std::to_string(radio.CommandLog().size()) + " exchanges"),
            std::string::npos)
      << report;

  // What stands in the way is a failure.
  radio.SetSilent(true);
  TestConnection()->trigger();
  ASSERT_EQ(harness.dialogs->failures.size(), 1);
  EXPECT_EQ(harness.dialogs->failures.front().toStdString(),
            "No response from serial port. Check you are using the right port.");
  EXPECT_TRUE(TestConnection()->isEnabled());
}

}  // namespace
