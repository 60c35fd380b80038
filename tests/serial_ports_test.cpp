#include "radio/serial_ports.h"

#include <gtest/gtest.h>

#include "tests/support/fake_serial_tree.h"

namespace {

std::vector<std::string> ItemTexts(const std::vector<SerialPortEntry>& ports) {
  std::vector<std::string> texts;
  for (const SerialPortEntry& port : ports) {
    texts.push_back(PortItemText(port));
  }
  return texts;
}

// Adapters with every combination of name attributes, a link the user made, UARTs with and
// without hardware, and what must never show: a dangling link, other ttys, udev's links.
TEST(SerialPorts, ListsAdaptersByNameFirstThenUartsWithHardware) {
  FakeSerialTree tree;
  tree.AddUsbAdapter("ttyUSB10", {"067b", "2303", "Prolific Technology Inc.", ""}, 3);
  tree.AddUsbAdapter("ttyACM0", {"2341", "0043", "Arduino (www.arduino.cc)", "Arduino Uno"}, 4);
  tree.AddUsbAdapter("ttyUSB0", {"0403", "6001", "FTDI", "FT232R USB UART"}, 1);
  tree.AddUsbAdapter("ttyUSB1", {"1a86", "7523", "", "USB Serial"}, 2);
  tree.AddUsbAdapter("ttyACM1", {"1209", "0001", "", ""}, 5);
  tree.Node("pts7");
  tree.Link("ttyUSB99", "pts7");
  tree.Link("ttyUSB2", "nowhere");
  tree.Link("serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "../../ttyUSB0");
  tree.AddUart("ttyS10", 4);
  tree.AddUart("ttyS0", 4);
  tree.AddUart("ttyS1", 0);
  tree.Node("ttyS2");
  for (const char* other : {"tty1", "ttyUSB", "ttyACMx", "console", "ttyprintk"}) {
    tree.Node(other);
  }

  const std::string dev = tree.Dev().string();
  EXPECT_EQ(ItemTexts(ScanSerialPorts(tree.Dev(), tree.Sys())),
            (std::vector<std::string>{
                dev + "/ttyUSB0 \u2014 FT232R USB UART (0403:6001)",
                dev + "/ttyUSB1 \u2014 USB Serial (1a86:7523)",
                dev + "/ttyUSB10 \u2014 Prolific Technology Inc. (067b:2303)",
                dev + "/ttyUSB99",
                dev + "/ttyACM0 \u2014 Arduino Uno (2341:0043)",
                dev + "/ttyACM1 \u2014 1209:0001",
                dev + "/ttyS0",
                dev + "/ttyS10",
            }));

  // udev's stable name leads to the adapter it names.
  EXPECT_EQ(
      UsbAdapterDescription(
          tree.Dev() / "serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", tree.Sys()),
      "FT232R USB UART (0403:6001)");
}

TEST(SerialPorts, NothingToListWithoutTheFolders) {
  FakeSerialTree tree;
  EXPECT_TRUE(ScanSerialPorts(tree.Dev(), tree.Sys()).empty());
  tree.Node("ttyUSB0");
  EXPECT_EQ(ScanSerialPorts(tree.Dev(), tree.Dev() / "no-sysfs"),
            (std::vector<SerialPortEntry>{{(tree.Dev() / "ttyUSB0").string(), ""}}));
  EXPECT_TRUE(ScanSerialPorts(tree.Dev() / "no-dev", tree.Sys()).empty());
}

}  // namespace
