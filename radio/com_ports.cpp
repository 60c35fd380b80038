#include "radio/com_ports.h"

#include <map>
#include <utility>

#include "radio/serial_link.h"

namespace {

// The numbers a user may need for a port that the system does not list.
constexpr int kListedNumbers = 32;

std::string ComName(int number) {
  return "COM" + std::to_string(number);
}

struct FriendlyNameParts {
  std::string name;
  int portNumber = -1;  // -1 when the name does not end in a port's name
};

// "USB-SERIAL CH340 (COM5)" is "USB-SERIAL CH340" for port 5.
FriendlyNameParts SplitFriendlyName(const std::string& friendly) {
  const std::size_t open = friendly.rfind('(');
  if (open == std::string::npos || !friendly.ends_with(')')) {
    return {friendly};
  }
  const int number = ComNumber(friendly.substr(open + 1, friendly.size() - open - 2));
  if (number < 1) {
    return {friendly};
  }
  std::string name = friendly.substr(0, open);
  name.erase(name.find_last_not_of(' ') + 1);
  return {name, number};
}

}  // namespace

std::vector<SerialPortEntry> ListComPorts(const std::vector<std::string>& mappedPorts,
                                          const std::vector<ComPortDevice>& devices) {
  std::map<int, std::string> present;  // the device's name by port number
  for (const std::string& port : mappedPorts) {
    if (const int number = ComNumber(port); number >= 1) {
      present.emplace(number, "");
    }
  }
  for (const ComPortDevice& device : devices) {
    FriendlyNameParts parts = SplitFriendlyName(device.friendlyName);
    const int own = ComNumber(device.portName);
    const int number = own >= 1 ? own : parts.portNumber;
    const auto port = present.find(number);
    if (port == present.end() || !port->second.empty()) {
      continue;
    }
    // A name that ends in another port's name keeps it: that is what the device is called.
    port->second = parts.portNumber == number ? std::move(parts.name) : device.friendlyName;
  }

  std::vector<SerialPortEntry> ports;
  for (const auto& [number, name] : present) {
    ports.push_back({ComName(number), name});
  }
  std::vector<SerialPortEntry> others;
  for (int number = 1; number <= kListedNumbers; ++number) {
    if (!present.contains(number)) {
      others.push_back({ComName(number), ""});
    }
  }
  if (!ports.empty() && !others.empty()) {
    ports.push_back(SerialPortEntry::Separator());
  }
  ports.insert(ports.end(), others.begin(), others.end());
  return ports;
}
