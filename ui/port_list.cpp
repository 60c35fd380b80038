#include "ui/port_list.h"

#include <QSignalBlocker>
#include <algorithm>
#include <charconv>
#include <optional>
#include <system_error>

namespace {

// The adapter's place in the list: USB before ACM, then by number.
std::optional<std::pair<int, long>> AdapterKey(const std::string& name) {
  static constexpr std::pair<const char*, int> kPrefixes[] = {{"ttyUSB", 0}, {"ttyACM", 1}};
  for (const auto& [prefix, group] : kPrefixes) {
    const std::string_view text(prefix);
    if (name.size() <= text.size() || name.compare(0, text.size(), text) != 0) {
      continue;
    }
    long number = 0;
    const char* first = name.data() + text.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error == std::errc() && end == last) {
      return std::pair{group, number};
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> SerialAdapterPaths(const std::filesystem::path& devDir) {
  std::vector<std::pair<std::pair<int, long>, std::string>> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(devDir, error)) {
    if (const auto key = AdapterKey(entry.path().filename().string())) {
      found.emplace_back(*key, entry.path().string());
    }
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> paths;
  for (auto& [key, path] : found) {
    paths.push_back(std::move(path));
  }
  return paths;
}

void FillPortList(QComboBox* list) {
  const QSignalBlocker blocker(list);
  for (int port = 1; port <= kComPortCount; ++port) {
    list->addItem(QStringLiteral("COM%1").arg(port));
  }
  RefreshAdapterItems(list, SerialAdapterPaths());
  list->setCurrentIndex(-1);
}

void RefreshAdapterItems(QComboBox* list, const std::vector<std::string>& adapters) {
  const int selectedIndex = list->currentIndex();
  const QString selected = list->currentText();
  const QSignalBlocker blocker(list);
  while (list->count() > kComPortCount) {
    list->removeItem(list->count() - 1);
  }
  for (const auto& path : adapters) {
    list->addItem(QString::fromStdString(path));
  }
  if (selectedIndex >= kComPortCount && list->findText(selected) < 0) {
    list->addItem(selected);
  }
  list->setCurrentIndex(selectedIndex < 0 ? -1 : list->findText(selected));
}

void PortList::showPopup() {
  RefreshAdapterItems(this, SerialAdapterPaths());
  QComboBox::showPopup();
}
