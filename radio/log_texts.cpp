#include "radio/log_texts.h"

#include "radio/codecs.h"
#include "radio/memory_map.h"

namespace {

// "4", "4 and 9", "4, 7 and 9".
LogLine JoinedNumbers(const std::vector<int>& numbers) {
  LogLine joined = Literal(numbers.front());
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    joined = Line(i + 1 == numbers.size() ? QT_TRANSLATE_NOOP("Vexalon", "%1 and %2")
                                          : QT_TRANSLATE_NOOP("Vexalon", "%1, %2"),
                  {joined, Literal(numbers[i])});
  }
  return joined;
}

LogLine AddressText(std::uint16_t address) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) {
    text += kDigits[(address >> shift) & 0xF];
  }
  return Literal(text);
}

LogLine JoinedAddresses(const std::vector<std::uint16_t>& addresses) {
  LogLine joined = AddressText(addresses.front());
  for (std::size_t i = 1; i < addresses.size(); ++i) {
    joined = Line(i + 1 == addresses.size() ? QT_TRANSLATE_NOOP("Vexalon", "%1 and %2")
                                            : QT_TRANSLATE_NOOP("Vexalon", "%1, %2"),
                  {joined, AddressText(addresses[i])});
  }
  return joined;
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

LogLine HandshakeFailureLine(const HandshakeOutcome& handshake) {
  switch (handshake.kind) {
    case HandshakeOutcome::RadioNotConnected:
      return Line(QT_TRANSLATE_NOOP(
          "Vexalon",
          "Radio not connected or turned on. Cable needs to be connected and radio turned on."));
    case HandshakeOutcome::NoResponse:
      return Line(QT_TRANSLATE_NOOP(
          "Vexalon", "No response from serial port. Check you are using the right port."));
    default:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "Unknown response from radio: %1"),
                  {Literal(HexDump(handshake.reply))});
  }
}

// A handshake that failed on a reply worth showing. What a line that never falls quiet
// gave is kilobytes of filler; the line that says so is enough.
bool HandshakeAnswered(const HandshakeOutcome& handshake) {
  return handshake.kind != HandshakeOutcome::Identified && !handshake.cutOff;
}

// What ended a transfer that could not go on, or nothing when it went to its end.
std::optional<LogLine> InterruptionLine(TransferEnd end,
                                        const std::optional<PortFailure>& portFailure) {
  switch (end) {
    case TransferEnd::PortNotOpened: {
      const LogLine opened =
          Line(QT_TRANSLATE_NOOP("Vexalon", "Could not open %1: %2"),
               {Literal(portFailure->devicePath), Literal(portFailure->error.Text())});
      if (portFailure->error.kind != SerialError::AccessDenied) {
        return opened;
      }
      return Line(
          QT_TRANSLATE_NOOP(
              "Vexalon",
              "%1. Your user needs access to serial devices (on Debian: membership of the group "
              "dialout)."),
          {opened});
    }
    case TransferEnd::LineLost:
      return Line(QT_TRANSLATE_NOOP(
          "Vexalon",
          "Lost the connection to the radio. Check the cable and the radio, then try again."));
    case TransferEnd::LineNeverQuiet:
      return Line(QT_TRANSLATE_NOOP(
          "Vexalon",
          "The line from the radio never falls quiet. Check the cable and the port, then try "
          "again."));
    case TransferEnd::Stopped:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "Stopped before the end, as asked."));
    default:
      return std::nullopt;
  }
}

LogLine ReadFinishedLine(const ReadOutcome& outcome) {
  const std::vector<int>& channels = outcome.unreadChannels;
  if (channels.empty() && !outcome.settingsUnread) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "Done!"));
  }
  if (channels.empty()) {
    return Line(QT_TRANSLATE_NOOP(
        "Vexalon",
        "Finished with errors: the settings could not be read; they keep their earlier values."));
  }
  const LogLine numbers = JoinedNumbers(channels);
  if (outcome.settingsUnread) {
    return Line(channels.size() == 1
                    ? QT_TRANSLATE_NOOP("Vexalon",
                                        "Finished with errors: channel %1 and the settings could "
                                        "not be read; they keep their earlier values.")
                    : QT_TRANSLATE_NOOP("Vexalon",
                                        "Finished with errors: channels %1 and the settings could "
                                        "not be read; they keep their earlier values."),
                {numbers});
  }
  return Line(
      channels.size() == 1
          ? QT_TRANSLATE_NOOP(
                "Vexalon",
                "Finished with errors: channel %1 could not be read; it keeps its earlier "
                "values.")
          : QT_TRANSLATE_NOOP(
                "Vexalon",
                "Finished with errors: channels %1 could not be read; they keep their earlier "
                "values."),
      {numbers});
}

