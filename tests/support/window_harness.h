#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/scripted_dialogs.h"
#include "ui/control_lookup.h"
#include "ui/unit_mainform.h"

// The real window as the user drives it: a port picked from the list, a button clicked,
// dialogs answered by the test (Yes unless it says otherwise, so a write of the start-up
// plan goes ahead).
struct WindowHarness {
  ScriptedDialogs* dialogs = new ScriptedDialogs;
  Tmainform window{std::unique_ptr<Dialogs>(dialogs)};

  WindowHarness() { dialogs->answerYes = true; }

  void ChoosePort(const std::string& path) {
    auto* ports = FindControl<QComboBox>(&window, std::string("comport"));
    ports->addItem(QString::fromStdString(path), QString::fromStdString(path));
    ports->setCurrentIndex(ports->count() - 1);
    window.comportChange();
  }
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
