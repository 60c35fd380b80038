#include "radio/mhz_text.h"

#include <algorithm>

#include "radio/text_rules.h"

namespace {

constexpr std::int64_t kHzPerMhz = 1000000;
constexpr std::size_t kMhzFractionDigits = 6;
// Keeps the sums in range however many digits the text has.
constexpr std::int64_t kMhzCap = 1000000;

}  // namespace

std::optional<MhzValue> ParseMhz(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction)) {
    return std::nullopt;
  }
  std::int64_t mhz = 0;
  for (const char c : whole) {
    mhz = std::min(mhz * 10 + (c - '0'), kMhzCap);
  }
  std::int64_t fractionHz = 0;
  for (std::size_t i = 0; i < kMhzFractionDigits; ++i) {
    fractionHz = fractionHz * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  }
  MhzValue value;
  value.hz = (mhz * kHzPerMhz + fractionHz) * (negative ? -1 : 1);
  value.belowHz = fraction.size() > kMhzFractionDigits &&
                  fraction.find_first_not_of('0', kMhzFractionDigits) != std::string_view::npos;
  return value;
}

std::string MhzText(std::int64_t hz, int decimals, std::string_view separator) {
  std::string fraction = std::to_string(hz % kHzPerMhz);
  fraction.insert(0, kMhzFractionDigits - fraction.size(), '0');
  fraction.resize(static_cast<std::size_t>(decimals));
  return std::to_string(hz / kHzPerMhz) + std::string(separator) + fraction;
}
