#include "radio/codecs.h"

#include <gtest/gtest.h>

#include <random>

#include "radio/tables.h"

namespace {
const ByteString kPmr1 = {0x25, 0x06, 0x60, 0x44};
const ByteString kNotInUse = {0xFF, 0xFF, 0xFF, 0xFF};
}  // namespace

TEST(ChannelCodes, OnlyWholeTableEntriesAreFound) {
  for (int index = 0; index < kChannelListCount; ++index) {
    EXPECT_EQ(FindChannelCode(ChannelCodeForIndex(index)), index);
  }
  EXPECT_EQ(FindChannelCode({0x25, 0x06, 0x60}), 0);
  EXPECT_EQ(FindChannelCode({0x25, 0x06, 0x60, 0x44, 0x00}), 0);
  EXPECT_EQ(FindChannelCode({}), 0);
  EXPECT_EQ(FindChannelCode({0x00, 0x00, 0x55, 0x14}), 0);  // 145.5 MHz
  EXPECT_EQ(ChannelCodeForIndex(-1), kNotInUse);
  EXPECT_EQ(ChannelCodeForIndex(kChannelListCount), kNotInUse);
}

TEST(Frequency, DecodeGivesNineUpperCaseHexDigitsAndAZero) {
  EXPECT_EQ(DecodeFrequency(kPmr1), "446006250");
  EXPECT_EQ(DecodeFrequency({0x00, 0x00, 0x00, 0x00}), "000000000");
  EXPECT_EQ(DecodeFrequency({0x4A, 0x00, 0x00, 0x00}), "0000004A0");
  EXPECT_EQ(DecodeFrequency(kNotInUse), "");
  EXPECT_EQ(DecodeFrequency({0x25, 0x06, 0x60}), "");
}

TEST(Frequency, EncodeOfEdgeTexts) {
  EXPECT_EQ(EncodeFrequency("446006250"), kPmr1);
  EXPECT_EQ(EncodeFrequency("446006259"), kPmr1);
  EXPECT_EQ(EncodeFrequency("4460062500"), kPmr1);
  EXPECT_EQ(EncodeFrequency("12345"), (ByteString{0x34, 0x12, 0x00, 0x00}));
  EXPECT_EQ(EncodeFrequency("4460O6250"), (ByteString{0x25, 0x00, 0x60, 0x44}));
  EXPECT_EQ(EncodeFrequency("0000004a0"), (ByteString{0x4A, 0x00, 0x00, 0x00}));
}

TEST(Frequency, OnlyABlankTextIsTrimmed) {
  EXPECT_EQ(EncodeFrequency(""), kNotInUse);
  EXPECT_EQ(EncodeFrequency("   "), kNotInUse);
  EXPECT_EQ(EncodeFrequency(" \t\r\n"), kNotInUse);
  EXPECT_EQ(EncodeFrequency(" 446006250"), (ByteString{0x62, 0x00, 0x46, 0x00}));
}

// Padding and pairing count characters, so a multi-byte character spoils one pair only.
TEST(Frequency, EncodeCountsCharactersNotBytes) {
  const std::string euro = "\xE2\x82\xAC";
  const std::string eAcute = "\xC3\xA9";
  EXPECT_EQ(EncodeFrequency("4460" + euro + "6250"), (ByteString{0x25, 0x00, 0x60, 0x44}));
  EXPECT_EQ(EncodeFrequency(eAcute + "1234"), (ByteString{0x23, 0x00, 0x00, 0x00}));
}

TEST(Frequency, EncodeUndoesDecodeForEveryCode) {
  for (std::size_t position = 0; position < 4; ++position) {
    for (int value = 0; value < 256; ++value) {
      ByteString code = kNotInUse;
      code[position] = static_cast<std::uint8_t>(value);
      EXPECT_EQ(EncodeFrequency(DecodeFrequency(code)), code) << HexDump(code);
    }
  }
  std::mt19937 random(446);
  for (int i = 0; i < 100000; ++i) {
    const std::uint32_t bits = random();
    const ByteString code = {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                             std::uint8_t(bits >> 24)};
    ASSERT_EQ(EncodeFrequency(DecodeFrequency(code)), code) << HexDump(code);
  }
}

TEST(ToneCodes, EveryListIndexRoundTrips) {
  for (int index = 0; index < kToneListCount; ++index) {
    EXPECT_EQ(ToneCodeForIndex(index).size(), kToneCodeSize);
    EXPECT_EQ(FindToneCode(ToneCodeForIndex(index)), index);
  }
  EXPECT_EQ(ToneCodeForIndex(26), (ByteString{0x22, 0x16}));
  EXPECT_EQ(ToneCodeForIndex(27), (ByteString{0x32, 0x81}));
  EXPECT_EQ(ToneCodeForIndex(30), (ByteString{0x43, 0x42}));
}

TEST(ToneCodes, AnythingElseIsNone) {
  EXPECT_EQ(FindToneCode({0x43, 0x82}), 0);  // D243N only ever as 43 42
  EXPECT_EQ(FindToneCode({0x70}), 0);
  EXPECT_EQ(FindToneCode({0x70, 0x06, 0x00}), 0);
  EXPECT_EQ(ToneCodeForIndex(-1), (ByteString{0x00, 0x00}));
  EXPECT_EQ(ToneCodeForIndex(kToneListCount), (ByteString{0x00, 0x00}));
}

TEST(Bits, PositionsCountFromTheMostSignificantBit) {
  EXPECT_FALSE(BitIsSet(0xFD, 7));
  EXPECT_TRUE(BitIsSet(0xFD, 8));
  EXPECT_TRUE(BitIsSet(0x80, 1));
  EXPECT_TRUE(BitIsSet(0x08, 5));
  EXPECT_FALSE(BitIsSet(0xFF, 0));
  EXPECT_FALSE(BitIsSet(0xFF, 9));
}

TEST(Bits, BitsToByteReadsBinaryAndKeepsTheLowByte) {
  EXPECT_EQ(BitsToByte("11110100"), ByteString{0xF4});
  EXPECT_EQ(BitsToByte("101"), ByteString{0x05});
  EXPECT_EQ(BitsToByte(""), ByteString{0x00});
  EXPECT_EQ(BitsToByte("100000001"), ByteString{0x01});
}

TEST(Bits, ChannelFlagsAreActiveLow) {
  EXPECT_EQ(ChannelFlagsByte(false, false, false), ByteString{0xFF});
  EXPECT_EQ(ChannelFlagsByte(false, true, false), ByteString{0xFD});
  EXPECT_EQ(ChannelFlagsByte(false, false, true), ByteString{0xFE});
  EXPECT_EQ(ChannelFlagsByte(false, true, true), ByteString{0xFC});
  EXPECT_EQ(ChannelFlagsByte(true, false, false), ByteString{0xFB});
}

TEST(HexDump, MatchesTheLogFormatToTheCharacter) {
  EXPECT_EQ(HexDump({0x00, 0x06}), "(2 bytes)  00 06");
  EXPECT_EQ(HexDump({0x15}), "(1 bytes)  15");
  EXPECT_EQ(HexDump({}), "(0 bytes) ");
  EXPECT_EQ(HexDump({0xAB}), "(1 bytes)  AB");
}
