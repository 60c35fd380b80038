#include "radio/com_ports.h"
#include "radio/port_device.h"
#include "radio/serial_link.h"

PortDevice DescribePortDevice(const std::string& portName) {
  PortDevice device;
  device.port = portName;
  device.devicePath = DevicePathForName(portName);
  const int number = ComNumber(portName);
  for (const ComPortDevice& present : PresentComPortDevices()) {
    if (number >= 1 && ComNumber(present.portName) == number) {
      device.deviceName = present.friendlyName;
    }
  }
  return device;
}
