#include "tools/radiosim/simulated_line.h"

#include <cerrno>
#include <system_error>

#include "radio/serial_link.h"

namespace {

constexpr SerialPortHandle kThePort = 1;

SerialError SystemError(int error) {
  return {SerialError::System, std::generic_category().message(error)};
}

}  // namespace

SimulatedLine::SimulatedLine(RadioSimulator& radio, std::string portName)
    : radio_(radio), portName_(std::move(portName)) {}

SerialError SimulatedLine::Open(const std::string& devicePath, SerialPortHandle& port) {
  if (devicePath != DevicePathForName(portName_)) {
    return SystemError(ENOENT);
  }
  if (open_) {
    return {SerialError::PortBusy};
  }
  // The far side of a pulled cable is gone for good, as a pty's whose master has closed.
  if (pulled_) {
    return SystemError(EIO);
  }
  open_ = true;
  port = kThePort;
  return {};
}

SerialError SimulatedLine::SetModemLine(SerialPortHandle, ModemLine, bool) {
  return {};
}

SerialError SimulatedLine::Configure(SerialPortHandle, const LineSettings&) {
  return {};
}

SerialError SimulatedLine::Send(SerialPortHandle, const ByteString& bytes) {
  TakeDue();
  if (CableGone()) {
    return {SerialError::LineLost};
  }
  radio_.Hear(bytes, clock_.Now());
  return {};
}

SerialError SimulatedLine::Receive(SerialPortHandle, SteadyClock::time_point deadline,
                                   ByteString& received) {
  for (;;) {
    TakeDue();
    if (!arrived_.empty()) {
      received = std::move(arrived_);
      arrived_.clear();
      return {};
    }
    if (CableGone()) {
      return {SerialError::LineLost};
    }
    std::optional<SteadyClock::time_point> next = radio_.NextEvent();
    if (const auto action = clock_.NextAction(); action && (!next || *action < *next)) {
      next = action;
    }
    // A byte due at the deadline comes after a full quiet gap: the next receive takes it.
    if (!next || *next >= deadline) {
      clock_.AdvanceTo(deadline);
      return {SerialError::TimedOut};
    }
    clock_.AdvanceTo(*next);
  }
}

SerialError SimulatedLine::Purge(SerialPortHandle) {
  TakeDue();
  arrived_.clear();
  return pulled_ ? SerialError{SerialError::LineLost} : SerialError{};
}

void SimulatedLine::Release(SerialPortHandle) {
  open_ = false;
}

void SimulatedLine::TakeDue() {
  const RadioSimulator::Output output = radio_.Speak(clock_.Now());
  arrived_.insert(arrived_.end(), output.reply.begin(), output.reply.end());
  if (output.filler) {
    arrived_.push_back(RadioSimulator::kFillerByte);
  }
}

bool SimulatedLine::CableGone() {
  if (!pulled_ && arrived_.empty() && radio_.CableDueToBePulled()) {
    pulled_ = true;
    radio_.CableWasPulled();
  }
  return pulled_;
}
