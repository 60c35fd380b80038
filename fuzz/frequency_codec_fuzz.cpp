// Hz texts and frequency codes: any text encodes to a code without harm, and every
// 4-byte code survives a trip through its Hz text.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "radio/codecs.h"
#include "radio/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Require(EncodeFrequency(text).size() == kFrequencyCodeSize, "a code has four bytes");

  const ByteString code(data, data + size);
  const std::string hz = DecodeFrequency(code);
  if (size != kFrequencyCodeSize || code == ChannelCodes[0]) {
    Require(hz.empty(), "only a 4-byte code in use has a Hz text");
  } else {
    Require(hz.size() == 9, "a Hz text has nine characters");
    Require(EncodeFrequency(hz) == code, "a code survives its Hz text");
  }
  if (size == kFrequencyCodeSize) {
    const int index = FindChannelCode(code);
    Require(index >= 0 && index < kChannelListCount, "a channel index is in the list");
    Require(index == 0 || ChannelCodeForIndex(index) == code, "a found channel has this code");
  }

  // Nine hex digits read back as their first eight, upper case, in 10 Hz units.
  const bool nineHexDigits =
      size == 9 &&
      std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
  if (nineHexDigits) {
    std::string expected = text.substr(0, 8) + "0";
    std::transform(expected.begin(), expected.end(), expected.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string back = DecodeFrequency(EncodeFrequency(text));
    Require(back == expected || (back.empty() && expected == "FFFFFFFF0"),
            "a Hz text of hex digits reads back");
  }
  return 0;
}
