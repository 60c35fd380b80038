#pragma once

// The system calls TBlockSerial is built from. The platform's own (serial_link_posix.cpp,
// serial_link_win32.cpp) wait on the steady clock; a test may give a link a line in memory
// instead, whose waits pass simulated time. serial_link.cpp holds the sequence of each
// operation and its bookkeeping around them. Every failure comes back as a SerialError.

#include <cstdint>
#include <optional>
#include <string>

#include "radio/byte_string.h"
#include "radio/link_clock.h"
#include "radio/serial_error.h"

// A file descriptor or a Windows handle; -1 means none to both.
using SerialPortHandle = std::intptr_t;
inline constexpr SerialPortHandle kNoSerialPort = -1;

class SerialSystem {
 public:
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

  virtual ~SerialSystem() = default;

  // Opens the device for this program alone, with the driver's queues and time-outs set up.
  virtual SerialError Open(const std::string& devicePath, SerialPortHandle& port) = 0;
  virtual SerialError SetModemLine(SerialPortHandle port, ModemLine line, bool asserted) = 0;
  virtual SerialError Configure(SerialPortHandle port, const LineSettings& settings) = 0;
  // Blocks until the bytes are written, for at most TBlockSerial::kDeadlockTimeoutMs.
  virtual SerialError Send(SerialPortHandle port, const ByteString& bytes) = 0;
  // Waits for input until the deadline, a time on the link's clock, and takes what is
  // queued then; TimedOut when none came.
  virtual SerialError Receive(SerialPortHandle port, SteadyClock::time_point deadline,
                              ByteString& received) = 0;
  // Discards both driver queues and aborts what is pending.
  virtual SerialError Purge(SerialPortHandle port) = 0;
  virtual void Release(SerialPortHandle port) = 0;
};

// The serial ports of the system the program runs on; their waits run on the steady clock.
SerialSystem& PlatformSerialSystem();
