#include "ui/settings_items.h"

namespace {

// "Disabled", then the given values with their unit ("1 second", "2 seconds" ...).
QStringList DurationItems(int first, int last, int step) {
  QStringList items{QStringLiteral("Disabled")};
  for (int value = first; value <= last; value += step) {
    items << (value == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(value));
  }
  return items;
}

}  // namespace

QString SettingCaption(Setting setting) {
  switch (setting) {
    case Setting::MonitorKey:
      return QStringLiteral("Monitor key:");
    case Setting::SquelchLevel:
      return QStringLiteral("Squelch level:");
    case Setting::BeepTones:
      return QStringLiteral("Beep tones:");
    case Setting::BatterySaving:
      return QStringLiteral("Battery saving:");
    case Setting::SelfProgramming:
      return QStringLiteral("Self-programming:");
    case Setting::Tot:
      return QStringLiteral("Time out timer (TOT):");
    case Setting::TotRekey:
      return QStringLiteral("TOT rekey time:");
    case Setting::TotReset:
      return QStringLiteral("TOT reset time:");
  }
  return {};
}

QStringList SettingItems(Setting setting) {
  switch (setting) {
    case Setting::MonitorKey:
      return {QStringLiteral("Off"), QStringLiteral("Monitor momentary"),
              QStringLiteral("Monitor lock"), QStringLiteral("Squelch off momentary")};
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
  return on ? QStringLiteral("On") : QStringLiteral("Off");
}