// After a write that went to its end: what reading back showed, and what to do.
std::vector<LogLine> WriteFinishedLines(const WriteOutcome& outcome) {
  const Verification& check = outcome.verification;
  const bool kept = !outcome.backupFile.empty();
  const LogLine file = Literal(outcome.backupFile);
  if (!check.differing.empty()) {
    const LogLine count = Literal(static_cast<int>(check.differing.size()));
    const bool one = check.differing.size() == 1;
    if (kept) {
      return {Line(one ? QT_TRANSLATE_NOOP(
                             "Vexalon",
                             "Finished with errors: %1 block read back different from what was "
                             "written. What the radio held before is in %2; restore it or write "
                             "again.")
                       : QT_TRANSLATE_NOOP(
                             "Vexalon",
                             "Finished with errors: %1 blocks read back different from what was "
                             "written. What the radio held before is in %2; restore it or write "
                             "again."),
                   {count, file})};
    }
    return {Line(
        one ? QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 block read back different from what was "
                                "written; write again.")
            : QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 blocks read back different from what was "
                                "written; write again."),
        {count})};
  }
  if (!check.unverified.empty()) {
    const LogLine count = Literal(static_cast<int>(check.unverified.size()));
    const bool one = check.unverified.size() == 1;
    if (kept) {
      return {Line(one ? QT_TRANSLATE_NOOP(
                             "Vexalon",
                             "Finished with errors: %1 block could not be read back, so the write "
                             "is not verified. What the radio held before is in %2; read the radio "
                             "to check it, or restore it.")
                       : QT_TRANSLATE_NOOP(
                             "Vexalon",
                             "Finished with errors: %1 blocks could not be read back, so the write "
                             "is not verified. What the radio held before is in %2; read the radio "
                             "to check it, or restore it."),
                   {count, file})};
    }
    return {Line(one ? QT_TRANSLATE_NOOP(
                           "Vexalon",
                           "Finished with errors: %1 block could not be read back, so the write is "
                           "not verified; read the radio to check it.")
                     : QT_TRANSLATE_NOOP(
                           "Vexalon",
                           "Finished with errors: %1 blocks could not be read back, so the write "
                           "is not verified; read the radio to check it."),
                 {count})};
  }
  std::vector<LogLine> lines = {
      Line(QT_TRANSLATE_NOOP("Vexalon", "Verified: the radio holds what was written."))};
  if (outcome.unacknowledgedHalves == 0) {
    lines.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "Done!")));
  } else {
    lines.push_back(Line(
        outcome.unacknowledged == 1
            ? QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 write was not acknowledged, although "
                                "the radio holds what was written.")
            : QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 writes were not acknowledged, although "
                                "the radio holds what was written."),
        {Literal(outcome.unacknowledged)}));
  }
  return lines;
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

LogLine BackupUnreadLine(const std::vector<std::uint16_t>& addresses) {
  return Line(
      addresses.size() == 1
          ? QT_TRANSLATE_NOOP("Vexalon",
                              "The radio's block at %1 could not be read, so no backup was kept.")
          : QT_TRANSLATE_NOOP("Vexalon",
                              "The radio's blocks at %1 could not be read, so no backup was kept."),
      {JoinedAddresses(addresses)});
}

LogLine BackupNotKeptLine(const std::string& failure) {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "The backup of the radio could not be saved: %1"),
              {Literal(failure)});
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
  return Line(
      count == 1
          ? QT_TRANSLATE_NOOP("Vexalon", "[!] The radio did not acknowledge %1 other write.")
          : QT_TRANSLATE_NOOP("Vexalon", "[!] The radio did not acknowledge %1 other writes."),
      {Literal(count)});
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

LogLine BlockDiffersLine(const BlockDifference& difference) {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "[!] The block at %1 reads back as %2 instead of %3."),
              {AddressText(difference.address), Literal(HexDump(difference.readBack)),
               Literal(HexDump(difference.written))});
}

