#include "files/plan_file.h"

#include <algorithm>

#include "files/ini_file.h"
#include "files/quoted_value.h"
#include "radio/settings_table.h"
#include "radio/tables.h"

namespace {

constexpr char kGeneral[] = "General";
constexpr char kAdvancedModeKey[] = "AdvancedMode";
constexpr char kOtherSettingsKey[] = "OtherSettings";
constexpr char kSettingsSection[] = "OtherSettings";
constexpr char kRxFrequencyKey[] = "FreqRX";
constexpr char kTxFrequencyKey[] = "FreqTX";
constexpr char kRxToneKey[] = "CTCSSRX";
constexpr char kTxToneKey[] = "CTCSSTX";
constexpr char kShiftKey[] = "Shift";
constexpr char kLockoutKey[] = "Lockout";
// A file may lack almost every key; a dialog names the first of them and counts the rest.
constexpr std::size_t kMaxProblemLines = 10;

std::string ChannelSection(int channel) {
  return "Ch" + std::to_string(channel);
}

// Reads the plan's keys with their defaults, and notes each that is missing
// or holds a value the plan cannot use. A missing section is noted once by the caller,
// not key by key.
class KeyReader {
 public:
  KeyReader(const IniFile& ini, std::vector<PlanProblem>& problems)
      : ini_(ini), problems_(problems) {}

  // Notes the section when it is missing; its keys then read as their defaults.
  void ExpectSection(const std::string& section) {
    if (!ini_.HasSection(section)) {
      problems_.push_back(
          {Line(QT_TRANSLATE_NOOP("Vexalon", "[%1] is missing."), {Literal(section)}), true});
    }
  }

  std::string Text(const std::string& section, const char* key) {
    const std::optional<std::string> value = ini_.Value(section, key);
    if (!value) {
      NoteMissing(section, key, false);
    }
    return value.value_or("");
  }

  bool Bool(const std::string& section, const char* key, bool defaultValue) {
    return Number(section, key).value_or(defaultValue ? 1 : 0) != 0;
  }

  // Only values the list holds are selected: an index outside it would leave the list
  // without a selection, which a later write to the radio would send as 0xFF. -1 is how
  // a list without a selection is saved, so it is no fault of the file.
  int ListIndex(const std::string& section, const char* key, int count, int defaultIndex) {
    const std::optional<int> index = Number(section, key);
    if (!index || *index == -1) {
      return defaultIndex;
    }
    if (*index < 0 || *index >= count) {
      NoteOutside(section, key, count - 1);
      return defaultIndex;
    }
    return *index;
  }

  int InRange(const std::string& section, const char* key, int max, int defaultValue) {
    const int value = Number(section, key).value_or(defaultValue);
    if (value < 0 || value > max) {
      NoteOutside(section, key, max);
    }
    return std::clamp(value, 0, max);
  }

 private:
  std::optional<int> Number(const std::string& section, const char* key) {
    const std::optional<std::string> value = ini_.Value(section, key);
    if (!value || value->empty()) {
      NoteMissing(section, key, value.has_value());
      return std::nullopt;
    }
    const std::optional<int> number = IniInteger(*value);
    if (!number) {
      problems_.push_back({Line(QT_TRANSLATE_NOOP("Vexalon", "[%1] %2 %3 is not a whole number."),
                                {Literal(section), Literal(key), QuotedValue(*value)}),
                           false});
    }
    return number;
  }

  void NoteMissing(const std::string& section, const char* key, bool empty) {
    if (!ini_.HasSection(section)) {
      return;
    }
    problems_.push_back({Line(empty ? QT_TRANSLATE_NOOP("Vexalon", "[%1] %2 has no value.")
                                    : QT_TRANSLATE_NOOP("Vexalon", "[%1] %2 is missing."),
                              {Literal(section), Literal(key)}),
                         true});
  }

  void NoteOutside(const std::string& section, const char* key, int max) {
    problems_.push_back({Line(QT_TRANSLATE_NOOP("Vexalon", "[%1] %2 %3 lies outside 0 to %4."),
                              {Literal(section), Literal(key),
                               QuotedValue(ini_.ReadString(section, key, "")), Literal(max)}),
                         false});
  }

  const IniFile& ini_;
  std::vector<PlanProblem>& problems_;
};

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
    ini.WriteString(section, kRxFrequencyKey, row.rxHzText);
    ini.WriteString(section, kTxFrequencyKey, row.txHzText);
  } else {
    ini.WriteInteger(section, kRxFrequencyKey, row.rxChannelIndex);
    ini.WriteInteger(section, kTxFrequencyKey, row.txChannelIndex);
  }
  ini.WriteInteger(section, kRxToneKey, row.rxToneIndex);
  ini.WriteInteger(section, kTxToneKey, row.txToneIndex);
  ini.WriteBool(section, kShiftKey, row.shift);
  ini.WriteBool(section, kLockoutKey, row.lockout);
}

void SaveSettings(IniFile& ini, const RadioSettings& settings) {
  for (const SettingTraits& traits : kSettingTraits) {
    ini.WriteInteger(kSettingsSection, traits.key, SettingValue(settings, traits.setting));
  }
}

