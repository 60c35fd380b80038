#include "radio/hex_text.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kAddressDigits = 4;

}  // namespace

std::string HexDigits(std::uint32_t value, int digits) {
  std::string text;
  do {
    text.insert(text.begin(), kHexDigits[value & 0x0F]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(text.size()) < digits) {
    text.insert(0, digits - text.size(), '0');
  }
  return text;
}

std::string HexBytes(const ByteString& bytes, const char* separator) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    if (!text.empty()) {
      text += separator;
    }
    text += HexDigits(byte, 2);
  }
  return text;
}

std::string HexAddress(std::uint16_t address) {
  return "0x" + HexDigits(address, kAddressDigits);
}
