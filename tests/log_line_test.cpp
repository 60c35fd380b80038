#include "radio/log_line.h"

#include <gtest/gtest.h>

#include "radio/hz_text.h"
#include "radio/log_texts.h"

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
