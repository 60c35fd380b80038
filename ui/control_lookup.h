#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>
#include <string>

// Advanced mode destroys and creates grid controls, so every caller looks a control up by
// name at the moment it needs it. A name that is not there (or names another kind of
// control) is the caller's mistake, never a case to handle: stop at once and say which.
template <class Control>
Control* FindControl(const QObject* owner, const QString& name) {
  auto* control = owner->findChild<Control*>(name);
  if (control == nullptr) {
    qFatal("No control named '%s' of the expected kind", qPrintable(name));
  }
  return control;
}

template <class Control>
Control* FindControl(const QObject* owner, const std::string& name) {
  return FindControl<Control>(owner, QString::fromStdString(name));
}
