#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "radio/log_line.h"

// What the system says of the device behind a port: the first thing to know of a cable
// that does not reach the radio, and what a report on a radio that misbehaves names.
struct PortDevice {
  enum class Kind {
    NotFound,        // no device by that name
    UsbAdapter,      // a USB serial adapter or a USB modem
    BuiltInUart,     // a serial port of the computer itself
    PseudoTerminal,  // a program on the other end, such as the radio simulator
    Other,           // the system describes it no further, or only by its name
  };

  std::string port;        // the name asked about
  std::string devicePath;  // the device that name reaches, links followed
  Kind kind = Kind::Other;
  std::string vendorId;   // USB: "0403"
  std::string productId;  // USB: "6001"
  std::string manufacturer;
  std::string product;
  std::string driver;  // "ftdi_sio", "cdc_acm", "serial8250"
  // How long an FTDI adapter holds received bytes back before it passes them on.
  std::optional<int> latencyTimerMs;
  bool uartHardware = true;  // a built-in port whose driver finds a chip behind it
  std::string deviceName;    // Windows: the device's name as Device Manager shows it
};

// What the system of this computer says of the port's device.
PortDevice DescribePortDevice(const std::string& portName);
// Linux: the same from the sysfs tree at sysRoot.
PortDevice DescribePortDevice(const std::string& portName, const std::filesystem::path& sysRoot);

// One line for people: "/dev/ttyUSB0: USB adapter FTDI FT232R USB UART (0403:6001), driver
// ftdi_sio, latency timer 16 ms".
LogLine PortDeviceLine(const PortDevice& device);
