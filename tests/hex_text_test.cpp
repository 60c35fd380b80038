#include "radio/hex_text.h"

#include <gtest/gtest.h>

TEST(HexText, DigitsArePaddedButNeverCut) {
  EXPECT_EQ(HexDigits(0x3C0, 4), "03C0");
  EXPECT_EQ(HexDigits(0, 2), "00");
  EXPECT_EQ(HexDigits(0xAB, 1), "AB");
  EXPECT_EQ(HexDigits(0xDEADBEEF, 8), "DEADBEEF");
  EXPECT_EQ(HexDigits(0x0A, 0), "A");
}

TEST(HexText, BytesTakeTheSeparatorOnlyBetweenThem) {
  EXPECT_EQ(HexBytes({0x01, 0x02, 0x0A}, " "), "01 02 0A");
  EXPECT_EQ(HexBytes({0x01, 0x02, 0x0A}, ""), "01020A");
  EXPECT_EQ(HexBytes({0xFF}, " "), "FF");
  EXPECT_EQ(HexBytes({}, " "), "");
}

TEST(HexText, AddressesHaveFourDigitsAfter0x) {
  EXPECT_EQ(HexAddress(0x03C0), "0x03C0");
  EXPECT_EQ(HexAddress(0), "0x0000");
  EXPECT_EQ(HexAddress(0xFFFF), "0xFFFF");
}
