#pragma once

#include <array>
#include <string>

#include "radio/byte_string.h"
#include "radio/pmr_channels.h"

// Channel list: index 0 = "Not in use", 1..8 = the PMR446 channels.
inline constexpr int kChannelListCount = kPmrChannelCount + 1;
// Tone list: index 0 = "None", 1..26 = QT tones, 27..38 = DQT codes.
inline constexpr int kToneListCount = 39;
inline constexpr int kQtToneCount = 26;
inline constexpr int kDqtCount = 12;
inline constexpr int kFirstDqtIndex = kQtToneCount + 1;

extern const std::array<double, kPmrChannelCount> PmrFrequencies;  // MHz
extern const std::array<double, kQtToneCount> ToneFrequencies;     // Hz
extern const std::array<ByteString, kChannelListCount> ChannelCodes;
extern const std::array<ByteString, kQtToneCount + 1> ToneCodes;
extern const std::array<const char*, kDqtCount> DqtNames;
// Positions in the tone list, saved files and the radio's tone index tables depend on
// this order, so it must never be sorted.
extern const std::array<ByteString, kDqtCount> DqtCodes;

// A floating value as list items show it: up to 15 significant digits, no trailing
// zeros, with the user's decimal separator.
std::string FormatGeneral(double value, const std::string& decimalSeparator);

// Item texts of the channel and tone lists, e.g. "1 - 446.00625 MHz", "2 - 71.9 Hz".
std::string ChannelItemText(int index, const std::string& decimalSeparator);
std::string ToneItemText(int index, const std::string& decimalSeparator);

// Nine-digit Hz text of PMR446 channel 1..8, the same under every locale; empty for
// any other index.
std::string PmrChannelHzText(int index);
