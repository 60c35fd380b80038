#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/scripted_dialogs.h"
#include "tests/support/shown_plan.h"
#include "tests/support/temp_folder.h"
#include "tools/radiosim/simulated_line.h"
#include "ui/control_lookup.h"
#include "ui/unit_mainform.h"

// The window's controls as the plan they show.
class WindowShownPlan : public ShownPlan {
 public:
  explicit WindowShownPlan(Tmainform& window) : window_(window) {}
  bool AdvancedMode() const override { return window_.AdvancedMode(); }
  void EnterAdvancedMode() override { window_.EnterAdvancedMode(); }
  ChannelRow Channel(int channel) const override { return window_.Channel(channel); }
  void ShowChannel(int channel, const ChannelRow& row) override {
    window_.ShowChannel(channel, row);
  }
  RadioSettings Settings() const override { return window_.Settings(); }
  void ShowSettings(const RadioSettings& settings) override { window_.ShowSettings(settings); }

 private:
  Tmainform& window_;
};

// The real window as the user drives it: a port picked from the list, a button clicked,
// dialogs answered by the test (Yes unless it says otherwise, so a write of the start-up
// plan goes ahead).
struct WindowHarness {
  // On the platform's serial ports, in real time.
  WindowHarness() : WindowHarness(PlatformSerialSystem(), SteadyLinkClock()) {}
  // On a line to a simulated radio, in simulated time.
  explicit WindowHarness(SimulatedLine& line) : WindowHarness(line, line.Clock()) {}
  WindowHarness(SerialSystem& system, const LinkClock& clock)
      : window(std::unique_ptr<Dialogs>(dialogs), system, clock) {
    dialogs->answerYes = true;
  }

  // The window keeps its backups in the user's data folder: here one of the test's own.
  TempFolder dataHome;
  bool dataHomeSet = setenv("XDG_DATA_HOME", dataHome.Path().c_str(), 1) == 0;
  ScriptedDialogs* dialogs = new ScriptedDialogs;
  Tmainform window;
  WindowShownPlan shown{window};

  void ChoosePort(const std::string& path) {
    auto* ports = FindControl<QComboBox>(&window, std::string("comport"));
    ports->addItem(QString::fromStdString(path), QString::fromStdString(path));
    ports->setCurrentIndex(ports->count() - 1);
    window.comportChange();
  }
  ShownPlan& Shown() { return shown; }
  void Read() { FindControl<QPushButton>(&window, std::string("cmdReadRadio"))->click(); }
  void Write() { FindControl<QPushButton>(&window, std::string("cmdWrite"))->click(); }
  std::vector<std::string> Log() const {
    std::vector<std::string> lines;
    for (const QString& line :
         FindControl<QPlainTextEdit>(&window, std::string("debug"))->toPlainText().split('\n')) {
      lines.push_back(line.toStdString());
    }
    return lines;
  }
  bool PortOpen() { return window.Serial().IsOpen(); }
  std::string BackupFolderPath() const {
    return (dataHome.Path() / "vexalon" / "backups").string();
  }
  // Marked as a row the last read could not fill.
  bool ChannelMarked(int channel) const {
    const auto* label = FindControl<QLabel>(&window, "lbl_A" + std::to_string(channel));
    return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
  }
  std::string Focused() const {
    return window.focusWidget() ? window.focusWidget()->objectName().toStdString() : "";
  }
  bool TransferButtonsEnabled() const {
    return FindControl<QPushButton>(&window, std::string("cmdReadRadio"))->isEnabled() &&
           FindControl<QPushButton>(&window, std::string("cmdWrite"))->isEnabled();
  }
};
