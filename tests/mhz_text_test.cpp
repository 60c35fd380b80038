#include "radio/mhz_text.h"

#include <gtest/gtest.h>

TEST(MhzText, ParsesExactlyFromTheDigits) {
  const auto hz = [](std::string_view text) {
    const auto value = ParseMhz(text);
    return value ? value->hz : -1;
  };
  EXPECT_EQ(hz("446.00625"), 446006250);
  EXPECT_EQ(hz("+446"), 446000000);
  EXPECT_EQ(hz("-0.5"), -500000);
  EXPECT_EQ(hz(".00001"), 10);
  EXPECT_EQ(hz("99999999999999999999"), 1000000LL * 1000000);
  for (const char* text : {"", ".", "-", "4 46", "446,1", "1e3", "0x10"}) {
    EXPECT_FALSE(ParseMhz(text)) << text;
  }
  EXPECT_TRUE(ParseMhz("446.0062501")->belowHz);
  EXPECT_FALSE(ParseMhz("446.0062500000")->belowHz);
}

TEST(MhzText, FormatsWithTheAskedDecimalsAndSeparator) {
  EXPECT_EQ(MhzText(446006250, 6, "."), "446.006250");
  EXPECT_EQ(MhzText(446006250, 5, ","), "446,00625");
  EXPECT_EQ(MhzText(10, 6, "."), "0.000010");
  EXPECT_EQ(MhzText(999999990, 5, "."), "999.99999");
}
