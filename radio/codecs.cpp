#include "radio/codecs.h"

#include <algorithm>
#include <vector>

#include "radio/hex_text.h"
#include "radio/tables.h"

namespace {

// Hz text holds nine digits; the code keeps the first eight (10 Hz units).
constexpr std::size_t kHzTextLength = 9;
const char kNotInUseHzText[] = "FFFFFFFFF";

// Only ASCII spaces and control characters count as blank; anything else the user
// typed makes the text a frequency, however odd.
bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
  });
}

// The characters of a UTF-8 text, each with its bytes, so that padding and pairing count
// what the user sees in the edit box rather than bytes.
std::vector<std::string> SplitCharacters(const std::string& text) {
  std::vector<std::string> characters;
  for (const char c : text) {
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (continuation && !characters.empty()) {
      characters.back() += c;
    } else {
      characters.emplace_back(1, c);
    }
  }
  return characters;
}

int HexDigitValue(const std::string& character) {
  if (character.size() != 1) {
    return -1;
  }
  const char c = character[0];
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

}  // namespace

int FindChannelCode(const ByteString& code) {
  const auto found = std::find(ChannelCodes.begin(), ChannelCodes.end(), code);
  return found == ChannelCodes.end() ? 0 : static_cast<int>(found - ChannelCodes.begin());
}

// A list without a selection has no code, yet the record half must stay 8 bytes long;
// "not in use" is the one code that cannot put the radio on a wrong frequency.
ByteString ChannelCodeForIndex(int index) {
  if (index < 0 || index >= kChannelListCount) {
    return ChannelCodes[0];
  }
  return ChannelCodes[index];
}

// Only a 4-byte code is a frequency; anything else shows as not in use.
std::string DecodeFrequency(const ByteString& code) {
  if (code.size() != kFrequencyCodeSize || code == ChannelCodes[0]) {
    return {};
  }
  return HexBytes(ByteString(code.rbegin(), code.rend()), "") + "0";
}

// Reading each pair as hex rather than decimal makes this the exact inverse of
// DecodeFrequency for every code, BCD or not.
ByteString EncodeFrequency(const std::string& text) {
  auto characters = SplitCharacters(IsBlank(text) ? kNotInUseHzText : text);
  if (characters.size() < kHzTextLength) {
    characters.insert(characters.begin(), kHzTextLength - characters.size(), "0");
  }
  ByteString code(kFrequencyCodeSize);
  for (std::size_t pair = 0; pair < kFrequencyCodeSize; ++pair) {
    const int high = HexDigitValue(characters[2 * pair]);
    const int low = HexDigitValue(characters[2 * pair + 1]);
    // The text reads most significant pair first; the code stores it last.
    code[kFrequencyCodeSize - 1 - pair] =
        (high < 0 || low < 0) ? 0x00 : static_cast<std::uint8_t>(high * 16 + low);
  }
  return code;
}

// 00 00 is not looked up: it is "None" whether found or not.
int FindToneCode(const ByteString& code) {
  for (int index = 1; index <= kQtToneCount; ++index) {
    if (ToneCodes[index] == code) {
      return index;
    }
  }
  for (int j = 0; j < kDqtCount; ++j) {
    if (DqtCodes[j] == code) {
      return kFirstDqtIndex + j;
    }
  }
  return 0;
}

// As for channels: a list without a selection writes "no tone" and keeps the half 8 bytes.
ByteString ToneCodeForIndex(int index) {
  if (index < 0 || index >= kToneListCount) {
    return ToneCodes[0];
  }
  if (index >= kFirstDqtIndex) {
    return DqtCodes[index - kFirstDqtIndex];
  }
  return ToneCodes[index];
}

bool BitIsSet(std::uint8_t value, int position) {
  if (position < 1 || position > 8) {
    return false;
  }
  return (value >> (8 - position)) & 1;
}

ByteString BitsToByte(const std::string& bits) {
  std::uint8_t value = 0;
  for (const char bit : bits) {
    // Shifting in an 8-bit value keeps exactly the low 8 bits of the sum.
    value = static_cast<std::uint8_t>((value << 1) | (bit == '1' ? 1 : 0));
  }
  return {value};
}

ByteString ChannelFlagsByte(bool bit2Flag, bool shift, bool lockout) {
  std::string bits = "11111";
  bits += bit2Flag ? '0' : '1';
  bits += shift ? '0' : '1';
  bits += lockout ? '0' : '1';
  return BitsToByte(bits);
}

std::string HexDump(const ByteString& bytes) {
  const std::string count = "(" + std::to_string(bytes.size()) + " bytes) ";
  return bytes.empty() ? count : count + " " + HexBytes(bytes, " ");
}
