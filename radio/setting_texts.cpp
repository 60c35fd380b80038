#include "radio/setting_texts.h"

namespace {

// "Disabled", then the setting's other values with their unit ("1 second", "2 seconds" ...).
LogLine DurationLine(int index, int first, int step) {
  if (index == 0) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "Disabled"));
  }
  const int seconds = first + (index - 1) * step;
  return seconds == 1 ? Line(QT_TRANSLATE_NOOP("Vexalon", "1 second"))
                      : Line(QT_TRANSLATE_NOOP("Vexalon", "%1 seconds"), {Literal(seconds)});
}

}  // namespace

LogLine SettingValueLine(Setting setting, int value) {
  switch (setting) {
    case Setting::MonitorKey: {
      static constexpr const char* kItems[] = {
          QT_TRANSLATE_NOOP("Vexalon", "Off"), QT_TRANSLATE_NOOP("Vexalon", "Monitor momentary"),
          QT_TRANSLATE_NOOP("Vexalon", "Monitor lock"),
          QT_TRANSLATE_NOOP("Vexalon", "Squelch off momentary")};
      return value >= 0 && value < kMonitorKeyCount ? Line(kItems[value]) : Literal(value);
    }
    case Setting::Tot:
      return DurationLine(value, 30, 30);
    case Setting::TotRekey:
    case Setting::TotReset:
      return DurationLine(value, 1, 1);
    case Setting::SquelchLevel:
      return Literal(value);
    case Setting::BeepTones:
    case Setting::BatterySaving:
    case Setting::SelfProgramming:
      break;
  }
  return value != 0 ? Line(QT_TRANSLATE_NOOP("Vexalon", "On"))
                    : Line(QT_TRANSLATE_NOOP("Vexalon", "Off"));
}
