#include "radio/hz_text.h"

#include <utility>

#include "radio/text_rules.h"

namespace {

constexpr std::size_t kMaxHzDigits = 9;
// Hz text digits in front of the decimal point of the MHz value.
constexpr std::size_t kMegahertzDigits = 3;
// The code counts 10 Hz units, so the last Hz digit is always 0 and not shown.
constexpr std::size_t kShownFractionDigits = 5;

}  // namespace

std::string TrimmedHzText(const std::string& text) {
  return std::string(Trim(text, kSpacesAndTabs));
}

bool IsWritableHzText(const std::string& text) {
  const std::string digits = TrimmedHzText(text);
  if (digits.empty()) {
    return true;
  }
  if (digits.size() > kMaxHzDigits || !AllDigits(digits)) {
    return false;
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  return !zero && digits.back() == '0';
}

std::string MegahertzText(const std::string& hzText) {
  return hzText.substr(0, kMegahertzDigits) + "." +
         hzText.substr(kMegahertzDigits, kShownFractionDigits);
}

std::vector<UnwritableHzText> UnwritableHzTexts(const ChannelPlan& plan) {
  std::vector<UnwritableHzText> unwritable;
  if (!plan.advancedMode) {
    return unwritable;
  }
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    const ChannelRow& row = plan.channels[channel - 1];
    for (const auto& [direction, text] :
         {std::pair{Direction::Rx, row.rxHzText}, std::pair{Direction::Tx, row.txHzText}}) {
      if (!IsWritableHzText(text)) {
        unwritable.push_back({channel, direction, text});
      }
    }
  }
  return unwritable;
}
