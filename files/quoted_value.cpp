#include "files/quoted_value.h"

#include <cstddef>
#include <string>

namespace {

constexpr std::size_t kShownValueBytes = 40;

}  // namespace

LogLine QuotedValue(std::string_view value) {
  if (value.size() <= kShownValueBytes) {
    return Literal("\"" + std::string(value) + "\"");
  }
  std::size_t end = kShownValueBytes;
  while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) {
    --end;
  }
  return Literal("\"" + std::string(value.substr(0, end)) + "...\"");
}
