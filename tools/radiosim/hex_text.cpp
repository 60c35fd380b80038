#include "tools/radiosim/hex_text.h"

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";
}

std::string HexText(const ByteString& bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    if (!text.empty()) {
      text += ' ';
    }
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

std::string HexAddress(std::uint16_t address) {
  return "0x" + HexText({static_cast<std::uint8_t>(address >> 8),
                         static_cast<std::uint8_t>(address & 0xFF)})
                    .erase(2, 1);
}
