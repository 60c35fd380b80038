#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A frequency written in MHz, as other radio programs and the channel card give it.
struct MhzValue {
  std::int64_t hz = 0;
  // The text has digits below 1 Hz that are not zero.
  bool belowHz = false;
};

// The Hz of a decimal MHz text with an optional sign, computed from its digits so that
// "446.00625" is exactly 446006250; nothing when it is not such a number. Whole MHz beyond a
// million all read as a million, which is beyond any frequency.
std::optional<MhzValue> ParseMhz(std::string_view text);

// "446.006250" for 446006250 Hz with 6 decimals and "."; fewer decimals drop the lower Hz
// digits.
std::string MhzText(std::int64_t hz, int decimals, std::string_view separator);
