#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A serial port the user can choose: the path to open, and what the system says about
// the device for the eye. Or the line between two groups of ports, which opens nothing.
struct SerialPortEntry {
  std::string path;
  std::string description;  // empty when the system says nothing useful
  bool separator = false;

  static SerialPortEntry Separator() { return {"", "", true}; }

  bool operator==(const SerialPortEntry&) const = default;
};

// "/dev/ttyUSB0 — FT232R USB UART (0403:6001)", or the path alone without a description;
// empty for a separator.
std::string PortItemText(const SerialPortEntry& port);

// The ports of this system in the order the port list shows them.
std::vector<SerialPortEntry> AvailableSerialPorts();

// Linux: the serial devices in devRoot, described from the sysfs tree at sysRoot. USB
// adapters (ttyUSB<n>, then ttyACM<n>) come first, then built-in UARTs (ttyS<n>) whose
// driver reports hardware; each by number. Links are followed, and one that points at
// nothing is left out.
std::vector<SerialPortEntry> ScanSerialPorts(const std::filesystem::path& devRoot,
                                             const std::filesystem::path& sysRoot);

// What sysfs says about the USB device behind a serial device ("FT232R USB UART
// (0403:6001)"); a link such as one in /dev/serial/by-id is followed to the adapter it
// names. Empty for a device that is not on USB.
std::string UsbAdapterDescription(const std::filesystem::path& device,
                                  const std::filesystem::path& sysRoot);
