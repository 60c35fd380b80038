#pragma once

#include <QComboBox>
#include <filesystem>
#include <string>
#include <vector>

// "COM1" to "COM32" always lead the port list; the adapters present follow them.
inline constexpr int kComPortCount = 32;

// Device paths of the USB and ACM serial adapters in devDir: every ttyUSB<n>, then every
// ttyACM<n>, each in the order of n.
std::vector<std::string> SerialAdapterPaths(const std::filesystem::path& devDir = "/dev");

// Fills an empty list with the COM ports and the adapters present; nothing is selected.
void FillPortList(QComboBox* list);

// Replaces the adapter items after the COM ports by the given ones. The selection stays,
// also when the selected adapter is gone: a transfer then reports that it cannot open it.
void RefreshAdapterItems(QComboBox* list, const std::vector<std::string>& adapters);

// USB adapters come and go while the program runs, so the list looks again each time it
// opens.
class PortList : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override;
};
