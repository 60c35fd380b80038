#include <charconv>
#include <fstream>
#include <system_error>

#include "radio/port_device.h"
#include "radio/serial_link.h"

namespace fs = std::filesystem;

namespace {

// The first line of a sysfs attribute; empty when it cannot be read.
std::string Attribute(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  const auto end = line.find_last_not_of(" \t\r");
  return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

std::optional<int> WholeNumberAttribute(const fs::path& file) {
  const std::string text = Attribute(file);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// The name of the driver bound to a sysfs device; empty when none is. Since Linux 6.5 a
// built-in UART's port sits below two devices of the serial core's own bus, whose drivers
// say nothing of the hardware.
std::string DriverOf(fs::path node) {
  for (; !node.empty() && node != node.parent_path(); node = node.parent_path()) {
    std::error_code error;
    const fs::path driver = fs::canonical(node / "driver", error);
    if (error) {
      return {};
    }
    if (driver.parent_path().parent_path().filename() != "serial-base") {
      return driver.filename().string();
    }
  }
  return {};
}

// The port sits below its USB interface, which sits below the USB device that carries
// the identifiers; false when no device above it does.
bool DescribeUsbDevice(fs::path node, const fs::path& sysRoot, PortDevice& device) {
  std::error_code error;
  const fs::path root = fs::canonical(sysRoot, error);
  for (; !error && !node.empty() && node != root && node != node.parent_path();
       node = node.parent_path()) {
    device.vendorId = Attribute(node / "idVendor");
    device.productId = Attribute(node / "idProduct");
    if (!device.vendorId.empty() && !device.productId.empty()) {
      device.manufacturer = Attribute(node / "manufacturer");
      device.product = Attribute(node / "product");
      return true;
    }
  }
  device.vendorId.clear();
  device.productId.clear();
  return false;
}

}  // namespace

PortDevice DescribePortDevice(const std::string& portName, const fs::path& sysRoot) {
  PortDevice device;
  device.port = portName;
  device.devicePath = DevicePathForName(portName);
  std::error_code error;
  const fs::path resolved = fs::canonical(device.devicePath, error);
  if (error) {
    device.kind = PortDevice::Kind::NotFound;
    return device;
  }
  device.devicePath = resolved.string();
  if (resolved.parent_path().filename() == "pts") {
    device.kind = PortDevice::Kind::PseudoTerminal;
    return device;
  }
  const fs::path tty = sysRoot / "class" / "tty" / resolved.filename();
  if (const fs::path node = fs::canonical(tty / "device", error); !error) {
    device.driver = DriverOf(node);
    if (DescribeUsbDevice(node, sysRoot, device)) {
      device.kind = PortDevice::Kind::UsbAdapter;
      device.latencyTimerMs = WholeNumberAttribute(node / "latency_timer");
      return device;
    }
  }
  if (resolved.filename().string().starts_with("ttyS")) {
    device.kind = PortDevice::Kind::BuiltInUart;
    // The serial core's port type, 0 where no chip answers.
    device.uartHardware = WholeNumberAttribute(tty / "type").value_or(0) != 0;
  }
  return device;
}

PortDevice DescribePortDevice(const std::string& portName) {
  return DescribePortDevice(portName, "/sys");
}
