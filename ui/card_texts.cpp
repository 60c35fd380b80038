#include "ui/card_texts.h"

#include <QCoreApplication>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "radio/hz_text.h"
#include "radio/log_line.h"
#include "radio/mhz_text.h"
#include "radio/tables.h"
#include "ui/list_fillers.h"

namespace {

const QString kNothingSelected = QStringLiteral("—");

QString Separator() {
  return QString::fromStdString(DecimalSeparator());
}

// Every frequency the radio takes is a multiple of 10 Hz: five decimals in MHz say it all.
QString FrequencyText(std::int64_t hz) {
  QString text = QString::fromStdString(MhzText(hz, 5, DecimalSeparator()));
  if (const int pmr = PmrChannelAt(hz, kPmrBandChannelCount); pmr != 0) {
    text += QCoreApplication::translate("Vexalon", " (PMR %1)").arg(pmr);
  }
  return text;
}

std::optional<std::int64_t> HzValue(const std::string& digits) {
  std::int64_t hz = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), hz);
  if (error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return hz;
}

QString ChannelIndexText(int index) {
  if (index == 0) {
    return QCoreApplication::translate(kTextContext, ChannelItemText(0, {}).c_str());
  }
  return index > 0 && index <= kPmrChannelCount ? FrequencyText(PmrChannelHz(index))
                                                : kNothingSelected;
}

QString HzText(const std::string& typed) {
  const std::string digits = TrimmedHzText(typed);
  if (digits.empty()) {
    return QCoreApplication::translate(kTextContext, ChannelItemText(0, {}).c_str());
  }
  const std::optional<std::int64_t> hz = IsWritableHzText(digits) ? HzValue(digits) : std::nullopt;
  return hz ? FrequencyText(*hz)
            : QString::fromStdString(digits) + QCoreApplication::translate("Vexalon", " (invalid)");
}

bool InUse(const ChannelRow& row, bool advancedMode) {
  if (advancedMode) {
    return !TrimmedHzText(row.rxHzText).empty() || !TrimmedHzText(row.txHzText).empty();
  }
  return row.rxChannelIndex > 0 || row.txChannelIndex > 0;
}

// One decimal, as CTCSS tones are named everywhere: "67.0" and "100.0" read as the tone
// charts and other radios print them, and line up in a column.
QString ToneText(int index) {
  if (index == 0) {
    return QCoreApplication::translate(kTextContext, ToneItemText(0, {}).c_str());
  }
  if (index > 0 && index < kFirstDqtIndex) {
    return QString::number(ToneFrequencies.at(index - 1), 'f', 1)
               .replace(QLatin1Char('.'), Separator()) +
           QStringLiteral(" Hz");
  }
  if (index >= kFirstDqtIndex && index < kToneListCount) {
    return QString::fromLatin1(DqtNames.at(index - kFirstDqtIndex));
  }
  return kNothingSelected;
}

QString ListItem(Setting setting, int index) {
  const QStringList items = SettingItems(setting);
  return index >= 0 && index < items.size() ? items.at(index) : kNothingSelected;
}

QString ValueText(Setting setting, const RadioSettings& settings) {
  const int value = SettingValue(settings, setting);
  switch (TraitsOf(setting).kind) {
    case SettingKind::List:
      return ListItem(setting, value);
    case SettingKind::Level:
      return QCoreApplication::translate("Vexalon", "%1 of %2")
          .arg(value)
          .arg(TraitsOf(setting).count - 1);
    case SettingKind::Switch:
      return SwitchText(value != 0);
  }
  return kNothingSelected;
}

}  // namespace

QStringList ChannelTableHeader() {
  return {QCoreApplication::translate("Vexalon", "Ch"),
          QCoreApplication::translate("Vexalon", "RX MHz"),
          QCoreApplication::translate("Vexalon", "RX QT/DQT"),
          QCoreApplication::translate("Vexalon", "TX MHz"),
          QCoreApplication::translate("Vexalon", "TX QT/DQT"),
          QCoreApplication::translate("Vexalon", "Shift"),
          QCoreApplication::translate("Vexalon", "Busy lockout")};
}

CardRow ChannelCardRow(int channel, const ChannelRow& row, bool advancedMode) {
  const QString rx = advancedMode ? HzText(row.rxHzText) : ChannelIndexText(row.rxChannelIndex);
  const QString tx = advancedMode ? HzText(row.txHzText) : ChannelIndexText(row.txChannelIndex);
  return {{QString::number(channel), rx, ToneText(row.rxToneIndex), tx, ToneText(row.txToneIndex),
           SwitchText(row.shift), SwitchText(row.lockout)},
          InUse(row, advancedMode)};
}

std::pair<QString, QString> SettingLine(Setting setting, const RadioSettings& settings) {
  return {SettingCaption(setting), ValueText(setting, settings)};
}
