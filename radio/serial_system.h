#pragma once

// The system calls TBlockSerial is built from, one implementation per platform
// (serial_link_posix.cpp, serial_link_win32.cpp). serial_link.cpp holds the sequence of
// each operation and its bookkeeping around them. Every failure comes back as a SerialError.

#include <optional>
#include <string>

#include "radio/byte_string.h"
#include "radio/deadline.h"
#include "radio/serial_error.h"
#include "radio/serial_link.h"

namespace serial_system {

enum class Parity { None, Odd, Even, Mark, Space };
enum class ModemLine { Rts, Dtr };

struct LineSettings {
  int baud = 0;
  int dataBits = 0;
  std::optional<Parity> parity;  // empty: the line keeps its parity
  int stopBits = 0;              // the platform's stop-bit code: 0 one, 1 one and a half, 2 two
  bool softwareFlow = false;
  bool hardwareFlow = false;
};

// Opens the device for this program alone, with the driver's queues and time-outs set up.
SerialError Open(const std::string& devicePath, SerialPortHandle& port);
SerialError SetModemLine(SerialPortHandle port, ModemLine line, bool asserted);
SerialError Configure(SerialPortHandle port, const LineSettings& settings);
// Blocks until the bytes are written, for at most TBlockSerial::kDeadlockTimeoutMs.
SerialError Send(SerialPortHandle port, const ByteString& bytes);
// Waits for input until the deadline and takes what is queued then; TimedOut when none came.
SerialError Receive(SerialPortHandle port, SteadyClock::time_point deadline, ByteString& received);
// Discards both driver queues and aborts what is pending.
SerialError Purge(SerialPortHandle port);
void Release(SerialPortHandle port);

}  // namespace serial_system
