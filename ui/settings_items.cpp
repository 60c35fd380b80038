#include "ui/settings_items.h"

#include <QCoreApplication>

namespace {

// "Disabled", then the given values with their unit ("1 second", "2 seconds" ...).
QStringList DurationItems(int first, int last, int step) {
  QStringList items{QCoreApplication::translate("Vexalon", "Disabled")};
  for (int value = first; value <= last; value += step) {
    items << (value == 1 ? QCoreApplication::translate("Vexalon", "1 second")
                         : QCoreApplication::translate("Vexalon", "%1 seconds").arg(value));
  }
  return items;
}

}  // namespace

QString SettingCaption(Setting setting) {
  switch (setting) {
    case Setting::MonitorKey:
      return QCoreApplication::translate("Vexalon", "Monitor key:");
    case Setting::SquelchLevel:
      return QCoreApplication::translate("Vexalon", "Squelch level:");
    case Setting::BeepTones:
      return QCoreApplication::translate("Vexalon", "Beep tones:");
    case Setting::BatterySaving:
      return QCoreApplication::translate("Vexalon", "Battery saving:");
    case Setting::SelfProgramming:
      return QCoreApplication::translate("Vexalon", "Self-programming:");
    case Setting::Tot:
      return QCoreApplication::translate("Vexalon", "Time out timer (TOT):");
    case Setting::TotRekey:
      return QCoreApplication::translate("Vexalon", "TOT rekey time:");
    case Setting::TotReset:
      return QCoreApplication::translate("Vexalon", "TOT reset time:");
  }
  return {};
}

QStringList SettingItems(Setting setting) {
  switch (setting) {
    case Setting::MonitorKey:
      return {QCoreApplication::translate("Vexalon", "Off"),
              QCoreApplication::translate("Vexalon", "Monitor momentary"),
              QCoreApplication::translate("Vexalon", "Monitor lock"),
              QCoreApplication::translate("Vexalon", "Squelch off momentary")};
    case Setting::Tot:
      return DurationItems(30, 300, 30);
    case Setting::TotRekey:
      return DurationItems(1, 60, 1);
    case Setting::TotReset:
      return DurationItems(1, 15, 1);
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
