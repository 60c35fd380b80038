#include "radio/tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "radio/codecs.h"

// The code tables are typed in by hand; derive each entry from the values it stands for.
TEST(Tables, QtCodesAreTheToneFrequenciesInTenthsOfHzAsBcd) {
  EXPECT_EQ(ToneCodes[0], (ByteString{0x00, 0x00}));
  for (int k = 1; k <= kQtToneCount; ++k) {
    const long tenths = std::lround(ToneFrequencies[k - 1] * 10);
    const auto bcd = [](long twoDigits) {
      return std::uint8_t(twoDigits / 10 * 16 + twoDigits % 10);
    };
    EXPECT_EQ(ToneCodes[k], (ByteString{bcd(tenths % 100), bcd(tenths / 100)})) << "index " << k;
  }
}

TEST(Tables, DqtCodesAreTheCodeDigitsAsHexWithTheD243NQuirk) {
  for (int j = 0; j < kDqtCount; ++j) {
    const std::string digits = std::string(DqtNames[j]).substr(1, 3);
    const int value = (digits == "243" ? 0x4000 : 0x8000) + std::stoi(digits, nullptr, 16);
    EXPECT_EQ(DqtCodes[j], (ByteString{std::uint8_t(value & 0xFF), std::uint8_t(value >> 8)}))
        << DqtNames[j];
  }
}

TEST(Tables, ChannelCodesMatchThePmrFrequencies) {
  EXPECT_EQ(ChannelCodes[0], (ByteString{0xFF, 0xFF, 0xFF, 0xFF}));
  for (int k = 1; k < kChannelListCount; ++k) {
    const std::string hz = PmrChannelHzText(k);
    EXPECT_EQ(hz, std::to_string(std::llround(PmrFrequencies[k - 1] * 1e6)));
    EXPECT_EQ(ChannelCodes[k], EncodeFrequency(hz)) << "channel " << k;
  }
  EXPECT_EQ(PmrChannelHzText(1), "446006250");
  EXPECT_EQ(PmrChannelHzText(8), "446093750");
  EXPECT_EQ(PmrChannelHzText(0), "");
  EXPECT_EQ(PmrChannelHzText(9), "");
}

TEST(PmrChannels, EveryChannelOfTheBandIsFoundAtItsFrequencyAndNothingBetween) {
  for (int channel = 1; channel <= kPmrBandChannelCount; ++channel) {
    const std::int64_t hz = PmrChannelHz(channel);
    EXPECT_EQ(PmrChannelAt(hz, kPmrBandChannelCount), channel);
    EXPECT_EQ(PmrChannelAt(hz, kPmrChannelCount), channel <= kPmrChannelCount ? channel : 0);
    EXPECT_EQ(PmrChannelAt(hz + 10, kPmrBandChannelCount), 0);
    EXPECT_EQ(PmrChannelAt(hz - 10, kPmrBandChannelCount), 0);
  }
  EXPECT_EQ(PmrChannelHz(16), 446193750);
  EXPECT_EQ(PmrChannelAt(PmrChannelHz(0), kPmrBandChannelCount), 0);
  EXPECT_EQ(PmrChannelAt(PmrChannelHz(17), kPmrBandChannelCount), 0);
  EXPECT_EQ(PmrChannelAt(0, kPmrBandChannelCount), 0);
}

// Saved plans and the tone index tables store list positions, so the DQT order is fixed.
TEST(Tables, ItemTexts) {
  EXPECT_EQ(ChannelItemText(0, "."), "Not in use");
  EXPECT_EQ(ChannelItemText(1, "."), "1 - 446.00625 MHz");
  EXPECT_EQ(ChannelItemText(1, ","), "1 - 446,00625 MHz");
  EXPECT_EQ(ToneItemText(0, ","), "None");
  EXPECT_EQ(ToneItemText(1, "."), "1 - 67 Hz");
  EXPECT_EQ(ToneItemText(2, ","), "2 - 71,9 Hz");
  EXPECT_EQ(ToneItemText(12, "."), "12 - 100 Hz");
  EXPECT_EQ(ToneItemText(28, "."), "28 - D155N");
  EXPECT_EQ(ToneItemText(30, "."), "30 - D243N");
  EXPECT_EQ(ToneItemText(33, "."), "33 - D315N");
  EXPECT_EQ(ToneItemText(37, "."), "37 - D431N");
}
