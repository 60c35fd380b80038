#include "radio/progress_lines.h"

#include "radio/codecs.h"
#include "radio/hex_text.h"
#include "radio/memory_map.h"

namespace {

LogLine AddressText(std::uint16_t address) {
  return Literal(HexAddress(address));
}

LogLine ListSettingName(ListSetting setting) {
  switch (setting) {
    case ListSetting::MonitorKey:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "Monitor key"));
    case ListSetting::Tot:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "Time out timer (TOT)"));
    case ListSetting::TotRekey:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "TOT rekey time"));
    case ListSetting::TotReset:
      break;
  }
  return Line(QT_TRANSLATE_NOOP("Vexalon", "TOT reset time"));
}

}  // namespace

LogLine ReadDetectedLine(const std::string& variant) {
  return Line(
      QT_TRANSLATE_NOOP(
          "Vexalon",
          "Supported HT-446%1 radio detected. Reading will take few seconds, please wait..."),
      {Literal(variant)});
}

LogLine ReadingChannelsLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Reading channels..."));
}

LogLine ChannelNotReadLine(int channel) {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "[!] Couldn't read channel %1."), {Literal(channel)});
}

LogLine ReadingSettingsLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Reading settings..."));
}

LogLine SettingsNotReadLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "[!] Couldn't read settings."));
}

LogLine SettingOutOfListLine(ListSetting setting, int value) {
  return Line(
      QT_TRANSLATE_NOOP(
          "Vexalon",
          "[!] The radio holds %1 for \"%2\", which is not in its list. A write stores FF there "
          "unless you choose a value first."),
      {Literal(value), ListSettingName(setting)});
}

LogLine WriteDetectedLine(const std::string& variant) {
  return Line(
      QT_TRANSLATE_NOOP("Vexalon",
                        "Supported HT-446%1 radio detected, continuing. This takes few seconds."),
      {Literal(variant)});
}

LogLine SafeWriteTimeLine(int seconds) {
  return Line(
      QT_TRANSLATE_NOOP(
          "Vexalon",
          "With a backup of the radio before it and a check after it, the write takes about %1 "
          "seconds."),
      {Literal(seconds)});
}

LogLine BackingUpLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Backing up what the radio holds..."));
}

LogLine BackupKeptLine(const std::string& fileName) {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "What the radio held is kept in %1."),
              {Literal(fileName)});
}

LogLine NoBackupLine(const BackupResult& backup) {
  if (backup.backupUnread.empty()) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "The backup of the radio could not be saved: %1"),
                {backup.backupFailure});
  }
  std::vector<LogLine> addresses;
  for (const std::uint16_t address : backup.backupUnread) {
    addresses.push_back(AddressText(address));
  }
  return Counted(
      static_cast<int>(addresses.size()),
      QT_TRANSLATE_N_NOOP("Vexalon",
                          "The radio's blocks at %1 could not be read, so no backup was kept."),
      "The radio's block at %1 could not be read, so no backup was kept.", {JoinedLine(addresses)});
}

LogLine WriteWithoutBackupQuestion(const LogLine& why) {
  return Line(QT_TRANSLATE_NOOP(
                  "Vexalon",
                  "%1\r\n\r\nWithout a backup, what the radio holds now cannot be put back. Write "
                  "anyway?"),
              {why});
}

LogLine CheckDetectedLine(const std::string& variant) {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Supported HT-446%1 radio detected."),
              {Literal(variant)});
}

LogLine WritingChannelsLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Writing channels..."));
}

LogLine HalfNotAcknowledgedLine(int channel, bool toneHalf, const ByteString& reply) {
  return Line(toneHalf ? QT_TRANSLATE_NOOP("Vexalon",
                                           " Ch %1 QT/DQT failed, unknown response from radio: %2")
                       : QT_TRANSLATE_NOOP(
                             "Vexalon", " Ch %1 frequency failed, unknown response from radio: %2"),
              {Literal(channel), Literal(HexDump(reply))});
}

