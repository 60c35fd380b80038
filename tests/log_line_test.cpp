#include "radio/log_line.h"

#include <gtest/gtest.h>

#include "radio/hz_text.h"
#include "radio/progress_lines.h"

namespace {

// A translated format may put the arguments in another order, and an argument may hold a
// percent sign or a placeholder of its own without being filled again.
TEST(LogLine, PlaceholdersAreFilledOnceInAnyOrder) {
  EXPECT_EQ(FillPlaceholders("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(FillPlaceholders("file %1 (%2%)", {"100%1.ini", "50"}), "file 100%1.ini (50%)");
  EXPECT_EQ(FillPlaceholders("%1 and %3", {"a"}), "a and %3");
  EXPECT_EQ(FillPlaceholders("ends in %", {"a"}), "ends in %");
}

TEST(LogLine, NestedLinesMakeTheEnglishText) {
  const LogLine channels = {"%1 and %2", {Literal(4), Literal(9)}};
  const LogLine line = {"channels %1 could not be read", {channels}};
  EXPECT_EQ(line.Text(), "channels 4 and 9 could not be read");
  EXPECT_EQ(Literal("%1 stays").Text(), "%1 stays");
}

// One sentence for any number: English takes its own words for one, and the number goes
// where %n stands, before the arguments, so an argument's own %n stays as it is.
TEST(LogLine, ACountedSentenceSaysOneAndOthersInEnglish) {
  const auto blocks = [](int count) {
    return Counted(count, "%n blocks at %1", "%n block at %1", {Literal("a%n")}).Text();
  };
  EXPECT_EQ(blocks(1), "1 block at a%n");
  EXPECT_EQ(blocks(2), "2 blocks at a%n");
  EXPECT_EQ(blocks(0), "0 blocks at a%n");
  EXPECT_EQ(JoinedLine({Literal(4), Literal(7), Literal(9)}).Text(), "4, 7 and 9");
  EXPECT_EQ(OtherWritesNotAcknowledgedLine(1).Text(),
            "[!] The radio did not acknowledge 1 other write.");
  EXPECT_EQ(HiddenFrequenciesQuestion({4, 9})->Text().substr(0, 40),
            "Channels 4 and 9 hold frequencies in the");
}

TEST(LogTexts, UnwritableHzTextsAreNamedByChannelAndDirection) {
  ChannelPlan plan{.advancedMode = true};
  plan.channels[1] = {.rxHzText = "446.00625", .txHzText = " 446006250 "};
  plan.channels[6] = {.rxHzText = "", .txHzText = "0"};
  const auto unwritable = UnwritableHzTexts(plan);
  ASSERT_EQ(unwritable, (std::vector<UnwritableHzText>{{2, Direction::Rx, "446.00625"},
                                                       {7, Direction::Tx, "0"}}));
  EXPECT_EQ(UnwritableHzTextLine(unwritable[1]).Text(),
            "[!] Ch 7 TX \"0\" is not a frequency in Hz (digits only, a multiple of 10 Hz). "
            "Nothing was written.");
  plan.advancedMode = false;
  EXPECT_TRUE(UnwritableHzTexts(plan).empty());
}

TEST(LogTexts, HiddenFrequenciesAreSaidPerDirection) {
  const ChannelRow both = {.rxHzText = "434050000", .txHzText = "439987500"};
  EXPECT_EQ(HiddenFrequencyLine(3, both)->Text(),
            "[!] Ch 3 holds 434.05000 MHz RX and 439.98750 MHz TX, which normal mode cannot "
            "show. Writing from normal mode will clear it; advanced mode keeps it.");
  const ChannelRow pmr = {.rxChannelIndex = 1, .rxHzText = "446006250"};
  EXPECT_FALSE(HiddenFrequencyLine(3, pmr));
}

}  // namespace
