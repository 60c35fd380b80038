#include "radio/tables.h"

#include <charconv>

#include "radio/log_line.h"

// Division rounds correctly, so each value is the double nearest its MHz text, as a typed
// constant would be.
const std::array<double, kPmrChannelCount> PmrFrequencies = [] {
  std::array<double, kPmrChannelCount> mhz{};
  for (int channel = 1; channel <= kPmrChannelCount; ++channel) {
    mhz[channel - 1] = static_cast<double>(PmrChannelHz(channel)) / 1e6;
  }
  return mhz;
}();

const std::array<double, kQtToneCount> ToneFrequencies = {
    67.0,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0, 103.5,
    107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7, 162.2};

const std::array<ByteString, kChannelListCount> ChannelCodes = {{
    {0xFF, 0xFF, 0xFF, 0xFF},
    {0x25, 0x06, 0x60, 0x44},
    {0x75, 0x18, 0x60, 0x44},
    {0x25, 0x31, 0x60, 0x44},
    {0x75, 0x43, 0x60, 0x44},
    {0x25, 0x56, 0x60, 0x44},
    {0x75, 0x68, 0x60, 0x44},
    {0x25, 0x81, 0x60, 0x44},
    {0x75, 0x93, 0x60, 0x44},
}};

const std::array<ByteString, kQtToneCount + 1> ToneCodes = {{
    {0x00, 0x00}, {0x70, 0x06}, {0x19, 0x07}, {0x44, 0x07}, {0x70, 0x07}, {0x97, 0x07},
    {0x25, 0x08}, {0x54, 0x08}, {0x85, 0x08}, {0x15, 0x09}, {0x48, 0x09}, {0x74, 0x09},
    {0x00, 0x10}, {0x35, 0x10}, {0x72, 0x10}, {0x09, 0x11}, {0x48, 0x11}, {0x88, 0x11},
    {0x30, 0x12}, {0x73, 0x12}, {0x18, 0x13}, {0x65, 0x13}, {0x13, 0x14}, {0x62, 0x14},
    {0x14, 0x15}, {0x67, 0x15}, {0x22, 0x16},
}};

const std::array<const char*, kDqtCount> DqtNames = {"D132N", "D155N", "D134N", "D243N",
                                                     "D311N", "D346N", "D315N", "D351N",
                                                     "D423N", "D664N", "D431N", "D723N"};

// D243N is stored as 0x4243, not 0x8243: the radio's own quirk.
const std::array<ByteString, kDqtCount> DqtCodes = {{
    {0x32, 0x81},
    {0x55, 0x81},
    {0x34, 0x81},
    {0x43, 0x42},
    {0x11, 0x83},
    {0x46, 0x83},
    {0x15, 0x83},
    {0x51, 0x83},
    {0x23, 0x84},
    {0x64, 0x86},
    {0x31, 0x84},
    {0x23, 0x87},
}};

std::string FormatGeneral(double value, const std::string& decimalSeparator) {
  // to_chars ignores the C locale, which Qt sets from the environment.
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  if (const auto point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, decimalSeparator);
  }
  return text;
}

std::string ChannelItemText(int index, const std::string& decimalSeparator) {
  if (index == 0) {
    return QT_TRANSLATE_NOOP("Vexalon", "Not in use");
  }
  return std::to_string(index) + " - " +
         FormatGeneral(PmrFrequencies.at(index - 1), decimalSeparator) + " MHz";
}

std::string ToneItemText(int index, const std::string& decimalSeparator) {
  if (index == 0) {
    return QT_TRANSLATE_NOOP("Vexalon", "None");
  }
  if (index < kFirstDqtIndex) {
    return std::to_string(index) + " - " +
           FormatGeneral(ToneFrequencies.at(index - 1), decimalSeparator) + " Hz";
  }
  return std::to_string(index) + " - " + DqtNames.at(index - kFirstDqtIndex);
}

std::string PmrChannelHzText(int index) {
  if (index < 1 || index > kPmrChannelCount) {
    return {};
  }
  return std::to_string(PmrChannelHz(index));
}
