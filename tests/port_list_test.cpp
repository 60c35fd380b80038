#include "ui/port_list.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <filesystem>
#include <memory>

#include "radio/com_ports.h"
#include "tests/support/fake_serial_tree.h"
#include "tests/support/transfer_log.h"
#include "tests/support/window_harness.h"
#include "tools/radiosim/radio_simulator.h"
#include "tools/radiosim/simulated_line.h"

namespace {

const FakeSerialTree::UsbIds kFtdi = {"0403", "6001", "FTDI", "FT232R USB UART"};
const FakeSerialTree::UsbIds kCh340 = {"1a86", "7523", "", "USB Serial"};

void ScanInto(PortList& list, const FakeSerialTree& tree) {
  list.SetPortSource([&tree] { return ScanSerialPorts(tree.Dev(), tree.Sys()); });
}

void Press(QComboBox* list, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &press);
}

void PressDown(QComboBox* list) {
  Press(list, Qt::Key_Down);
}

TEST(PortList, EachRefreshKeepsTheChosenPortWhileItsDeviceIsThere) {
  FakeSerialTree tree;
  tree.AddUsbAdapter("ttyUSB0", kFtdi, 1);
  tree.AddUsbAdapter("ttyUSB1", kCh340, 2);
  PortList list;
  ScanInto(list, tree);
  QSignalSpy gone(&list, &PortList::selectedPortGone);
  list.Refresh();
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.currentIndex(), -1);
  EXPECT_EQ(list.SelectedPath(), "");

  const std::string second = (tree.Dev() / "ttyUSB1").string();
  list.setCurrentIndex(1);
  EXPECT_EQ(list.SelectedPath(), second);
  EXPECT_EQ(list.currentText().toStdString(), second + " \u2014 USB Serial (1a86:7523)");
  std::filesystem::remove(tree.Dev() / "ttyUSB0");
  list.Refresh();
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(list.SelectedPath(), second);

  // A device the list does not show, chosen some other way, stays while it exists.
  tree.Node("radio");
  const std::string elsewhere = (tree.Dev() / "radio").string();
  list.addItem(QString::fromStdString(elsewhere), QString::fromStdString(elsewhere));
  list.setCurrentIndex(list.count() - 1);
  list.Refresh();
  EXPECT_EQ(list.SelectedPath(), elsewhere);
  EXPECT_EQ(list.count(), 2);
  EXPECT_TRUE(gone.isEmpty());

  std::filesystem::remove(tree.Dev() / "radio");
  list.Refresh();
  EXPECT_EQ(list.currentIndex(), -1);
  ASSERT_EQ(gone.size(), 1);
  EXPECT_EQ(gone[0][0].toString().toStdString(), elsewhere);
  list.Refresh();
  EXPECT_EQ(gone.size(), 1);
}

// The Windows list: the ports present, a separator, then the other numbers.
TEST(PortList, TheSeparatorIsNeverChosenAndAChosenPortStaysWhenItLeavesThePresentOnes) {
  std::vector<std::string> mapped = {"COM5"};
  PortList list;
  list.SetPortSource([&mapped] {
    return ListComPorts(mapped, {{"COM5", "USB-SERIAL CH340 (COM5)"}});
  });
  QSignalSpy gone(&list, &PortList::selectedPortGone);
  list.Refresh();
  ASSERT_EQ(list.count(), 33);
  EXPECT_EQ(list.itemText(0).toStdString(), "COM5 \u2014 USB-SERIAL CH340");

  PressDown(&list);
  EXPECT_EQ(list.SelectedPath(), "COM5");
  PressDown(&list);
  EXPECT_EQ(list.SelectedPath(), "COM1");
  EXPECT_EQ(list.currentIndex(), 2);
  Press(&list, Qt::Key_Up);
  EXPECT_EQ(list.SelectedPath(), "COM5");
  Press(&list, Qt::Key_End);
  EXPECT_EQ(list.SelectedPath(), "COM32");
  Press(&list, Qt::Key_Home);
  EXPECT_EQ(list.SelectedPath(), "COM5");

  // The cable is pulled: COM5 is one of the other numbers now, and still the one chosen.
  mapped.clear();
  list.Refresh();
  EXPECT_EQ(list.count(), 32);
  EXPECT_EQ(list.SelectedPath(), "COM5");
  EXPECT_EQ(list.currentText().toStdString(), "COM5");
  // Another adapter comes as COM3: the separator moves, the choice stays.
  mapped = {"COM3"};
  list.Refresh();
  EXPECT_EQ(list.itemText(0).toStdString(), "COM3");
  EXPECT_EQ(list.SelectedPath(), "COM5");
  EXPECT_EQ(list.currentIndex(), 5);
  EXPECT_TRUE(gone.isEmpty());
}

// Windows' styles open the list below the box and, left alone, no wider than it.
TEST(PortList, TheOpenListShowsWholeNamesInAStyleThatDoesNotWidenIt) {
  const std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
  ASSERT_NE(windows, nullptr);
  PortList list;
  list.setStyle(windows.get());
  list.SetPortSource([] {
    return ListComPorts({"COM5"}, {{"COM5", "Prolific USB-to-Serial Comm Port (COM5)"}});
  });
  list.resize(121, list.sizeHint().height());
  list.show();
  list.showPopup();
  const int nameWidth = list.view()->fontMetrics().horizontalAdvance(list.itemText(0));
  ASSERT_GT(nameWidth, list.width()) << "a name that fits the box shows nothing here";
  EXPECT_GE(list.view()->viewport()->width(), nameWidth);
  list.hidePopup();
}

// The item shows the adapter's name; the port opened is the path behind the item, where the
// simulated radio's line answers.
TEST(PortList, PickingAnItemOpensItsPathAndAGonePortIsSaid) {
  FakeSerialTree tree;
  tree.AddUsbAdapter("ttyUSB0", kFtdi, 1);
  tree.AddUsbAdapter("ttyUSB1", kCh340, 2);
  const std::string path = (tree.Dev() / "ttyUSB0").string();
  RadioSimulator radio;
  SimulatedLine line(radio, path);
  WindowHarness harness(line);
  auto* ports = FindControl<PortList>(&harness.window, std::string("comport"));
  ScanInto(*ports, tree);

  ports->showPopup();
  // The open list shows the adapter's whole name, though the box itself is narrower.
  const int nameWidth = ports->view()->fontMetrics().horizontalAdvance(ports->itemText(0));
  EXPECT_GE(ports->view()->width(), nameWidth);
  ports->hidePopup();
  ASSERT_EQ(ports->itemText(0).toStdString(), path + " \u2014 FT232R USB UART (0403:6001)");
  PressDown(ports);
  ASSERT_TRUE(harness.TransferButtonsEnabled());
  harness.Read();
  EXPECT_EQ(harness.Log().front(), kSupportedForRead);
  EXPECT_EQ(harness.Log().back(), "Done!");
  EXPECT_EQ(harness.window.Serial().DeviceName(), path);

  std::filesystem::remove(path);
  ports->showPopup();
  ports->hidePopup();
  EXPECT_EQ(harness.Log().back(), "The serial port " + path +
                                      " is no longer there. Plug the cable in again or choose "
                                      "another port.");
  EXPECT_EQ(ports->currentIndex(), -1);
  EXPECT_FALSE(harness.TransferButtonsEnabled());
}

}  // namespace
