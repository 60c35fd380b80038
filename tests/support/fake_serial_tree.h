#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/temp_folder.h"

// A /dev folder and a sysfs tree as Linux lays out serial devices, in a temporary folder.
class FakeSerialTree {
 public:
  struct UsbIds {
    std::string vendor;
    std::string product;
    std::string manufacturerName;  // empty: the attribute is absent
    std::string productName;       // empty: the attribute is absent
  };

  FakeSerialTree() {
    std::filesystem::create_directories(Dev());
    std::filesystem::create_directories(Sys() / "class" / "tty");
  }

  std::filesystem::path Dev() const { return folder_.Path() / "dev"; }
  std::filesystem::path Sys() const { return folder_.Path() / "sys"; }

  // A USB adapter: its device node, the port below a USB interface, and the USB device
  // that carries the identifiers. A usb-serial port (ttyUSB) has a port directory of its
  // own below the interface; a modem (ttyACM) is the interface itself. With a target the
  // node is a link to it, and sysfs knows the device under the target's name.
  void AddUsbAdapter(const std::string& name, const UsbIds& ids, int bus,
                     const std::string& target = "") {
    const auto usbDevice = Sys() / "devices" / "pci0000:00" / ("usb" + std::to_string(bus)) /
                           (std::to_string(bus) + "-1");
    auto port = usbDevice / (std::to_string(bus) + "-1:1.0");
    if (name.starts_with("ttyUSB")) {
      port /= name;
    }
    std::filesystem::create_directories(port);
    Attribute(usbDevice / "idVendor", ids.vendor);
    Attribute(usbDevice / "idProduct", ids.product);
    if (!ids.manufacturerName.empty()) {
      Attribute(usbDevice / "manufacturer", ids.manufacturerName);
    }
    if (!ids.productName.empty()) {
      Attribute(usbDevice / "product", ids.productName);
    }
    const auto kernelName =
        target.empty() ? name : std::filesystem::path(target).filename().string();
    const auto classEntry = Sys() / "class" / "tty" / kernelName;
    std::filesystem::create_directories(classEntry);
    std::filesystem::create_directory_symlink(port, classEntry / "device");
    if (target.empty()) {
      Node(name);
    } else {
      std::filesystem::create_symlink(target, Dev() / name);
    }
  }

  // The driver bound to the device behind a tty, as a usb-serial driver is.
  void BindDriver(const std::string& kernelName, const std::string& driver) {
    const auto bound = Sys() / "bus" / "usb-serial" / "drivers" / driver;
    std::filesystem::create_directories(bound);
    std::filesystem::create_directory_symlink(bound, DeviceOf(kernelName) / "driver");
  }

  // An attribute of the device behind a tty, such as an FTDI adapter's latency_timer.
  void DeviceAttribute(const std::string& kernelName, const std::string& file,
                       const std::string& value) {
    Attribute(DeviceOf(kernelName) / file, value);
  }

  // A built-in UART whose driver reports this port type (0: no hardware answers).
  void AddUart(const std::string& name, int type) {
    const auto classEntry = Sys() / "class" / "tty" / name;
    std::filesystem::create_directories(classEntry);
    Attribute(classEntry / "type", std::to_string(type));
    Node(name);
  }

  // A device node that sysfs does not describe.
  void Node(const std::string& name) { std::ofstream(Dev() / name).put('\n'); }

  // A link in /dev, relative to the link's folder as udev makes them.
  void Link(const std::string& name, const std::string& target) {
    std::filesystem::create_directories((Dev() / name).parent_path());
    std::filesystem::create_symlink(target, Dev() / name);
  }

 private:
  std::filesystem::path DeviceOf(const std::string& kernelName) const {
    return Sys() / "class" / "tty" / kernelName / "device";
  }

  static void Attribute(const std::filesystem::path& file, const std::string& value) {
    std::ofstream(file) << value << '\n';
  }

  TempFolder folder_;
};