LogLine BlockNotReadBackLine(std::uint16_t address) {
  return Line(QT_TRANSLATE_NOOP(
                  "Vexalon", "[!] The block at %1 could not be read back, so it is not verified."),
              {AddressText(address)});
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
  const LogLine held =
      hidden.size() == 1 ? hidden[0] : Line(QT_TRANSLATE_NOOP("Vexalon", "%1 and %2"), hidden);
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
  return Line(
      channels.size() == 1
          ? QT_TRANSLATE_NOOP(
                "Vexalon",
                "Channel %1 holds a frequency in the radio that normal mode could not show, so "
                "the window shows it as not in use. Writing now clears it in the radio.\r\n\r\n"
                "To keep it, answer No, turn on advanced mode (Other settings and info) and read "
                "the radio again.\r\n\r\nWrite anyway?")
          : QT_TRANSLATE_NOOP(
                "Vexalon",
                "Channels %1 hold frequencies in the radio that normal mode could not show, so "
                "the window shows them as not in use. Writing now clears them in the "
                "radio.\r\n\r\nTo keep them, answer No, turn on advanced mode (Other settings "
                "and info) and read the radio again.\r\n\r\nWrite anyway?"),
      {JoinedNumbers(channels)});
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

std::vector<LogLine> OutcomeLines(const ReadOutcome& outcome) {
  std::vector<LogLine> lines;
  if (HandshakeAnswered(outcome.handshake)) {
    lines.push_back(HandshakeFailureLine(outcome.handshake));
  }
  if (const auto interruption = InterruptionLine(outcome.end, outcome.portFailure)) {
    lines.push_back(*interruption);
  } else if (outcome.handshake.kind == HandshakeOutcome::Identified) {
    lines.push_back(ReadFinishedLine(outcome));
  }
  return lines;
}

std::vector<LogLine> OutcomeLines(const WriteOutcome& outcome) {
  std::vector<LogLine> lines;
  if (HandshakeAnswered(outcome.handshake)) {
    // The write has one line for every failed handshake; on a port that opened, the
    // reason the read would give follows it, since an empty dump alone says nothing.
    lines.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "Unknown response from radio: %1"),
                         {Literal(HexDump(outcome.handshake.reply))}));
    if (outcome.end == TransferEnd::NotIdentified &&
        outcome.handshake.kind != HandshakeOutcome::UnknownResponse) {
      lines.push_back(HandshakeFailureLine(outcome.handshake));
    }
  }
  if (const auto interruption = InterruptionLine(outcome.end, outcome.portFailure)) {
    lines.push_back(*interruption);
    if (outcome.BlocksSent() > 0) {
      lines.push_back(Line(
          QT_TRANSLATE_NOOP("Vexalon",
                            "%1 of %2 blocks were written; the radio may now hold a mix of old "
                            "and new channels."),
          {Literal(outcome.blocksWritten), Literal(outcome.blocksToWrite)}));
    }
    if (outcome.BlocksSent() > 0 && !outcome.backupFile.empty()) {
      lines.push_back(
          Line(QT_TRANSLATE_NOOP("Vexalon",
                                 "What the radio held before is in %1; restore it once the radio "
                                 "answers again."),
               {Literal(outcome.backupFile)}));
    }
  } else if (outcome.otherVariant) {
    lines.push_back(Line(
        QT_TRANSLATE_NOOP(
            "Vexalon",
            "This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was "
            "written."),
        {Literal(outcome.otherVariant->backup), Literal(outcome.otherVariant->radio)}));
  } else if (outcome.end == TransferEnd::NothingWritten) {
    lines.push_back(
        Line(QT_TRANSLATE_NOOP("Vexalon", "Nothing was written; the radio keeps what it held.")));
  } else if (outcome.handshake.kind == HandshakeOutcome::Identified) {
    for (const LogLine& line : WriteFinishedLines(outcome)) {
      lines.push_back(line);
    }
  }
  return lines;
}

namespace {

// The first lines of a transfer that reads only and did not go to its end.
std::vector<LogLine> ReadingEndLines(const HandshakeOutcome& handshake, TransferEnd end,
                                     const std::optional<PortFailure>& portFailure) {
  std::vector<LogLine> lines;
  if (HandshakeAnswered(handshake)) {
    lines.push_back(HandshakeFailureLine(handshake));
  }
  if (const auto interruption = InterruptionLine(end, portFailure)) {
    lines.push_back(*interruption);
  }
  return lines;
}

}  // namespace

std::vector<LogLine> OutcomeLines(const VerifyOutcome& outcome) {
  std::vector<LogLine> lines = ReadingEndLines(outcome.handshake, outcome.end, outcome.portFailure);
  if (!lines.empty()) {
    return lines;
  }
  const Verification& check = outcome.verification;
  if (!check.differing.empty()) {
    lines.push_back(Line(
        check.differing.size() == 1
            ? QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 block differs from what the plan would "
                                "write.")
            : QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 blocks differ from what the plan would "
                                "write."),
        {Literal(static_cast<int>(check.differing.size()))}));
  } else if (!check.unverified.empty()) {
    lines.push_back(Line(
        check.unverified.size() == 1
            ? QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 block could not be read, so the check "
                                "is not complete.")
            : QT_TRANSLATE_NOOP("Vexalon",
                                "Finished with errors: %1 blocks could not be read, so the check "
                                "is not complete."),
        {Literal(static_cast<int>(check.unverified.size()))}));
  } else {
    lines.push_back(
        Line(QT_TRANSLATE_NOOP("Vexalon", "The radio holds what the plan would write.")));
    lines.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "Done!")));
  }
  return lines;
}

std::vector<LogLine> OutcomeLines(const BackupOutcome& outcome) {
  std::vector<LogLine> lines = ReadingEndLines(outcome.handshake, outcome.end, outcome.portFailure);
  if (lines.empty()) {
    lines.push_back(
        outcome.backupFile.empty()
            ? Line(QT_TRANSLATE_NOOP("Vexalon", "Finished with errors: no backup was kept."))
            : Line(QT_TRANSLATE_NOOP("Vexalon", "Done!")));
  }
  return lines;
}
