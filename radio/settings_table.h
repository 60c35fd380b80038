#pragma once

#include <array>
#include <cstddef>

#include "radio/channel_plan.h"
#include "radio/log_line.h"

// The operating settings, in the order the settings page, the card and the plan file give
// them.
enum class Setting {
  MonitorKey,
  SquelchLevel,
  BeepTones,
  BatterySaving,
  SelfProgramming,
  Tot,
  TotRekey,
  TotReset
};

// What a setting's value is: an item index of its list, a squelch level from 0 up, or a
// switch.
enum class SettingKind { List, Level, Switch };

struct SettingTraits {
  Setting setting;
  SettingKind kind;
  // The key in the plan file's [OtherSettings] section.
  const char* key;
  // Where the value lies in the 8-byte settings record: its byte, and for a switch the bit
  // (a BitIsSet position) of the active-high flag.
  std::size_t offset;
  int bitPosition;
  // How many values the setting takes: the items of its list, the levels, or a switch's 2.
  int count;
  // The label beside the setting's control, in the "Vexalon" translation context.
  const char* caption;
  // The field of RadioSettings that holds the value: a number, or a switch's flag.
  int RadioSettings::*number;
  bool RadioSettings::*flag;
};

inline constexpr std::array<SettingTraits, 8> kSettingTraits = {{
    {Setting::MonitorKey, SettingKind::List, "MonitorKey", 2, 0, 4,
     QT_TRANSLATE_NOOP("Vexalon", "Monitor key:"), &RadioSettings::monitorKey, nullptr},
    {Setting::SquelchLevel, SettingKind::Level, "SquelchLevel", 1, 0, 11,
     QT_TRANSLATE_NOOP("Vexalon", "Squelch level:"), &RadioSettings::squelchLevel, nullptr},
    {Setting::BeepTones, SettingKind::Switch, "BeepTones", 0, 8, 2,
     QT_TRANSLATE_NOOP("Vexalon", "Beep tones:"), nullptr, &RadioSettings::beepTones},
    {Setting::BatterySaving, SettingKind::Switch, "BatterySaving", 0, 7, 2,
     QT_TRANSLATE_NOOP("Vexalon", "Battery saving:"), nullptr, &RadioSettings::batterySaving},
    {Setting::SelfProgramming, SettingKind::Switch, "SelfProgramming", 0, 5, 2,
     QT_TRANSLATE_NOOP("Vexalon", "Self-programming:"), nullptr, &RadioSettings::selfProgramming},
    {Setting::Tot, SettingKind::List, "TOT", 3, 0, 11,
     QT_TRANSLATE_NOOP("Vexalon", "Time out timer (TOT):"), &RadioSettings::tot, nullptr},
    {Setting::TotRekey, SettingKind::List, "TOTRekey", 4, 0, 61,
     QT_TRANSLATE_NOOP("Vexalon", "TOT rekey time:"), &RadioSettings::totRekey, nullptr},
    {Setting::TotReset, SettingKind::List, "TOTReset", 5, 0, 16,
     QT_TRANSLATE_NOOP("Vexalon", "TOT reset time:"), &RadioSettings::totReset, nullptr},
}};

constexpr const SettingTraits& TraitsOf(Setting setting) {
  return kSettingTraits[static_cast<std::size_t>(setting)];
}

inline constexpr int kMonitorKeyCount = TraitsOf(Setting::MonitorKey).count;
inline constexpr int kTotCount = TraitsOf(Setting::Tot).count;
inline constexpr int kTotRekeyCount = TraitsOf(Setting::TotRekey).count;
inline constexpr int kTotResetCount = TraitsOf(Setting::TotReset).count;
inline constexpr int kSquelchLevelMax = TraitsOf(Setting::SquelchLevel).count - 1;

// The settings record's bytes up to the last that holds a setting; the rest is FF.
inline constexpr std::size_t kSettingsFieldsSize = [] {
  std::size_t size = 0;
  for (const SettingTraits& traits : kSettingTraits) {
    size = traits.offset + 1 > size ? traits.offset + 1 : size;
  }
  return size;
}();

// The setting's value as a number: its list index or level, or 1 for a switch that is on.
int SettingValue(const RadioSettings& settings, Setting setting);
void SetSettingValue(RadioSettings& settings, Setting setting, int value);
