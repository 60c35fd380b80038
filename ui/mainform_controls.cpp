// The window's controls as the transfers and the channel plan file read and set them.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>

#include "radio/grid_names.h"
#include "ui/channel_grid.h"
#include "ui/unit_mainform.h"

std::string Tmainform::SelectedPortName() const {
  const auto* ports = Find<QComboBox>("comport");
  return ports->currentIndex() < 0 ? std::string() : ports->currentText().toStdString();
}

void Tmainform::ProcessMessages() {
  QCoreApplication::processEvents();
}

void Tmainform::ClearLog() {
  Find<QPlainTextEdit>("debug")->clear();
}

void Tmainform::AppendLog(const std::string& line) {
  Find<QPlainTextEdit>("debug")->appendPlainText(QString::fromStdString(line));
}

void Tmainform::SetChannelLabelRed(int channel, bool red) {
  auto* label = Find<QLabel>(GridControlName(GridRole::Label, channel, advancedMode));
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText,
                   red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
  label->setPalette(colours);
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
