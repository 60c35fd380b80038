#pragma once

#include <array>
#include <optional>
#include <string>

// The radio's channels, numbered 1 to 15: records 1 to 15 of each bank.
inline constexpr int kChannelCount = 15;

enum class Direction { Rx, Tx };

// One channel of a plan. Normal mode uses the channel list indexes, advanced
// mode the Hz texts; list indexes are -1 when nothing is selected.
struct ChannelRow {
  int rxChannelIndex = 0;
  int txChannelIndex = 0;
  // Braced, so that a designated initializer may leave the texts out.
  std::string rxHzText{};
  std::string txHzText{};
  int rxToneIndex = 0;
  int txToneIndex = 0;
  bool shift = false;
  bool lockout = false;
  bool operator==(const ChannelRow&) const = default;
};

// The operating settings. The list values are item indexes (-1 for none); after a read
// they are the radio's bytes as they stand, which may lie beyond the end of their list.
struct RadioSettings {
  bool beepTones = false;
  bool batterySaving = false;
  bool selfProgramming = false;
  int squelchLevel = 0;
  int monitorKey = 0;
  int tot = 0;
  int totRekey = 0;
  int totReset = 0;
  bool operator==(const RadioSettings&) const = default;
};

// The settings a new plan starts with, and what a plan file's missing keys read as.
inline constexpr int kDefaultMonitorKey = 3;
inline constexpr int kDefaultSquelchLevel = 5;
inline constexpr RadioSettings kDefaultSettings = {.beepTones = true,
                                                   .batterySaving = true,
                                                   .selfProgramming = true,
                                                   .squelchLevel = kDefaultSquelchLevel,
                                                   .monitorKey = kDefaultMonitorKey};

// A channel plan: the mode its frequencies are in, the 15 rows in that mode's fields, and
// the settings when the plan has them. A write without settings leaves the radio's own.
struct ChannelPlan {
  bool advancedMode = false;
  // Braced, so that a designated initializer may leave them out.
  std::array<ChannelRow, kChannelCount> channels{};
  std::optional<RadioSettings> settings{};
  bool operator==(const ChannelPlan&) const = default;
};
