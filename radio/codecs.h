#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "radio/byte_string.h"

// A frequency code is the frequency in 10 Hz units as eight packed BCD digits, least
// significant byte first; a tone code is four BCD digits (or a DQT value), also LSB first.
inline constexpr std::size_t kFrequencyCodeSize = 4;
inline constexpr std::size_t kToneCodeSize = 2;

// Channel list index 0..8 of a frequency code; 0 ("Not in use") for FF FF FF FF and for
// anything that is not exactly one of the eight PMR446 codes.
int FindChannelCode(const ByteString& code);
// Frequency code of a channel list index; FF FF FF FF for an index outside 0..8.
ByteString ChannelCodeForIndex(int index);

// Hz text of a frequency code: nine characters, or empty for FF FF FF FF.
std::string DecodeFrequency(const ByteString& code);
// Frequency code of a Hz text (UTF-8); a blank text means "not in use".
ByteString EncodeFrequency(const std::string& text);

// Tone list index 0..38 of a tone code; 0 ("None") for anything not in the tables.
int FindToneCode(const ByteString& code);
// Tone code of a tone list index; 00 00 for an index outside 0..38.
ByteString ToneCodeForIndex(int index);

// Bit positions count from the most significant bit: position 1 is bit 7, 8 is bit 0.
bool BitIsSet(std::uint8_t value, int position);
// A text of "0" and "1", most significant digit first, as a one-byte string (low 8 bits).
ByteString BitsToByte(const std::string& bits);
// Bits 7..3 always set; each flag that is set clears its bit (2, 1, 0): active low.
ByteString ChannelFlagsByte(bool bit2Flag, bool shift, bool lockout);

// "(2 bytes)  00 06": the count, then each byte as a space and two upper-case digits.
std::string HexDump(const ByteString& bytes);
