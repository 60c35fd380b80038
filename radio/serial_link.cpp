#include "radio/serial_link.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace {

using ModemLine = SerialSystem::ModemLine;
using Parity = SerialSystem::Parity;

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

// The parity a letter names; none for a letter that names no parity, which leaves the
// line's parity as it is.
std::optional<Parity> ParityForLetter(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'N':
      return Parity::None;
    case 'O':
      return Parity::Odd;
    case 'E':
      return Parity::Even;
    case 'M':
      return Parity::Mark;
    case 'S':
      return Parity::Space;
    default:
      return std::nullopt;
  }
}

}  // namespace

LogLine SerialError::Reason() const {
  switch (kind) {
    case None:
      return Literal("");
    case NotOpen:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "the port is not open"));
    case AlreadyOpen:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "the port is already open"));
    case TimedOut:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "nothing arrived in time"));
    case LineError:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "a framing, overrun or parity error on the line"));
    case LineLost:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "the connection to the device was lost"));
    case PortBusy:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "the port is in use by another program"));
    case NotASerialPort:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "not a serial port"));
    case AccessDenied:
    case System:
      break;
  }
  return Literal(systemText);
}

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

TBlockSerial::TBlockSerial() : TBlockSerial(PlatformSerialSystem(), SteadyLinkClock()) {}

TBlockSerial::TBlockSerial(SerialSystem& system, const LinkClock& clock)
    : system_(system), clock_(clock) {}

TBlockSerial::~TBlockSerial() {
  ClosePort();
}

void TBlockSerial::Record(SerialError error) {
  if (error.kind == SerialError::LineLost) {
    lineLost_ = true;
  }
  lastError_ = std::move(error);
}

bool TBlockSerial::ReadyForTransfer() {
  if (!IsOpen()) {
    lastError_ = {SerialError::NotOpen};
    return false;
  }
  if (lineLost_) {
    lastError_ = {SerialError::LineLost};
    return false;
  }
  return true;
}

void TBlockSerial::OpenPort(const std::string& name) {
  if (IsOpen()) {
    lastError_ = {SerialError::AlreadyOpen};
    return;
  }
  deviceName_ = DevicePathForName(name);
  if (trace_ != nullptr) {
    *trace_ = {name, {}};
  }
  if (SerialError error = system_.Open(deviceName_, port_); error.kind != SerialError::None) {
    port_ = kNoSerialPort;
    portNumber_ = -1;
    openError_ = error;
    lastError_ = std::move(error);
    return;
  }
  traceOrigin_ = Now();
  portNumber_ = PortNumberForName(name);
  openError_ = {};
  lineLost_ = false;
  // A pseudo-terminal has no modem lines; these then only set the last-error code.
  lastError_ = system_.SetModemLine(port_, ModemLine::Rts, true);
  lastError_ = system_.SetModemLine(port_, ModemLine::Dtr, true);
  PurgeBuffers();
}

void TBlockSerial::ConfigureLine(int baud, int dataBits, char parity, int stopBits,
                                 bool softwareFlow, bool hardwareFlow) {
  if (!IsOpen()) {
    lastError_ = {SerialError::NotOpen};
    return;
  }
  Record(
      system_.Configure(port_, SerialSystem::LineSettings{baud, dataBits, ParityForLetter(parity),
                                                          stopBits, softwareFlow, hardwareFlow}));
}

void TBlockSerial::SendBytes(const ByteString& bytes) {
  if (ReadyForTransfer()) {
    if (trace_ != nullptr) {
      trace_->exchanges.push_back({TraceMs(), bytes, {}});
    }
    Record(system_.Send(port_, bytes));
  }
}

ByteString TBlockSerial::ReceiveBefore(SteadyClock::time_point deadline) {
  ByteString received;
  if (ReadyForTransfer()) {
    Record(system_.Receive(port_, deadline, received));
  }
  if (trace_ != nullptr && !received.empty()) {
    if (trace_->exchanges.empty()) {
      trace_->exchanges.emplace_back();
    }
    trace_->exchanges.back().reply.push_back({TraceMs(), received});
  }
  return received;
}

void TBlockSerial::SetWaitHandler(std::function<void()> handler) {
  waitHandler_ = std::move(handler);
  waitHandlerRan_ = Now();
}

void TBlockSerial::RunWaitHandlerWhenDue() {
  if (Now() - waitHandlerRan_ >= std::chrono::milliseconds(kWaitSliceMs)) {
    waitHandler_();
    waitHandlerRan_ = Now();
  }
}

double TBlockSerial::TraceMs() const {
  return std::chrono::duration<double, std::milli>(Now() - traceOrigin_).count();
}

ByteString TBlockSerial::ReceiveChunk(int timeoutMs) {
  return ReceiveChunkUntil(DeadlineAfterMs(clock_, timeoutMs));
}

ByteString TBlockSerial::ReceiveChunkUntil(SteadyClock::time_point deadline) {
  if (!waitHandler_) {
    return ReceiveBefore(deadline);
  }
  for (;;) {
    // By the clock, also when bytes keep coming: a 20-byte reply takes 23 ms on the line,
    // and each of its chunks ends a receive long before a slice would.
    RunWaitHandlerWhenDue();
    // Once a handler has run past the deadline, a last look still takes what came meanwhile.
    const auto sliceEnd =
        std::min(deadline, waitHandlerRan_ + std::chrono::milliseconds(kWaitSliceMs));
    ByteString chunk = ReceiveBefore(sliceEnd);
    if (!chunk.empty() || lastError_.kind != SerialError::TimedOut || Now() >= deadline) {
      return chunk;
    }
  }
}

void TBlockSerial::PurgeBuffers() {
  if (!IsOpen()) {
    lastError_ = {SerialError::NotOpen};
    return;
  }
  Record(system_.Purge(port_));
}

void TBlockSerial::ClosePort() {
  if (IsOpen()) {
    system_.Purge(port_);
    system_.SetModemLine(port_, ModemLine::Rts, false);
    system_.SetModemLine(port_, ModemLine::Dtr, false);
    system_.Release(port_);
    port_ = kNoSerialPort;
  }
  portNumber_ = -1;
  lastError_ = {};
}
