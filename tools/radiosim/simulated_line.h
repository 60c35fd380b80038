#pragma once

#include <string>

#include "radio/serial_system.h"
#include "tools/radiosim/radio_simulator.h"
#include "tools/radiosim/virtual_clock.h"

// A serial line in memory from a link to a simulated radio, on a clock of its own: give a
// link both, `TBlockSerial link(line, line.Clock())`. What the program sends reaches the
// radio at once; the radio's bytes arrive at the simulated times it gives them, so its line
// pacing, reaction delay and faults hold to the nanosecond. A wait for input moves the
// clock on to whatever comes first: the next byte, the radio's next deed of its own, an
// action set on the clock, or the deadline. So a quiet gap is exactly its 25 ms, and every
// run is the same.
//
// Only the port named here opens; a second open while one link holds it finds it busy, as a
// port another program holds. A pulled cable is a lost line, as a hang-up is. The radio keeps
// the times of the clock it is heard on, so it has this one line for its life.
class SimulatedLine : public SerialSystem {
 public:
  static constexpr const char* kDefaultPortName = "/dev/ttySIM0";

  // The radio must outlive the line, and the line every link on it.
  explicit SimulatedLine(RadioSimulator& radio, std::string portName = kDefaultPortName);

  const std::string& PortName() const { return portName_; }
  VirtualClock& Clock() { return clock_; }

  SerialError Open(const std::string& devicePath, SerialPortHandle& port) override;
  SerialError SetModemLine(SerialPortHandle port, ModemLine line, bool asserted) override;
  SerialError Configure(SerialPortHandle port, const LineSettings& settings) override;
  SerialError Send(SerialPortHandle port, const ByteString& bytes) override;
  SerialError Receive(SerialPortHandle port, SteadyClock::time_point deadline,
                      ByteString& received) override;
  SerialError Purge(SerialPortHandle port) override;
  void Release(SerialPortHandle port) override;

 private:
  // What the radio has put on the line by now joins the bytes waiting to be taken.
  void TakeDue();
  // The cable goes once the program has taken the last reply before the pull.
  bool CableGone();

  RadioSimulator& radio_;
  std::string portName_;
  VirtualClock clock_;
  ByteString arrived_;
  bool open_ = false;
  bool pulled_ = false;
};
