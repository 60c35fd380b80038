#pragma once

#include <string>
#include <vector>

#include "radio/channel_plan.h"

// What an advanced-mode Hz box may hold for a write: nothing (the channel direction is not
// in use), or 1 to 9 digits, spaces around them allowed, a multiple of 10 Hz and not zero.
// Anything else would reach the radio as a frequency nobody typed.
bool IsWritableHzText(const std::string& text);

// The text without the spaces around it, as the frequency code must be made from it.
std::string TrimmedHzText(const std::string& text);

// "439.98750" for the nine-character Hz text "439987500" that a frequency code decodes to.
std::string MegahertzText(const std::string& hzText);

// An advanced-mode Hz text that IsWritableHzText refuses.
struct UnwritableHzText {
  int channel = 0;
  Direction direction = Direction::Rx;
  std::string text;
  bool operator==(const UnwritableHzText&) const = default;
};
// Every Hz text of an advanced-mode plan a write must not send, by channel, RX before TX;
// none for a normal-mode plan.
std::vector<UnwritableHzText> UnwritableHzTexts(const ChannelPlan& plan);
