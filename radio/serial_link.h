#pragma once

#include <functional>
#include <string>

#include "radio/byte_string.h"
#include "radio/deadline.h"
#include "radio/exchange_trace.h"
#include "radio/serial_error.h"
#include "radio/serial_system.h"

// The serial port as the radio dialogue needs it: at most one open port, six
// operations, no exceptions. A failure only sets the last-error code, so what the
// dialogue sees of any port problem is an empty receive. It runs on the system calls and
// the clock it is given: the platform's and the steady clock unless a test supplies a line.
class TBlockSerial {
 public:
  static constexpr int kDeadlockTimeoutMs = 30000;
  static constexpr int kInputQueueSize = 4096;
  // How often a receive calls the wait handler, by the clock.
  static constexpr int kWaitSliceMs = 5;

  TBlockSerial();
  // Both must outlive the link.
  TBlockSerial(SerialSystem& system, const LinkClock& clock);
  ~TBlockSerial();
  TBlockSerial(const TBlockSerial&) = delete;
  TBlockSerial& operator=(const TBlockSerial&) = delete;

  void OpenPort(const std::string& name);
  void ConfigureLine(int baud, int dataBits, char parity, int stopBits, bool softwareFlow,
                     bool hardwareFlow);
  void SendBytes(const ByteString& bytes);
  ByteString ReceiveChunk(int timeoutMs);
  // As ReceiveChunk, waiting for the first byte until a point in time rather than for whole
  // milliseconds, which would stretch every wait by up to one.
  ByteString ReceiveChunkUntil(SteadyClock::time_point deadline);
  void PurgeBuffers();
  void ClosePort();

  // Called from ReceiveChunk every kWaitSliceMs, whether input is awaited or streaming in,
  // so that a program with a single thread keeps handling its events during a dialogue.
  // Input that arrives while the handler runs is taken afterwards, never lost. Empty: no
  // calls.
  void SetWaitHandler(std::function<void()> handler);

  // While set, each opening of a port starts the trace afresh and every command sent and
  // every piece received is added to it; nullptr records nothing. The caller owns it, and
  // it must outlive its use here.
  void SetTrace(ExchangeTrace* trace) { trace_ = trace; }
  ExchangeTrace* Trace() const { return trace_; }

  // The time on the link's clock, which every wait of the dialogue reads.
  SteadyClock::time_point Now() const { return clock_.Now(); }

  bool IsOpen() const { return port_ != kNoSerialPort; }
  const SerialError& LastError() const { return lastError_; }
  // The path OpenPort used: "COM<n>" mapped to the system's device, anything else as given.
  const std::string& DeviceName() const { return deviceName_; }
  // n - 1 while "COM<n>" (or the device numbered n - 1) is in use, else -1.
  int PortNumber() const { return portNumber_; }

  // Why the last OpenPort failed; None after a successful open.
  const SerialError& OpenError() const { return openError_; }
  // The far side vanished while the port was open (cable pulled, adapter unplugged).
  bool LineLost() const { return lineLost_; }

 private:
  // False, with the link's code for it, while no port is open or the line has been lost.
  bool ReadyForTransfer();
  // One wait for input until the deadline, and what is queued then.
  ByteString ReceiveBefore(SteadyClock::time_point deadline);
  // Stores the outcome of a step; a lost line stays lost until the next open.
  void Record(SerialError error);
  // Runs the wait handler when kWaitSliceMs have passed since it last ran.
  void RunWaitHandlerWhenDue();
  double TraceMs() const;

  SerialSystem& system_;
  const LinkClock& clock_;
  SerialPortHandle port_ = kNoSerialPort;
  std::function<void()> waitHandler_;
  SteadyClock::time_point waitHandlerRan_;
  ExchangeTrace* trace_ = nullptr;
  SteadyClock::time_point traceOrigin_;
  SerialError lastError_;
  SerialError openError_;
  std::string deviceName_;
  int portNumber_ = -1;
  bool lineLost_ = false;
};

// n for a name "COM<n>" in any case, n a whole number from 1 up; -1 for any other name.
int ComNumber(const std::string& name);
// "COM<n>" in any case maps to port number n - 1 (or -1 when n is not a whole number
// from 1 up); so does the device path that names that port on this system.
int PortNumberForName(const std::string& name);
// The device path OpenPort uses for a port name on this system.
std::string DevicePathForName(const std::string& name);