ChannelRow LoadChannel(KeyReader& keys, int channel, bool advanced) {
  const std::string section = ChannelSection(channel);
  keys.ExpectSection(section);
  ChannelRow row;
  if (advanced) {
    // An empty Hz text is a channel not in use; the write checks the rest.
    row.rxHzText = keys.Text(section, kRxFrequencyKey);
    row.txHzText = keys.Text(section, kTxFrequencyKey);
  } else {
    row.rxChannelIndex = keys.ListIndex(section, kRxFrequencyKey, kChannelListCount, 0);
    row.txChannelIndex = keys.ListIndex(section, kTxFrequencyKey, kChannelListCount, 0);
  }
  row.rxToneIndex = keys.ListIndex(section, kRxToneKey, kToneListCount, 0);
  row.txToneIndex = keys.ListIndex(section, kTxToneKey, kToneListCount, 0);
  row.shift = keys.Bool(section, kShiftKey, false);
  row.lockout = keys.Bool(section, kLockoutKey, false);
  return row;
}

// A missing key reads as the settings page's designed default.
RadioSettings LoadSettings(KeyReader& keys) {
  const std::string section = kSettingsSection;
  keys.ExpectSection(section);
  RadioSettings settings;
  for (const SettingTraits& traits : kSettingTraits) {
    const int byDefault = SettingValue(kDefaultSettings, traits.setting);
    int value = byDefault;
    switch (traits.kind) {
      case SettingKind::List:
        value = keys.ListIndex(section, traits.key, traits.count, byDefault);
        break;
      case SettingKind::Level:
        value = keys.InRange(section, traits.key, traits.count - 1, byDefault);
        break;
      case SettingKind::Switch:
        value = keys.Bool(section, traits.key, byDefault != 0) ? 1 : 0;
        break;
    }
    SetSettingValue(settings, traits.setting, value);
  }
  return settings;
}

// What the user is told of the problems: the first of them one a line, and how many more.
LogLine ProblemsNotice(const std::string& fileName, const std::vector<PlanProblem>& problems) {
  LogLine lines;
  const std::size_t shown = std::min(problems.size(), kMaxProblemLines);
  for (std::size_t i = 0; i < shown; ++i) {
    AddNoticeLine(lines, problems[i].line);
  }
  if (problems.size() > shown) {
    AddNoticeLine(lines,
                  Line(QT_TRANSLATE_NOOP("Vexalon", "%1 more are missing or cannot be used."),
                       {Literal(static_cast<int>(problems.size() - shown))}));
  }
  return Line(QT_TRANSLATE_NOOP("Vexalon",
                                "Some of the plan in %1 is missing or cannot be used; these take "
                                "their defaults:\n%2"),
              {Literal(fileName), lines});
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

// The key-by-key rule keeps what else a plan file holds, but written into any other file
// it would mix the plan into that file's own content.
std::optional<LogLine> OutputRefusal(const IniFile& ini, const std::string& fileName) {
  if (!ini.WasRead() || IsBlank(ini.Text()) || LooksLikeAPlan(ini)) {
    return std::nullopt;
  }
  return Line(
      QT_TRANSLATE_NOOP("Vexalon",
                        "%1 is not a Vexalon channel plan; the plan is not saved into it. Choose "
                        "another file."),
      {Literal(fileName)});
}

LoadedPlan Refused(const LogLine& reason) {
  return {std::nullopt, {reason, {}}, {}};
}

}  // namespace

const char kNoSettingsInFile[] = QT_TRANSLATE_NOOP(
    "Vexalon",
    "The configuration file did not have settings included, but frequencies had been loaded.");

// One line below the other is the same in every language, so the join is not translated.
void AddNoticeLine(LogLine& notice, LogLine line) {
  notice =
      notice.format.empty() ? std::move(line) : LogLine{"%1\n%2", {notice, std::move(line)}, false};
}

std::optional<LogLine> PlanFileOutputRefusal(const std::string& fileName) {
  return OutputRefusal(IniFile(fileName), fileName);
}

PlanFileOutcome SavePlanFile(const std::string& fileName, const ChannelPlan& plan) {
  try {
    IniFile ini(fileName);
    const std::optional<LogLine> refusal = OutputRefusal(ini, fileName);
    // Writes stay in memory until the commit; the first says whether the file may be written.
    WritePlan(ini, plan);
    if (refusal) {
      return {*refusal, {}};
    }
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
  LoadedPlan loaded;
  KeyReader keys(ini, loaded.problems);
  ChannelPlan plan;
  keys.ExpectSection(kGeneral);
  plan.advancedMode = keys.Bool(kGeneral, kAdvancedModeKey, advancedMode);
  if (advancedMode && !plan.advancedMode) {
    return Refused(Line(QT_TRANSLATE_NOOP(
        "Vexalon",
        "This configuration file is save in normal mode but you are in advanced mode.\r\n"
        "Please restart this software to normal mode.")));
  }
  const bool holdsSettings = keys.Bool(kGeneral, kOtherSettingsKey, false);
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    plan.channels[channel - 1] = LoadChannel(keys, channel, plan.advancedMode);
  }
  if (settings && holdsSettings) {
    plan.settings = LoadSettings(keys);
  }
  if (!loaded.problems.empty()) {
    loaded.outcome.notice = ProblemsNotice(fileName, loaded.problems);
  }
  if (settings && !holdsSettings) {
    AddNoticeLine(loaded.outcome.notice, Line(kNoSettingsInFile));
  }
  loaded.plan = plan;
  return loaded;
}
