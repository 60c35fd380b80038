#include "files/channel_plan.h"

#include "files/ini_file.h"
#include "radio/grid_names.h"
#include "radio/memory_map.h"
#include "radio/settings_page.h"
#include "radio/tables.h"

namespace {

constexpr char kGeneral[] = "General";
constexpr char kAdvancedModeKey[] = "AdvancedMode";
constexpr char kOtherSettingsKey[] = "OtherSettings";
constexpr char kSettingsSection[] = "OtherSettings";

constexpr char kNormalFileInAdvancedMode[] =
    "This configuration file is save in normal mode but you are in advanced mode.\r\n"
    "Please restart this software to normal mode.";
constexpr char kNotAPlan[] = " is not a Vexalon channel plan.";
constexpr char kNoSettingsInFile[] =
    "The configuration file did not have settings included, but frequencies had been loaded.";

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

void SaveChannel(const PlanWindow& window, IniFile& ini, int channel, bool advanced) {
  const std::string section = ChannelSection(channel);
  const std::string rx = GridControlName(GridRole::FreqRx, channel, advanced);
  const std::string tx = GridControlName(GridRole::FreqTx, channel, advanced);
  if (advanced) {
    ini.WriteString(section, "FreqRX", window.EditText(rx));
    ini.WriteString(section, "FreqTX", window.EditText(tx));
  } else {
    ini.WriteInteger(section, "FreqRX", window.ListIndex(rx));
    ini.WriteInteger(section, "FreqTX", window.ListIndex(tx));
  }
  ini.WriteInteger(section, "CTCSSRX",
                   window.ListIndex(GridControlName(GridRole::CtcssRx, channel, advanced)));
  ini.WriteInteger(section, "CTCSSTX",
                   window.ListIndex(GridControlName(GridRole::CtcssTx, channel, advanced)));
  ini.WriteBool(section, "Shift",
                window.IsChecked(GridControlName(GridRole::Shift, channel, advanced)));
  ini.WriteBool(section, "Lockout",
                window.IsChecked(GridControlName(GridRole::Lockout, channel, advanced)));
}

void SaveSettings(const PlanWindow& window, IniFile& ini) {
  ini.WriteInteger(kSettingsSection, "MonitorKey", window.ListIndex("cb_monitor"));
  ini.WriteInteger(kSettingsSection, "SquelchLevel", window.SliderPosition("squelch_level"));
  ini.WriteBool(kSettingsSection, "BeepTones", window.IsChecked("cb_beeptones"));
  ini.WriteBool(kSettingsSection, "BatterySaving", window.IsChecked("cb_batterysaving"));
  ini.WriteBool(kSettingsSection, "SelfProgramming", window.IsChecked("cb_selfprog"));
  ini.WriteInteger(kSettingsSection, "TOT", window.ListIndex("cb_tot"));
  ini.WriteInteger(kSettingsSection, "TOTRekey", window.ListIndex("cb_tot_rekey"));
  ini.WriteInteger(kSettingsSection, "TOTReset", window.ListIndex("cb_tot_reset"));
}

void LoadChannel(PlanWindow& window, const IniFile& ini, int channel, bool advanced) {
  const std::string section = ChannelSection(channel);
  const std::string rx = GridControlName(GridRole::FreqRx, channel, advanced);
  const std::string tx = GridControlName(GridRole::FreqTx, channel, advanced);
  if (advanced) {
    window.SetEditText(rx, ini.ReadString(section, "FreqRX", ""));
    window.SetEditText(tx, ini.ReadString(section, "FreqTX", ""));
  } else {
    window.SelectListIndex(rx, ReadListIndex(ini, section, "FreqRX", kChannelListCount, 0));
    window.SelectListIndex(tx, ReadListIndex(ini, section, "FreqTX", kChannelListCount, 0));
  }
  window.SelectListIndex(GridControlName(GridRole::CtcssRx, channel, advanced),
                         ReadListIndex(ini, section, "CTCSSRX", kToneListCount, 0));
  window.SelectListIndex(GridControlName(GridRole::CtcssTx, channel, advanced),
                         ReadListIndex(ini, section, "CTCSSTX", kToneListCount, 0));
  window.SetChecked(GridControlName(GridRole::Shift, channel, advanced),
                    ini.ReadBool(section, "Shift", false));
  window.SetChecked(GridControlName(GridRole::Lockout, channel, advanced),
                    ini.ReadBool(section, "Lockout", false));
  window.MarkChannelUnread(channel, false);
}

void LoadSettings(PlanWindow& window, const IniFile& ini) {
  window.SelectListIndex("cb_monitor", ReadListIndex(ini, kSettingsSection, "MonitorKey",
                                                     kMonitorKeyCount, kDefaultMonitorKey));
  // The slider holds the position within its range.
  window.SetSliderPosition("squelch_level",
                           ini.ReadInteger(kSettingsSection, "SquelchLevel", kDefaultSquelchLevel));
  window.SetChecked("cb_beeptones", ini.ReadBool(kSettingsSection, "BeepTones", true));
  window.SetChecked("cb_batterysaving", ini.ReadBool(kSettingsSection, "BatterySaving", true));
  window.SetChecked("cb_selfprog", ini.ReadBool(kSettingsSection, "SelfProgramming", true));
  window.SelectListIndex("cb_tot", ReadListIndex(ini, kSettingsSection, "TOT", kTotCount, 0));
  window.SelectListIndex("cb_tot_rekey",
                         ReadListIndex(ini, kSettingsSection, "TOTRekey", kTotRekeyCount, 0));
  window.SelectListIndex("cb_tot_reset",
                         ReadListIndex(ini, kSettingsSection, "TOTReset", kTotResetCount, 0));
}

// Everything between disabling and enabling the controls; returning early is a refusal.
void LoadPlan(PlanWindow& window, const IniFile& ini, const std::string& fileName, bool settings) {
  // Reading a missing or unreadable file as all defaults would wipe the plan on screen
  // and report success.
  if (!ini.WasRead()) {
    window.ShowError("Unable to read " + fileName + ".");
    return;
  }
  if (!LooksLikeAPlan(ini)) {
    window.ShowError(fileName + kNotAPlan);
    return;
  }
  const bool advanced = ini.ReadBool(kGeneral, kAdvancedModeKey, window.AdvancedMode());
  if (advanced && !window.AdvancedMode()) {
    window.EnterAdvancedMode();
  } else if (!advanced && window.AdvancedMode()) {
    window.ShowError(kNormalFileInAdvancedMode);
    return;
  }
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    LoadChannel(window, ini, channel, advanced);
  }
  if (!settings) {
    return;
  }
  if (ini.ReadBool(kGeneral, kOtherSettingsKey, false)) {
    LoadSettings(window, ini);
  } else {
    window.ShowInformation(kNoSettingsInFile);
  }
}

}  // namespace

void SaveToFile(PlanWindow& window, const std::string& fileName, bool settings) {
  IniFile ini(fileName);
  const bool advanced = window.AdvancedMode();
  ini.WriteBool(kGeneral, kAdvancedModeKey, advanced);
  ini.WriteBool(kGeneral, kOtherSettingsKey, settings);
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    SaveChannel(window, ini, channel, advanced);
  }
  if (settings) {
    SaveSettings(window, ini);
  }
  ini.Commit();
}

void LoadFromFile(PlanWindow& window, const std::string& fileName, bool settings) {
  const IniFile ini(fileName);
  window.SetControlsEnabled(false);
  LoadPlan(window, ini, fileName, settings);
  window.SetControlsEnabled(true);
}
