#include "ui/list_fillers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QSignalBlocker>

#include "radio/log_line.h"
#include "radio/tables.h"

namespace {

void FillList(QComboBox* list, int count, std::string (*itemText)(int, const std::string&)) {
  const std::string separator = DecimalSeparator();
  const QSignalBlocker blocker(list);
  list->setUpdatesEnabled(false);
  list->clear();
  for (int index = 0; index < count; ++index) {
    // Only the words ("Not in use", "None") have a translation; numbers stay as they are.
    list->addItem(QCoreApplication::translate(kTextContext, itemText(index, separator).c_str()));
  }
  list->setUpdatesEnabled(true);
  list->setCurrentIndex(0);
}

}  // namespace

std::string DecimalSeparator() {
  return QLocale::system().decimalPoint().toStdString();
}

void FillChannelList(QComboBox* list) {
  FillList(list, kChannelListCount, ChannelItemText);
}

void FillToneList(QComboBox* list) {
  FillList(list, kToneListCount, ToneItemText);
}
