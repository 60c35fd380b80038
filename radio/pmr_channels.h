#pragma once

#include <cstdint>

// The PMR446 channel grid: channel k lies at 446.00625 MHz + 12.5 kHz × (k − 1).
inline constexpr std::int64_t kPmrFirstChannelHz = 446006250;
inline constexpr std::int64_t kPmrChannelSpacingHz = 12500;
// The radio's channel list knows the first 8; the band has had 16 since it was widened in
// 2016.
inline constexpr int kPmrChannelCount = 8;
inline constexpr int kPmrBandChannelCount = 16;

constexpr std::int64_t PmrChannelHz(int channel) {
  return kPmrFirstChannelHz + kPmrChannelSpacingHz * (channel - 1);
}

// The channel 1..channelCount that lies at this frequency; 0 for any other frequency.
constexpr int PmrChannelAt(std::int64_t hz, int channelCount) {
  const std::int64_t offset = hz - kPmrFirstChannelHz;
  if (offset < 0 || offset % kPmrChannelSpacingHz != 0) {
    return 0;
  }
  const std::int64_t channel = offset / kPmrChannelSpacingHz + 1;
  return channel <= channelCount ? static_cast<int>(channel) : 0;
}
