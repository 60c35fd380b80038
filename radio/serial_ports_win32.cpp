#include <string>

#include "radio/serial_ports.h"

namespace {

constexpr int kComPortCount = 32;

}  // namespace

std::vector<SerialPortEntry> AvailableSerialPorts() {
  std::vector<SerialPortEntry> ports;
  for (int port = 1; port <= kComPortCount; ++port) {
    ports.push_back({"COM" + std::to_string(port), ""});
  }
  return ports;
}
