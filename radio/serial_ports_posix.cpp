#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>
#include <tuple>

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

// The first line of a sysfs attribute; empty when it cannot be read.
std::string Attribute(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  const auto end = line.find_last_not_of(" \t\r");
  return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

// The device's directory in sysfs under the kernel's name for it, after any links in /dev.
fs::path SysfsTtyDirectory(const fs::path& device, const fs::path& sysRoot) {
  std::error_code error;
  const fs::path resolved = fs::canonical(device, error);
  return sysRoot / "class" / "tty" / (error ? device : resolved).filename();
}

// A UART counts once its driver names the hardware: the serial core's "type" attribute
// is the port type TIOCGSERIAL reports, 0 (PORT_UNKNOWN) where nothing answers.
bool HasUartHardware(const fs::path& device, const fs::path& sysRoot) {
  const std::string type = Attribute(SysfsTtyDirectory(device, sysRoot) / "type");
  return !type.empty() && type != "0";
}

}  // namespace

std::string UsbAdapterDescription(const fs::path& device, const fs::path& sysRoot) {
  std::error_code nodeError;
  std::error_code rootError;
  fs::path node = fs::canonical(SysfsTtyDirectory(device, sysRoot) / "device", nodeError);
  const fs::path root = fs::canonical(sysRoot, rootError);
  if (nodeError || rootError) {
    return {};
  }
  // The port sits below its USB interface, which sits below the USB device that carries
  // the identifiers.
  for (; !node.empty() && node != root && node != node.parent_path(); node = node.parent_path()) {
    const std::string vendor = Attribute(node / "idVendor");
    const std::string product = Attribute(node / "idProduct");
    if (vendor.empty() || product.empty()) {
      continue;
    }
    std::string name = Attribute(node / "product");
    if (name.empty()) {
      name = Attribute(node / "manufacturer");
    }
    const std::string ids = vendor + ":" + product;
    return name.empty() ? ids : name + " (" + ids + ")";
  }
  return {};
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
