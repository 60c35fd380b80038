// The channel card as its reader sees it: the text that pdftotext finds on the written page.
#include <gtest/gtest.h>

#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <filesystem>

#include "tests/support/file_limits.h"
#include "tests/support/temp_folder.h"
#include "ui/channel_card.h"

namespace {

const QDate kDate(2025, 3, 14);

// The page text as laid out, each page ended by a form feed.
QString PdfText(const std::string& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
  const bool finished = process.waitForFinished(60000);
  EXPECT_TRUE(finished && process.exitCode() == 0)
      << "pdftotext: " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// How many lines match the pattern whole, with any space around it.
int LinesMatching(const QString& text, const QString& pattern) {
  const QRegularExpression line(QStringLiteral("^\\s*") + pattern + QStringLiteral("\\s*$"),
                                QRegularExpression::MultilineOption);
  int count = 0;
  for (auto match = line.globalMatch(text); match.hasNext(); match.next()) {
    ++count;
  }
  return count;
}

// The pattern of a line holding exactly these cells, in this order, however far apart.
QString CellsPattern(const QStringList& cells) {
  QStringList words;
  for (const QString& cell : cells) {
    for (const QString& word : cell.split(QLatin1Char(' '))) {
      words << QRegularExpression::escape(word);
    }
  }
  return words.join(QStringLiteral("\\s+"));
}

int LinesWithCells(const QString& text, const QStringList& cells) {
  return LinesMatching(text, CellsPattern(cells));
}

// A caption with its value right after it on one line.
bool ShowsSetting(const QString& text, const QString& caption, const QString& value) {
  return text.contains(
      QRegularExpression(QRegularExpression::escape(caption) + QStringLiteral("\\s+") +
                             QRegularExpression::escape(value) + QStringLiteral("(\\s|$)"),
                         QRegularExpression::MultilineOption));
}

ChannelPlan NormalPlan() {
  ChannelPlan plan;
  plan.channels[0] = {.rxChannelIndex = 1, .txChannelIndex = 1, .rxToneIndex = 1, .shift = true};
  plan.channels[1] = {.rxChannelIndex = 8,
                      .txChannelIndex = 3,
                      .rxToneIndex = 12,
                      .txToneIndex = 27,
                      .lockout = true};
  plan.channels[2] = {.rxToneIndex = 38, .txToneIndex = 26, .shift = true, .lockout = true};
  plan.channels[3] = {.rxChannelIndex = 4, .rxToneIndex = -1, .txToneIndex = 2};
  plan.settings = RadioSettings{.beepTones = true,
                                .batterySaving = false,
                                .selfProgramming = true,
                                .squelchLevel = 7,
                                .monitorKey = 2,
                                .tot = 1,
                                .totRekey = 1,
                                .totReset = 15};
  return plan;
}

class ChannelCardTest : public testing::Test {
 protected:
  // The text of the card written for the plan; empty when it was not written.
  QString Card(const ChannelPlan& plan, const QString& planFileName = {}) {
    const QString failure = WriteChannelCard(path, plan, planFileName, kDate);
    EXPECT_EQ(failure.toStdString(), "");
    return failure.isEmpty() ? PdfText(path.toStdString()) : QString();
  }

  TempFolder folder;
  QString path = QString::fromStdString(folder / "card.pdf");
};

// Each row twice: on the page, and on the small card to cut out.
TEST_F(ChannelCardTest, NormalPlanShowsEveryChannelOnThePageAndOnTheSmallCard) {
  const QString text = Card(NormalPlan(), QStringLiteral("/radio/plans/club-channels.ini"));
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";

  EXPECT_EQ(LinesWithCells(text, {"1", "446.00625 (PMR 1)", "67.0 Hz", "446.00625 (PMR 1)", "None",
                                  "On", "Off"}),
            2)
      << text.toStdString();
  EXPECT_EQ(LinesWithCells(text, {"2", "446.09375 (PMR 8)", "100.0 Hz", "446.03125 (PMR 3)",
                                  "D132N", "Off", "On"}),
            2);
  EXPECT_EQ(
      LinesWithCells(text, {"3", "Not in use", "D723N", "Not in use", "162.2 Hz", "On", "On"}), 2);
  // A tone list that selects nothing.
  EXPECT_EQ(
      LinesWithCells(text, {"4", "446.04375 (PMR 4)", "—", "Not in use", "71.9 Hz", "Off", "Off"}),
      2);
  for (int channel = 5; channel <= 15; ++channel) {
    EXPECT_EQ(LinesWithCells(text, {QString::number(channel), "Not in use", "None", "Not in use",
                                    "None", "Off", "Off"}),
              2)
        << channel;
  }

  EXPECT_TRUE(ShowsSetting(text, "Monitor key:", "Monitor lock"));
  EXPECT_TRUE(ShowsSetting(text, "Squelch level:", "7 of 10"));
  EXPECT_TRUE(ShowsSetting(text, "Beep tones:", "On"));
  EXPECT_TRUE(ShowsSetting(text, "Battery saving:", "Off"));
  EXPECT_TRUE(ShowsSetting(text, "Self-programming:", "On"));
  EXPECT_TRUE(ShowsSetting(text, "Time out timer (TOT):", "30 seconds"));
  EXPECT_TRUE(ShowsSetting(text, "TOT rekey time:", "1 second"));
  EXPECT_TRUE(ShowsSetting(text, "TOT reset time:", "15 seconds"));

  // On the page and on the small card, so a cut-out card still says which plan it is; the
  // folder only on the page.
  EXPECT_EQ(text.count("club-channels.ini"), 2);
  EXPECT_EQ(text.count("/radio/plans/club-channels.ini"), 1);
  EXPECT_EQ(text.count("2025-03-14"), 2);
}

TEST_F(ChannelCardTest, PlanWithoutSettingsOrFileNamePrintsNeither) {
  ChannelPlan plan = NormalPlan();
  plan.settings.reset();
  const QString text = Card(plan);
  EXPECT_EQ(LinesWithCells(text, {"1", "446.00625 (PMR 1)", "67.0 Hz", "446.00625 (PMR 1)", "None",
                                  "On", "Off"}),
            2);
  for (const char* absent : {"Settings", "Monitor key:", "Squelch level:", "TOT", "Plan file"}) {
    EXPECT_FALSE(text.contains(absent)) << absent;
  }
  EXPECT_EQ(text.count("2025-03-14"), 2);
}

// Any frequency in MHz; the PMR446 channel number only where it is one, the upper eight
// of the widened band included.
TEST_F(ChannelCardTest, AdvancedPlanShowsAnyFrequencyAndNamesPmrChannels) {
  ChannelPlan plan;
  plan.advancedMode = true;
  plan.channels[0] = {.rxHzText = "439987500", .txHzText = "446106250", .txToneIndex = 30};
  plan.channels[1] = {.rxHzText = " 446018750 ", .rxToneIndex = 5, .lockout = true};
  plan.channels[2] = {.rxHzText = "12345", .txHzText = "4460062500"};
  plan.channels[3] = {.rxHzText = "446193750", .txHzText = "446206250"};
  const QString text = Card(plan);

  EXPECT_EQ(
      LinesWithCells(text, {"1", "439.98750", "None", "446.10625 (PMR 9)", "D243N", "Off", "Off"}),
      2)
      << text.toStdString();
  EXPECT_EQ(LinesWithCells(
                text, {"2", "446.01875 (PMR 2)", "79.7 Hz", "Not in use", "None", "Off", "On"}),
            2);
  // What a write would refuse shows as typed.
  EXPECT_EQ(LinesWithCells(text, {"3", "12345 (invalid)", "None", "4460062500 (invalid)", "None",
                                  "Off", "Off"}),
            2);
  EXPECT_EQ(
      LinesWithCells(text, {"4", "446.19375 (PMR 16)", "None", "446.20625", "None", "Off", "Off"}),
      2);
  EXPECT_EQ(LinesWithCells(text, {"15", "Not in use", "None", "Not in use", "None", "Off", "Off"}),
            2);
}

// Text too long for any column is cut short on one page, never spread over its neighbours.
TEST_F(ChannelCardTest, OverlongHzTextIsElidedInItsColumn) {
  ChannelPlan plan;
  plan.advancedMode = true;
  plan.channels[4] = {.rxHzText = std::string(300, '9'), .txHzText = "446006250"};
  const QString text = Card(plan);
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
  EXPECT_EQ(
      LinesMatching(text, QStringLiteral("5\\s+9+…\\s+") +
                              CellsPattern({"None", "446.00625 (PMR 1)", "None", "Off", "Off"})),
      2)
      << text.toStdString();
}

TEST_F(ChannelCardTest, CardThatCannotBeWrittenReportsItAndLeavesNoFile) {
  const QString missing =
      QString::fromStdString((folder.Path() / "no such folder" / "card.pdf").string());
  EXPECT_EQ(WriteChannelCard(missing, NormalPlan(), {}, kDate).toStdString(),
            "Unable to write to " + missing.toStdString() + ".");
  EXPECT_FALSE(std::filesystem::exists(missing.toStdString()));

  if (!FileSizeLimit::Available()) {
    GTEST_SKIP() << "no file size limit on this system";
  }
  // A full disk midway keeps the earlier card whole.
  ASSERT_EQ(WriteChannelCard(path, ChannelPlan{}, {}, kDate).toStdString(), "");
  const std::string earlier = ReadBytes(path.toStdString());
  {
    const FileSizeLimit full(1024);
    EXPECT_EQ(WriteChannelCard(path, NormalPlan(), {}, kDate).toStdString(),
              "Unable to write to " + path.toStdString() + ".");
  }
  EXPECT_EQ(ReadBytes(path.toStdString()), earlier);
}

}  // namespace
