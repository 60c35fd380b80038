#pragma once

#include <chrono>

// The radio's serial line: 9600 baud, 8 data bits, no parity, 2 stop bits.
struct LineFormat {
  int baudRate;
  int dataBits;
  char parity;
  int stopBits;
};
inline constexpr LineFormat kRadioLine = {9600, 8, 'N', 2};

// A start bit, the data bits and the stop bits: 11 bit times a byte.
inline constexpr int kLineBitsPerByte = 1 + kRadioLine.dataBits + kRadioLine.stopBits;
// One byte on the line, to the whole microsecond below.
inline constexpr std::chrono::microseconds kLineByteTime(kLineBitsPerByte * 1'000'000 /
                                                         kRadioLine.baudRate);
