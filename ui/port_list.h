#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

#include "radio/serial_ports.h"

// The serial ports to choose from. Each item shows the port with what the system says
// about it and carries the path to open; a separator may part groups of ports. USB
// adapters come and go while the program runs, so the list looks again each time it opens.
class PortList : public QComboBox {
  Q_OBJECT

 public:
  explicit PortList(QWidget* parent = nullptr);

  // Where the list finds its ports: the system's own unless a test says otherwise.
  void SetPortSource(std::function<std::vector<SerialPortEntry>()> source);
  // Fills the list afresh. The chosen port stays chosen while its device exists, also when
  // the list would not show it (a link the user made elsewhere).
  void Refresh();
  // The path of the chosen port; empty while none is chosen.
  std::string SelectedPath() const;

  void showPopup() override;

 signals:
  // The chosen port's device is gone; nothing is chosen any more.
  void selectedPortGone(const QString& path);

 private:
  std::function<std::vector<SerialPortEntry>()> source_;
};
