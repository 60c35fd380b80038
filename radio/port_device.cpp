#include "radio/port_device.h"

#include <vector>

namespace {

// The adapter's own words, with the maker only when the product's name leaves it out.
std::string UsbNames(const PortDevice& device) {
  if (device.product.empty() || device.product.starts_with(device.manufacturer)) {
    return device.product.empty() ? device.manufacturer : device.product;
  }
  return device.manufacturer.empty() ? device.product : device.manufacturer + " " + device.product;
}

LogLine UsbAdapterLine(const PortDevice& device) {
  const std::string ids = device.vendorId + ":" + device.productId;
  const std::string names = UsbNames(device);
  return Line(QT_TRANSLATE_NOOP("Vexalon", "USB adapter %1"),
              {Literal(names.empty() ? ids : names + " (" + ids + ")")});
}

LogLine KindLine(const PortDevice& device) {
  switch (device.kind) {
    case PortDevice::Kind::NotFound:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "no such device"));
    case PortDevice::Kind::UsbAdapter:
      return UsbAdapterLine(device);
    case PortDevice::Kind::BuiltInUart:
      return device.uartHardware
                 ? Line(QT_TRANSLATE_NOOP("Vexalon", "built-in serial port"))
                 : Line(QT_TRANSLATE_NOOP("Vexalon",
                                          "built-in serial port where no hardware answers"));
    case PortDevice::Kind::PseudoTerminal:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "pseudo-terminal: a program, not a cable"));
    case PortDevice::Kind::Other:
      break;
  }
  return device.deviceName.empty()
             ? Line(QT_TRANSLATE_NOOP("Vexalon", "the system says nothing of this device"))
             : Literal(device.deviceName);
}

}  // namespace

LogLine PortDeviceLine(const PortDevice& device) {
  std::vector<LogLine> parts{KindLine(device)};
  if (!device.driver.empty()) {
    parts.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "driver %1"), {Literal(device.driver)}));
  }
  if (device.latencyTimerMs) {
    parts.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "latency timer %1 ms"),
                         {Literal(*device.latencyTimerMs)}));
  }
  LogLine described = parts.front();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    described = Line(QT_TRANSLATE_NOOP("Vexalon", "%1, %2"), {described, parts[i]});
  }
  const bool renamed = !device.devicePath.empty() && device.devicePath != device.port;
  return Line(
      QT_TRANSLATE_NOOP("Vexalon", "%1: %2"),
      {Literal(renamed ? device.port + " (" + device.devicePath + ")" : device.port), described});
}
