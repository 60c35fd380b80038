#include "radio/serial_link.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace {

// Decimal digits only, no sign or blanks; -1 for anything else, including overflow.
int WholeNumber(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(),
                                   [](unsigned char c) { return std::isdigit(c) != 0; })) {
    return -1;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

int ComNumber(const std::string& name) {
  const std::string upper = UpperCase(name);
  if (!upper.starts_with("COM")) {
    return -1;
  }
  const int number = WholeNumber(std::string_view(upper).substr(3));
  return number >= 1 ? number : -1;
}

int PortNumberForName(const std::string& name) {
  if (const int number = ComNumber(name); number >= 1) {
    return number - 1;
  }
  // The first serial device on a POSIX system is ttyS0: the same number "COM1" has.
  constexpr std::string_view kSerialDevicePrefix = "/DEV/TTYS";
  const std::string upper = UpperCase(name);
  if (upper.starts_with(kSerialDevicePrefix)) {
    return WholeNumber(std::string_view(upper).substr(kSerialDevicePrefix.size()));
  }
  return -1;
}

bool TBlockSerial::ReadyForTransfer() {
  if (!isOpen_) {
    lastError_ = kErrNotOpen;
    return false;
  }
  if (lineLost_) {
    lastError_ = kErrLineLost;
    return false;
  }
  return true;
}

ByteString TBlockSerial::ReceiveChunk(int timeoutMs) {
  const auto deadline = DeadlineAfterMs(timeoutMs);
  if (!waitHandler_) {
    return ReceiveBefore(deadline);
  }
  for (;;) {
    // Once a handler has run past the deadline, a last look still takes what came meanwhile.
    const auto sliceEnd =
        std::min(deadline, SteadyClock::now() + std::chrono::milliseconds(kWaitSliceMs));
    ByteString chunk = ReceiveBefore(sliceEnd);
    if (!chunk.empty() || lastError_ != kErrTimeout || SteadyClock::now() >= deadline) {
      return chunk;
    }
    waitHandler_();
  }
}
