#include "ui/settings_items.h"

#include <QCoreApplication>

namespace {

// "Disabled", then the setting's other values with their unit ("1 second", "2 seconds" ...).
QStringList DurationItems(Setting setting, int first, int step) {
  QStringList items{QCoreApplication::translate("Vexalon", "Disabled")};
  for (int value = first; items.size() < TraitsOf(setting).count; value += step) {
    items << (value == 1 ? QCoreApplication::translate("Vexalon", "1 second")
                         : QCoreApplication::translate("Vexalon", "%1 seconds").arg(value));
  }
  return items;
}

}  // namespace

QString SettingCaption(Setting setting) {
  return QCoreApplication::translate("Vexalon", TraitsOf(setting).caption);
}

QStringList SettingItems(Setting setting) {
  switch (setting) {
    case Setting::MonitorKey:
      return {QCoreApplication::translate("Vexalon", "Off"),
              QCoreApplication::translate("Vexalon", "Monitor momentary"),
              QCoreApplication::translate("Vexalon", "Monitor lock"),
              QCoreApplication::translate("Vexalon", "Squelch off momentary")};
    case Setting::Tot:
      return DurationItems(setting, 30, 30);
    case Setting::TotRekey:
    case Setting::TotReset:
      return DurationItems(setting, 1, 1);
    case Setting::SquelchLevel:
    case Setting::BeepTones:
    case Setting::BatterySaving:
    case Setting::SelfProgramming:
      break;
  }
  return {};
}

QString SwitchText(bool on) {
  return on ? QCoreApplication::translate("Vexalon", "On")
            : QCoreApplication::translate("Vexalon", "Off");
}
