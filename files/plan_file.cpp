#include "files/plan_file.h"

#include <algorithm>

#include "files/ini_file.h"
#include "radio/tables.h"

namespace {

constexpr char kGeneral[] = "General";
constexpr char kAdvancedModeKey[] = "AdvancedMode";
constexpr char kOtherSettingsKey[] = "OtherSettings";
constexpr char kSettingsSection[] = "OtherSettings";

std::string ChannelSection(int channel) {
  return "Ch" + std::to_string(channel);
}

// Only values the list holds are selected: an index outside it would leave the list
// without a selection, which a later write to the radio would send as 0xFF.
int ReadListIndex(const IniFile& ini, const std::string& section, const char* key, int count,
                  int defaultIndex) {
  const int index = ini.ReadInteger(section, key, defaultIndex);
  return index >= 0 && index < count ? index : defaultIndex;
}

// Loading a file of none of the plan's sections would set every control to its default.
bool LooksLikeAPlan(const IniFile& ini) {
  if (ini.HasSection(kGeneral) || ini.HasSection(kSettingsSection)) {
    return true;
  }
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    if (ini.HasSection(ChannelSection(channel))) {
      return true;
    }
  }
  return false;
}

void SaveChannel(IniFile& ini, int channel, const ChannelRow& row, bool advanced) {
  const std::string section = ChannelSection(channel);
  if (advanced) {
    ini.WriteString(section, "FreqRX", row.rxHzText);
    ini.WriteString(section, "FreqTX", row.txHzText);
  } else {
    ini.WriteInteger(section, "FreqRX", row.rxChannelIndex);
    ini.WriteInteger(section, "FreqTX", row.txChannelIndex);
  }
  ini.WriteInteger(section, "CTCSSRX", row.rxToneIndex);
  ini.WriteInteger(section, "CTCSSTX", row.txToneIndex);
  ini.WriteBool(section, "Shift", row.shift);
  ini.WriteBool(section, "Lockout", row.lockout);
}

void SaveSettings(IniFile& ini, const RadioSettings& settings) {
  ini.WriteInteger(kSettingsSection, "MonitorKey", settings.monitorKey);
  ini.WriteInteger(kSettingsSection, "SquelchLevel", settings.squelchLevel);
  ini.WriteBool(kSettingsSection, "BeepTones", settings.beepTones);
  ini.WriteBool(kSettingsSection, "BatterySaving", settings.batterySaving);
  ini.WriteBool(kSettingsSection, "SelfProgramming", settings.selfProgramming);
  ini.WriteInteger(kSettingsSection, "TOT", settings.tot);
  ini.WriteInteger(kSettingsSection, "TOTRekey", settings.totRekey);
  ini.WriteInteger(kSettingsSection, "TOTReset", settings.totReset);
}

ChannelRow LoadChannel(const IniFile& ini, int channel, bool advanced) {
  const std::string section = ChannelSection(channel);
  ChannelRow row;
  if (advanced) {
    row.rxHzText = ini.ReadString(section, "FreqRX", "");
    row.txHzText = ini.ReadString(section, "FreqTX", "");
  } else {
    row.rxChannelIndex = ReadListIndex(ini, section, "FreqRX", kChannelListCount, 0);
    row.txChannelIndex = ReadListIndex(ini, section, "FreqTX", kChannelListCount, 0);
  }
  row.rxToneIndex = ReadListIndex(ini, section, "CTCSSRX", kToneListCount, 0);
  row.txToneIndex = ReadListIndex(ini, section, "CTCSSTX", kToneListCount, 0);
  row.shift = ini.ReadBool(section, "Shift", false);
  row.lockout = ini.ReadBool(section, "Lockout", false);
  return row;
}

// A missing key reads as the settings page's designed default.
RadioSettings LoadSettings(const IniFile& ini) {
  const RadioSettings& byDefault = kDefaultSettings;
  RadioSettings settings;
  settings.monitorKey =
      ReadListIndex(ini, kSettingsSection, "MonitorKey", kMonitorKeyCount, byDefault.monitorKey);
  settings.squelchLevel =
      std::clamp(ini.ReadInteger(kSettingsSection, "SquelchLevel", byDefault.squelchLevel), 0,
                 kSquelchLevelMax);
  settings.beepTones = ini.ReadBool(kSettingsSection, "BeepTones", byDefault.beepTones);
  settings.batterySaving = ini.ReadBool(kSettingsSection, "BatterySaving", byDefault.batterySaving);
  settings.selfProgramming =
      ini.ReadBool(kSettingsSection, "SelfProgramming", byDefault.selfProgramming);
  settings.tot = ReadListIndex(ini, kSettingsSection, "TOT", kTotCount, byDefault.tot);
  settings.totRekey =
      ReadListIndex(ini, kSettingsSection, "TOTRekey", kTotRekeyCount, byDefault.totRekey);
  settings.totReset =
      ReadListIndex(ini, kSettingsSection, "TOTReset", kTotResetCount, byDefault.totReset);
  return settings;
}

void WritePlan(IniFile& ini, const ChannelPlan& plan) {
  ini.WriteBool(kGeneral, kAdvancedModeKey, plan.advancedMode);
  ini.WriteBool(kGeneral, kOtherSettingsKey, plan.settings.has_value());
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    SaveChannel(ini, channel, plan.channels[channel - 1], plan.advancedMode);
  }
  if (plan.settings) {
    SaveSettings(ini, *plan.settings);
  }
}

LoadedPlan Refused(const LogLine& reason) {
  return {std::nullopt, {reason, {}}};
}

}  // namespace

const char kNoSettingsInFile[] = QT_TRANSLATE_NOOP(
    "Vexalon",
    "The configuration file did not have settings included, but frequencies had been loaded.");

PlanFileOutcome SavePlanFile(const std::string& fileName, const ChannelPlan& plan) {
  try {
    IniFile ini(fileName);
    WritePlan(ini, plan);
    ini.Commit();
  } catch (const IniWriteError&) {
    return {Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to write to %1."), {Literal(fileName)}), {}};
  }
  return {};
}

std::string PlanFileText(const ChannelPlan& plan) {
  IniFile ini;
  WritePlan(ini, plan);
  return ini.Text();
}

LoadedPlan LoadPlanFile(const std::string& fileName, bool settings, bool advancedMode) {
  const IniFile ini(fileName);
  // Reading a missing or unreadable file as all defaults would wipe the plan on screen
  // and report success.
  if (!ini.WasRead()) {
    return Refused(Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to read %1."), {Literal(fileName)}));
  }
  if (!LooksLikeAPlan(ini)) {
    return Refused(Line(QT_TRANSLATE_NOOP("Vexalon", "%1 is not a Vexalon channel plan."),
                        {Literal(fileName)}));
  }
  ChannelPlan plan;
  plan.advancedMode = ini.ReadBool(kGeneral, kAdvancedModeKey, advancedMode);
  if (advancedMode && !plan.advancedMode) {
    return Refused(Line(QT_TRANSLATE_NOOP(
        "Vexalon",
        "This configuration file is save in normal mode but you are in advanced mode.\r\n"
        "Please restart this software to normal mode.")));
  }
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    plan.channels[channel - 1] = LoadChannel(ini, channel, plan.advancedMode);
  }
  LoadedPlan loaded;
  if (settings && ini.ReadBool(kGeneral, kOtherSettingsKey, false)) {
    plan.settings = LoadSettings(ini);
  } else if (settings) {
    loaded.outcome.notice = Line(kNoSettingsInFile);
  }
  loaded.plan = plan;
  return loaded;
}
