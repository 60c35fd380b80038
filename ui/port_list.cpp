#include "ui/port_list.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStyle>
#include <filesystem>
#include <system_error>

PortList::PortList(QWidget* parent) : QComboBox(parent), source_(AvailableSerialPorts) {}

void PortList::SetPortSource(std::function<std::vector<SerialPortEntry>()> source) {
  source_ = std::move(source);
}

void PortList::Refresh() {
  const QString selected = QString::fromStdString(SelectedPath());
  QSignalBlocker blocker(this);
  clear();
  for (const SerialPortEntry& port : source_()) {
    if (port.separator) {
      // Neither the keys nor the mouse stop on it, and it carries no path to find.
      insertSeparator(count());
    } else {
      addItem(QString::fromStdString(PortItemText(port)), QString::fromStdString(port.path));
    }
  }
  if (selected.isEmpty()) {
    setCurrentIndex(-1);
    return;
  }
  int index = findData(selected);
  std::error_code error;
  if (index < 0 && std::filesystem::exists(selected.toStdString(), error)) {
    addItem(selected, selected);
    index = count() - 1;
  }
  setCurrentIndex(index);
  blocker.unblock();
  if (index < 0) {
    emit selectedPortGone(selected);
  }
}

std::string PortList::SelectedPath() const {
  return currentIndex() < 0 ? std::string() : currentData().toString().toStdString();
}

void PortList::showPopup() {
  Refresh();
  // Windows' styles keep the open list as narrow as the box, and the whole name of a port
  // is what tells the cable.
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
  view()->setMinimumWidth(view()->sizeHintForColumn(0) + scrollBar + 2 * view()->frameWidth());
  QComboBox::showPopup();
}
