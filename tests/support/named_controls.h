#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <string>

#include "ui/channel_grid.h"
#include "ui/control_lookup.h"

// The real window's controls by name, as a user sees and sets them. A name the window does
// not hold ends the test and says which.
inline int ListIndex(const QObject& window, const std::string& name) {
  return FindControl<QComboBox>(&window, name)->currentIndex();
}
inline void SelectListIndex(QObject& window, const std::string& name, int index) {
  FindControl<QComboBox>(&window, name)->setCurrentIndex(index);
}
inline std::string EditText(const QObject& window, const std::string& name) {
  return FindControl<QLineEdit>(&window, name)->text().toStdString();
}
inline void SetEditText(QObject& window, const std::string& name, const std::string& text) {
  SetHzText(FindControl<QLineEdit>(&window, name), QString::fromStdString(text));
}
inline bool IsChecked(const QObject& window, const std::string& name) {
  return FindControl<QCheckBox>(&window, name)->isChecked();
}
inline void SetChecked(QObject& window, const std::string& name, bool checked) {
  FindControl<QCheckBox>(&window, name)->setChecked(checked);
}
inline int SliderPosition(const QObject& window, const std::string& name) {
  return FindControl<QSlider>(&window, name)->value();
}
inline void SetSliderPosition(QObject& window, const std::string& name, int position) {
  FindControl<QSlider>(&window, name)->setValue(position);
}
