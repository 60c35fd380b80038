#include <gtest/gtest.h>

#include <QComboBox>
#include <filesystem>
#include <fstream>

#include "ui/port_list.h"

namespace {

QStringList AdapterItems(const QComboBox& list) {
  QStringList items;
  for (int item = kComPortCount; item < list.count(); ++item) {
    items << list.itemText(item);
  }
  return items;
}

}  // namespace

TEST(PortList, FindsUsbThenAcmAdaptersInNumericOrder) {
  const auto dev = std::filesystem::temp_directory_path() / "vexalon-port-list-test";
  std::filesystem::remove_all(dev);
  std::filesystem::create_directories(dev);
  for (const char* name :
       {"ttyACM1", "ttyUSB10", "ttyS0", "ttyUSB2", "ttyACM0", "ttyUSB", "ttyUSB1a", "tty1"}) {
    std::ofstream(dev / name).put('\n');
  }
  EXPECT_EQ(SerialAdapterPaths(dev),
            (std::vector<std::string>{(dev / "ttyUSB2").string(), (dev / "ttyUSB10").string(),
                                      (dev / "ttyACM0").string(), (dev / "ttyACM1").string()}));
  std::filesystem::remove_all(dev);
  EXPECT_TRUE(SerialAdapterPaths(dev).empty());
}

TEST(PortList, RescanKeepsTheComPortsAndTheSelection) {
  QComboBox list;
  FillPortList(&list);
  EXPECT_EQ(list.currentIndex(), -1);
  RefreshAdapterItems(&list, {"/dev/ttyUSB0"});
  EXPECT_EQ(list.currentIndex(), -1);

  list.setCurrentIndex(4);
  RefreshAdapterItems(&list, {});
  EXPECT_EQ(list.count(), kComPortCount);
  EXPECT_EQ(list.currentText(), "COM5");

  RefreshAdapterItems(&list, {"/dev/ttyUSB0", "/dev/ttyUSB1"});
  list.setCurrentIndex(list.findText("/dev/ttyUSB1"));
  int changes = 0;
  QObject::connect(&list, &QComboBox::currentIndexChanged, [&changes] { ++changes; });
  RefreshAdapterItems(&list, {"/dev/ttyACM0", "/dev/ttyUSB1"});
  EXPECT_EQ(list.currentText(), "/dev/ttyUSB1");
  EXPECT_EQ(AdapterItems(list), QStringList({"/dev/ttyACM0", "/dev/ttyUSB1"}));

  // An unplugged adapter stays selected; opening it will say what went wrong.
  RefreshAdapterItems(&list, {"/dev/ttyACM3"});
  EXPECT_EQ(AdapterItems(list), QStringList({"/dev/ttyACM3", "/dev/ttyUSB1"}));
  EXPECT_EQ(list.currentText(), "/dev/ttyUSB1");
  EXPECT_EQ(changes, 0);
}
