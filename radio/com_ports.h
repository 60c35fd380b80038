#pragma once

#include <string>
#include <vector>

#include "radio/serial_ports.h"

// A device of the Ports class as SetupAPI reports it.
struct ComPortDevice {
  std::string portName;      // its PortName ("COM5"); empty when it has none
  std::string friendlyName;  // as Device Manager shows it: "USB-SERIAL CH340 (COM5)"
};

// The devices of the Ports class that are present.
std::vector<ComPortDevice> PresentComPortDevices();

// The Windows port list from what the system reports: the ports of the serial-port map
// (HARDWARE\DEVICEMAP\SERIALCOMM), which are the ones present, by number and named after
// their device without the port's own name at the end; a separator; then the other
// numbers of COM1 to COM32, since a port the system does not list may still answer.
std::vector<SerialPortEntry> ListComPorts(const std::vector<std::string>& mappedPorts,
                                          const std::vector<ComPortDevice>& devices);
