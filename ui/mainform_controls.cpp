// The window's controls as the transfers and the channel plan file read and set them.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

#include "radio/grid_names.h"
#include "ui/channel_grid.h"
#include "ui/port_list.h"
#include "ui/unit_mainform.h"

std::string Tmainform::SelectedPortName() const {
  return Find<PortList>("comport")->SelectedPath();
}

void Tmainform::ProcessMessages() {
  QCoreApplication::processEvents();
}

void Tmainform::ClearLog() {
  Find<QPlainTextEdit>("debug")->clear();
}

// The newest line is the one that says how things ended; it must never be out of sight.
void Tmainform::AppendLog(const std::string& line) {
  auto* log = Find<QPlainTextEdit>("debug");
  log->appendPlainText(QString::fromStdString(line));
  log->verticalScrollBar()->setValue(log->verticalScrollBar()->maximum());
}

// A row the last read could not fill keeps the colour of a row being transferred.
void Tmainform::SetChannelLabelRed(int channel, bool red) {
  PaintChannelLabel(channel, red || unreadRows[channel]);
}

void Tmainform::PaintChannelLabel(int channel, bool red) {
  auto* label = Find<QLabel>(GridControlName(GridRole::Label, channel, advancedMode));
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText,
                   red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
  label->setPalette(colours);
}

void Tmainform::FocusControl(const std::string& name) {
  auto* control = Find<QWidget>(name);
  auto* pages = Find<QTabWidget>("tabit");
  for (QWidget* parent = control; parent != nullptr; parent = parent->parentWidget()) {
    if (pages->indexOf(parent) >= 0) {
      pages->setCurrentWidget(parent);
    }
  }
  control->setFocus();
}

int Tmainform::ListIndex(const std::string& name) const {
  return Find<QComboBox>(name)->currentIndex();
}

void Tmainform::SelectListIndex(const std::string& name, int index) {
  auto* list = Find<QComboBox>(name);
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

std::string Tmainform::EditText(const std::string& name) const {
  return Find<QLineEdit>(name)->text().toStdString();
}

void Tmainform::SetEditText(const std::string& name, const std::string& text) {
  SetHzText(Find<QLineEdit>(name), QString::fromStdString(text));
}

bool Tmainform::IsChecked(const std::string& name) const {
  return Find<QCheckBox>(name)->isChecked();
}

void Tmainform::SetChecked(const std::string& name, bool checked) {
  Find<QCheckBox>(name)->setChecked(checked);
}

int Tmainform::SliderPosition(const std::string& name) const {
  return Find<QSlider>(name)->value();
}

// The slider holds a position outside its range at the nearer end by itself.
void Tmainform::SetSliderPosition(const std::string& name, int position) {
  Find<QSlider>(name)->setValue(position);
}
