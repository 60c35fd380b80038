#include "radio/serial_ports.h"

std::string PortItemText(const SerialPortEntry& port) {
  return port.description.empty() ? port.path : port.path + " \u2014 " + port.description;
}
