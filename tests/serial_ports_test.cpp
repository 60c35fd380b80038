#include "radio/serial_ports.h"

#include <gtest/gtest.h>

#include <set>

#include "radio/com_ports.h"
#include "tests/support/fake_serial_tree.h"

namespace {

// The list as the eye sees it, a separator as a line of dashes.
std::vector<std::string> ItemTexts(const std::vector<SerialPortEntry>& ports) {
  std::vector<std::string> texts;
  for (const SerialPortEntry& port : ports) {
    texts.push_back(port.separator ? "----" : PortItemText(port));
  }
  return texts;
}

// COM1 to COM32 without the numbers given.
std::vector<std::string> OtherNumbers(const std::set<int>& taken) {
  std::vector<std::string> names;
  for (int number = 1; number <= 32; ++number) {
    if (!taken.contains(number)) {
      names.push_back("COM" + std::to_string(number));
    }
  }
  return names;
}

std::vector<std::string> Joined(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
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

// The map names the ports present, in no order and in any case, and may hold names that
// are no COM port; SetupAPI names devices, some of them for ports that are not present.
TEST(ComPorts, PresentPortsByNumberNamedAfterTheirDeviceThenTheOtherNumbers) {
  const std::vector<SerialPortEntry> ports =
      ListComPorts({"COM10", "COM3", "com5", "COM40", "COM5", "CNCA0", "COM0", ""},
                   {
                       {"COM5", "USB-SERIAL CH340 (COM5)"},
                       {"COM7", "Prolific USB-to-Serial Comm Port (COM7)"},
                       {"", "Communications Port (COM3)"},
                       {"COM40", "Standard Serial over Bluetooth link (COM40)"},
                       {"COM5", "Another claim (COM5)"},
                       {"COM10", ""},
                   });
  EXPECT_EQ(ItemTexts(ports), Joined(
                                  {
                                      "COM3 \u2014 Communications Port",
                                      "COM5 \u2014 USB-SERIAL CH340",
                                      "COM10",
                                      "COM40 \u2014 Standard Serial over Bluetooth link",
                                      "----",
                                  },
                                  OtherNumbers({3, 5, 10})));
  // The name opened is the port's own, whatever the case in the map.
  EXPECT_EQ(ports[1].path, "COM5");
  EXPECT_EQ(ports[4], SerialPortEntry::Separator());
}

// Only the ending that names the device's own port goes; the rest is the device's name.
TEST(ComPorts, FriendlyNamesLoseOnlyTheirOwnPortAtTheEnd) {
  EXPECT_EQ(ItemTexts(ListComPorts({"COM1", "COM2", "COM4", "COM6", "COM8", "COM9"},
                                   {
                                       {"COM1", "Kommunikationsanschluss  (COM1)"},
                                       {"COM2", "Adapter renumbered later (COM12)"},
                                       {"COM4", "Virtual port"},
                                       {"COM6", "(com6)"},
                                       {"COM8", "Modem (line 2) (COM8)"},
                                       {"COM9", "Odd ending (COMx)"},
                                   })),
            Joined(
                {
                    "COM1 \u2014 Kommunikationsanschluss",
                    "COM2 \u2014 Adapter renumbered later (COM12)",
                    "COM4 \u2014 Virtual port",
                    "COM6",
                    "COM8 \u2014 Modem (line 2)",
                    "COM9 \u2014 Odd ending (COMx)",
                    "----",
                },
                OtherNumbers({1, 2, 4, 6, 8, 9})));
}

// A separator only ever parts two groups.
TEST(ComPorts, NoSeparatorWithoutPortsOnBothSidesOfIt) {
  EXPECT_EQ(ItemTexts(ListComPorts({}, {{"COM3", "Unplugged adapter (COM3)"}})), OtherNumbers({}));

  std::vector<std::string> all;
  for (int number = 1; number <= 32; ++number) {
    all.push_back("COM" + std::to_string(number));
  }
  EXPECT_EQ(ItemTexts(ListComPorts(all, {})), OtherNumbers({}));
}

}  // namespace
