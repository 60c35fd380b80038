// What the system says of a port's device, from a sysfs tree laid out as Linux does it.
#include "radio/port_device.h"

#include <gtest/gtest.h>

#include "tests/support/fake_serial_tree.h"

namespace {

class PortDevices : public testing::Test {
 protected:
  PortDevice Describe(const std::string& name) const {
    return DescribePortDevice(Path(name), tree.Sys());
  }
  std::string Path(const std::string& name) const { return (tree.Dev() / name).string(); }
  std::string Text(const std::string& name) const { return PortDeviceLine(Describe(name)).Text(); }

  // A UART as Linux 6.5 and later lay it out: the tty's device is a port of the serial
  // core's bus, below a controller of that bus, below the device of the driver that
  // found the chip.
  void AddPnpUart(const std::string& name) {
    namespace fs = std::filesystem;
    tree.AddUart(name, 4);
    const fs::path chip = tree.Sys() / "devices" / "pnp0" / "00:00";
    const fs::path port = chip / "00:00:0" / "00:00:0.0";
    fs::create_directories(port);
    const auto bind = [&](const fs::path& device, const std::string& bus,
                          const std::string& driver) {
      const fs::path bound = tree.Sys() / "bus" / bus / "drivers" / driver;
      fs::create_directories(bound);
      fs::create_directory_symlink(bound, device / "driver");
    };
    bind(chip, "pnp", "serial");
    bind(chip / "00:00:0", "serial-base", "ctrl");
    bind(port, "serial-base", "port");
    fs::create_directory_symlink(port, tree.Sys() / "class" / "tty" / name / "device");
  }

  FakeSerialTree tree;
};

TEST_F(PortDevices, AnFtdiAdapterGivesItsIdsNamesDriverAndLatencyTimer) {
  tree.AddUsbAdapter("ttyUSB0", {"0403", "6001", "FTDI", "FT232R USB UART"}, 1);
  tree.BindDriver("ttyUSB0", "ftdi_sio");
  tree.DeviceAttribute("ttyUSB0", "latency_timer", "16");
  tree.Link("serial/by-id/usb-FTDI_FT232R-if00-port0", "../../ttyUSB0");

  const PortDevice device = Describe("ttyUSB0");
  EXPECT_EQ(device.kind, PortDevice::Kind::UsbAdapter);
  EXPECT_EQ(device.vendorId, "0403");
  EXPECT_EQ(device.productId, "6001");
  EXPECT_EQ(device.manufacturer, "FTDI");
  EXPECT_EQ(device.product, "FT232R USB UART");
  EXPECT_EQ(device.driver, "ftdi_sio");
  EXPECT_EQ(device.latencyTimerMs, 16);
  EXPECT_EQ(Text("ttyUSB0"), Path("ttyUSB0") +
                                 ": USB adapter FTDI FT232R USB UART (0403:6001), driver "
                                 "ftdi_sio, latency timer 16 ms");

  // Asked by the link udev makes, it names the adapter the link leads to.
  const std::string byId = "serial/by-id/usb-FTDI_FT232R-if00-port0";
  const PortDevice linked = Describe(byId);
  EXPECT_EQ(linked.port, Path(byId));
  EXPECT_EQ(linked.devicePath, std::filesystem::canonical(Path("ttyUSB0")).string());
  EXPECT_EQ(linked.latencyTimerMs, 16);
}

TEST_F(PortDevices, AdaptersSayWhatTheyHave) {
  tree.AddUsbAdapter("ttyACM0", {"1209", "0001", "", ""}, 2);
  tree.AddUsbAdapter("ttyUSB1", {"1a86", "7523", "", "USB Serial"}, 3);
  tree.AddUsbAdapter("ttyUSB2", {"067b", "2303", "Prolific", ""}, 4);
  tree.DeviceAttribute("ttyUSB2", "latency_timer", "sixteen");

  EXPECT_EQ(Text("ttyACM0"), Path("ttyACM0") + ": USB adapter 1209:0001");
  EXPECT_EQ(Text("ttyUSB1"), Path("ttyUSB1") + ": USB adapter USB Serial (1a86:7523)");
  EXPECT_EQ(Text("ttyUSB2"), Path("ttyUSB2") + ": USB adapter Prolific (067b:2303)");
  EXPECT_FALSE(Describe("ttyUSB2").latencyTimerMs);
}

TEST_F(PortDevices, OtherDevicesSayWhatKindTheyAre) {
  tree.AddUart("ttyS0", 4);
  tree.AddUart("ttyS1", 0);
  AddPnpUart("ttyS2");
  tree.Node("ttyAMA0");
  std::filesystem::create_directories(tree.Dev() / "pts");
  tree.Node("pts/3");

  EXPECT_EQ(Describe("ttyS0").kind, PortDevice::Kind::BuiltInUart);
  EXPECT_EQ(Text("ttyS0"), Path("ttyS0") + ": built-in serial port");
  EXPECT_EQ(Text("ttyS2"), Path("ttyS2") + ": built-in serial port, driver serial");
  EXPECT_EQ(Text("ttyS1"), Path("ttyS1") + ": built-in serial port where no hardware answers");
  EXPECT_EQ(Text("pts/3"), Path("pts/3") + ": pseudo-terminal: a program, not a cable");
  EXPECT_EQ(Text("ttyAMA0"), Path("ttyAMA0") + ": the system says nothing of this device");
  EXPECT_EQ(Describe("ttyUSB9").kind, PortDevice::Kind::NotFound);
  EXPECT_EQ(Text("ttyUSB9"), Path("ttyUSB9") + ": no such device");
}

}  // namespace
