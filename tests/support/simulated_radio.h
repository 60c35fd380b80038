#pragma once

#include <string>

#include "radio/serial_link.h"
#include "tools/radiosim/simulated_line.h"

// A simulated radio on a line in simulated time, and the link a transfer runs on to it.
struct SimulatedRadio {
  RadioSimulator radio;
  SimulatedLine line{radio};
  TBlockSerial link{line, line.Clock()};
  const std::string port = line.PortName();
};