LogLine OtherWritesNotAcknowledgedLine(int count) {
  return Counted(
      count, QT_TRANSLATE_N_NOOP("Vexalon", "[!] The radio did not acknowledge %n other writes."),
      "[!] The radio did not acknowledge %n other write.");
}

LogLine BlocksAlreadyHeldLine(int count) {
  return Counted(
      count,
      QT_TRANSLATE_N_NOOP("Vexalon",
                          "%n blocks are not sent: the radio already holds them as they are."),
      "%n block is not sent: the radio already holds it as it is.");
}

LogLine PlanAlreadyHeldLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "The radio already holds all of it; nothing was sent."));
}

LogLine WritingToneTablesLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Writing DT/QDT settings..."));
}

LogLine WritingSettingsLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Writing settings..."));
}

LogLine VerifyingLine() {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Checking what the radio holds now..."));
}

LogLine BlockNotReadBackLine(std::uint16_t address) {
  return Line(QT_TRANSLATE_NOOP(
                  "Vexalon", "[!] The block at %1 could not be read back, so it is not verified."),
              {AddressText(address)});
}

LogLine WriteStartupPlanQuestion() {
  return Line(QT_TRANSLATE_NOOP(
      "Vexalon",
      "Nothing has been read from the radio, loaded from a file or edited since the program "
      "started. Writing now replaces all 15 channels in the radio with empty channels and its "
      "settings with the ones shown.\r\n\r\nWrite anyway?"));
}

std::optional<LogLine> HiddenFrequencyLine(int channel, const ChannelRow& row) {
  std::vector<LogLine> hidden;
  if (!ChannelListShows(row, Direction::Rx)) {
    hidden.push_back(
        Line(QT_TRANSLATE_NOOP("Vexalon", "%1 MHz RX"), {Literal(MegahertzText(row.rxHzText))}));
  }
  if (!ChannelListShows(row, Direction::Tx)) {
    hidden.push_back(
        Line(QT_TRANSLATE_NOOP("Vexalon", "%1 MHz TX"), {Literal(MegahertzText(row.txHzText))}));
  }
  if (hidden.empty()) {
    return std::nullopt;
  }
  const LogLine held = JoinedLine(hidden);
  return Line(
      QT_TRANSLATE_NOOP(
          "Vexalon",
          "[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear "
          "it; advanced mode keeps it."),
      {Literal(channel), held});
}

std::optional<LogLine> HiddenFrequenciesQuestion(const std::vector<int>& channels) {
  if (channels.empty()) {
    return std::nullopt;
  }
  std::vector<LogLine> numbers;
  for (const int channel : channels) {
    numbers.push_back(Literal(channel));
  }
  return Counted(
      static_cast<int>(channels.size()),
      QT_TRANSLATE_N_NOOP(
          "Vexalon",
          "Channels %1 hold frequencies in the radio that normal mode could not show, so the "
          "window shows them as not in use. Writing now clears them in the radio.\r\n\r\nTo "
          "keep them, answer No, turn on advanced mode (Other settings and info) and read the "
          "radio again.\r\n\r\nWrite anyway?"),
      "Channel %1 holds a frequency in the radio that normal mode could not show, so the "
      "window shows it as not in use. Writing now clears it in the radio.\r\n\r\nTo keep it, "
      "answer No, turn on advanced mode (Other settings and info) and read the radio "
      "again.\r\n\r\nWrite anyway?",
      {JoinedLine(numbers)});
}

LogLine UnwritableHzTextLine(const UnwritableHzText& box) {
  return Line(box.direction == Direction::Rx
                  ? QT_TRANSLATE_NOOP(
                        "Vexalon",
                        "[!] Ch %1 RX \"%2\" is not a frequency in Hz (digits only, a multiple of "
                        "10 Hz). Nothing was written.")
                  : QT_TRANSLATE_NOOP(
                        "Vexalon",
                        "[!] Ch %1 TX \"%2\" is not a frequency in Hz (digits only, a multiple of "
                        "10 Hz). Nothing was written."),
              {Literal(box.channel), Literal(box.text)});
}
