#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>
#include <tuple>

#include "radio/port_device.h"
#include "radio/serial_ports.h"

namespace fs = std::filesystem;

namespace {

enum class PortGroup { UsbAdapter, BuiltIn };

struct DeviceName {
  PortGroup group;
  int prefixRank;
  long number;
};

// The kind of a device by its name in /dev; nothing for a name that is no serial port.
std::optional<DeviceName> ParseDeviceName(std::string_view name) {
  static constexpr std::tuple<std::string_view, PortGroup, int> kPrefixes[] = {
      {"ttyUSB", PortGroup::UsbAdapter, 0},
      {"ttyACM", PortGroup::UsbAdapter, 1},
      {"ttyS", PortGroup::BuiltIn, 2}};
  for (const auto& [prefix, group, rank] : kPrefixes) {
    if (name.size() <= prefix.size() || !name.starts_with(prefix)) {
      continue;
    }
    long number = 0;
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(name.data() + prefix.size(), last, number);
    if (error == std::errc() && end == last) {
      return DeviceName{group, rank, number};
    }
  }
  return std::nullopt;
}

// A UART counts once its driver names the hardware.
bool HasUartHardware(const fs::path& device, const fs::path& sysRoot) {
  const PortDevice uart = DescribePortDevice(device.string(), sysRoot);
  return uart.kind == PortDevice::Kind::BuiltInUart && uart.uartHardware;
}

}  // namespace

std::string UsbAdapterDescription(const fs::path& device, const fs::path& sysRoot) {
  const PortDevice adapter = DescribePortDevice(device.string(), sysRoot);
  if (adapter.kind != PortDevice::Kind::UsbAdapter) {
    return {};
  }
  const std::string name = adapter.product.empty() ? adapter.manufacturer : adapter.product;
  const std::string ids = adapter.vendorId + ":" + adapter.productId;
  return name.empty() ? ids : name + " (" + ids + ")";
}

std::vector<SerialPortEntry> ScanSerialPorts(const fs::path& devRoot, const fs::path& sysRoot) {
  std::vector<std::pair<DeviceName, SerialPortEntry>> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(devRoot, error)) {
    const auto name = ParseDeviceName(entry.path().filename().string());
    // exists() follows a link, so a link to nothing is left out.
    if (!name || !fs::exists(entry.path(), error)) {
      continue;
    }
    if (name->group == PortGroup::BuiltIn && !HasUartHardware(entry.path(), sysRoot)) {
      continue;
    }
    found.push_back({*name, {entry.path().string(), UsbAdapterDescription(entry.path(), sysRoot)}});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first.group, a.first.prefixRank, a.first.number) <
           std::tie(b.first.group, b.first.prefixRank, b.first.number);
  });
  std::vector<SerialPortEntry> ports;
  for (auto& [name, port] : found) {
    ports.push_back(std::move(port));
  }
  return ports;
}

std::vector<SerialPortEntry> AvailableSerialPorts() {
  return ScanSerialPorts("/dev", "/sys");
}
