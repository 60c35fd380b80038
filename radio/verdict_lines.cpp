#include "radio/verdict_lines.h"

#include <optional>

#include "radio/area_lines.h"
#include "radio/codecs.h"

namespace {

LogLine UnknownResponseLine(const HandshakeOutcome& handshake) {
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Unknown response from radio: %1"),
              {Literal(HexDump(handshake.reply))});
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
      return UnknownResponseLine(handshake);
  }
}

// A handshake that failed on a reply worth showing. What a line that never falls quiet
// gave is kilobytes of filler; the line that says so is enough.
bool HandshakeAnswered(const HandshakeOutcome& handshake) {
  return handshake.kind != HandshakeOutcome::Identified && !handshake.cutOff;
}

// What ended a transfer that could not go on, or nothing when it went to its end.
std::optional<LogLine> InterruptionLine(const TransferResult& result) {
  switch (result.end) {
    case TransferEnd::PortNotOpened: {
      const LogLine opened =
          Line(QT_TRANSLATE_NOOP("Vexalon", "Could not open %1: %2"),
               {Literal(result.portFailure->devicePath), result.portFailure->error.Reason()});
      if (result.portFailure->error.kind != SerialError::AccessDenied) {
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

// What the shared result says of a transfer that did not go to its end: the radio's answer
// to the handshake and what stopped it. The write has one line for every failed
// handshake; on a port that opened, the reason the read would give follows it, since an
// empty dump alone says nothing.
std::vector<LogLine> ResultLines(const TransferResult& result, bool writing) {
  std::vector<LogLine> lines;
  if (HandshakeAnswered(result.handshake)) {
    if (!writing) {
      lines.push_back(HandshakeFailureLine(result.handshake));
    } else {
      lines.push_back(UnknownResponseLine(result.handshake));
      if (result.end == TransferEnd::NotIdentified &&
          result.handshake.kind != HandshakeOutcome::UnknownResponse) {
        lines.push_back(HandshakeFailureLine(result.handshake));
      }
    }
  }
  if (const auto interruption = InterruptionLine(result)) {
    lines.push_back(*interruption);
  }
  return lines;
}

bool WentThrough(const TransferResult& result) {
  return result.handshake.kind == HandshakeOutcome::Identified && !InterruptionLine(result);
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
  std::vector<LogLine> numbers;
  for (const int channel : channels) {
    numbers.push_back(Literal(channel));
  }
  const int count = static_cast<int>(channels.size());
  if (outcome.settingsUnread) {
    return Counted(count,
                   QT_TRANSLATE_N_NOOP("Vexalon",
                                       "Finished with errors: channels %1 and the settings could "
                                       "not be read; they keep their earlier values."),
                   "Finished with errors: channel %1 and the settings could not be read; they "
                   "keep their earlier values.",
                   {JoinedLine(numbers)});
  }
  return Counted(count,
                 QT_TRANSLATE_N_NOOP("Vexalon",
                                     "Finished with errors: channels %1 could not be read; they "
                                     "keep their earlier values."),
                 "Finished with errors: channel %1 could not be read; it keeps its earlier values.",
                 {JoinedLine(numbers)});
}

// After a write that went to its end: what reading back showed, and what to do.
std::vector<LogLine> WriteFinishedLines(const WriteOutcome& outcome) {
  const Verification& check = outcome.verification;
  const bool kept = !outcome.backupFile.empty();
  const LogLine file = Literal(outcome.backupFile);
  if (!check.differing.empty()) {
    const int count = static_cast<int>(check.differing.size());
    if (kept) {
      return {Counted(count,
                      QT_TRANSLATE_N_NOOP("Vexalon",
                                          "Finished with errors: %n blocks read back different "
                                          "from what was written. What the radio held before is "
                                          "in %1; restore it or write again."),
                      "Finished with errors: %n block read back different from what was written. "
                      "What the radio held before is in %1; restore it or write again.",
                      {file})};
    }
    return {Counted(count,
                    QT_TRANSLATE_N_NOOP("Vexalon",
                                        "Finished with errors: %n blocks read back different from "
                                        "what was written; write again."),
                    "Finished with errors: %n block read back different from what was written; "
                    "write again.")};
  }
  if (!check.unverified.empty()) {
    const int count = static_cast<int>(check.unverified.size());
    if (kept) {
      return {Counted(count,
                      QT_TRANSLATE_N_NOOP("Vexalon",
                                          "Finished with errors: %n blocks could not be read back, "
                                          "so the write is not verified. What the radio held "
                                          "before is in %1; read the radio to check it, or "
                                          "restore it."),
                      "Finished with errors: %n block could not be read back, so the write is not "
                      "verified. What the radio held before is in %1; read the radio to check it, "
                      "or restore it.",
                      {file})};
    }
    return {Counted(count,
                    QT_TRANSLATE_N_NOOP("Vexalon",
                                        "Finished with errors: %n blocks could not be read back, "
                                        "so the write is not verified; read the radio to check "
                                        "it."),
                    "Finished with errors: %n block could not be read back, so the write is not "
                    "verified; read the radio to check it.")};
  }
  std::vector<LogLine> lines = {
      Line(QT_TRANSLATE_NOOP("Vexalon", "Verified: the radio holds what was written."))};
  if (!check.unreadable.empty()) {
    lines.push_back(AreasNotReadBackLine(check.unreadable, outcome.unacknowledgedUnreadable == 0));
  }
  if (outcome.unacknowledgedHalves == 0 && outcome.unacknowledgedUnreadable > 0) {
    lines.push_back(UnreadableNotAcknowledgedLine(outcome.unacknowledgedUnreadable));
  } else if (outcome.unacknowledgedHalves == 0) {
    lines.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "Done!")));
  } else {
    lines.push_back(Counted(outcome.unacknowledged,
                            QT_TRANSLATE_N_NOOP("Vexalon",
                                                "Finished with errors: %n writes were not "
                                                "acknowledged, although the radio holds what was "
                                                "written."),
                            "Finished with errors: %n write was not acknowledged, although the "
                            "radio holds what was written."));
  }
  return lines;
}

}  // namespace

std::vector<LogLine> OutcomeLines(const ReadOutcome& outcome) {
  std::vector<LogLine> lines = ResultLines(outcome, false);
  if (WentThrough(outcome)) {
    lines.push_back(ReadFinishedLine(outcome));
  }
  return lines;
}

std::vector<LogLine> OutcomeLines(const WriteOutcome& outcome) {
  std::vector<LogLine> lines = ResultLines(outcome, true);
  if (InterruptionLine(outcome)) {
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
  } else if (WentThrough(outcome)) {
    for (const LogLine& line : WriteFinishedLines(outcome)) {
      lines.push_back(line);
    }
  }
  return lines;
}

std::vector<LogLine> OutcomeLines(const VerifyOutcome& outcome) {
  std::vector<LogLine> lines = ResultLines(outcome, false);
  if (!lines.empty()) {
    return lines;
  }
  const Verification& check = outcome.verification;
  if (!check.differing.empty()) {
    lines.push_back(Counted(
        static_cast<int>(check.differing.size()),
        QT_TRANSLATE_N_NOOP("Vexalon",
                            "Finished with errors: %n blocks differ from what the plan would "
                            "write."),
        "Finished with errors: %n block differs from what the plan would write."));
  } else if (!check.unverified.empty()) {
    lines.push_back(Counted(
        static_cast<int>(check.unverified.size()),
        QT_TRANSLATE_N_NOOP("Vexalon",
                            "Finished with errors: %n blocks could not be read, so the check is "
                            "not complete."),
        "Finished with errors: %n block could not be read, so the check is not complete."));
  } else {
    lines.push_back(
        Line(QT_TRANSLATE_NOOP("Vexalon", "The radio holds what the plan would write.")));
    lines.push_back(Line(QT_TRANSLATE_NOOP("Vexalon", "Done!")));
  }
  return lines;
}

std::vector<LogLine> OutcomeLines(const BackupOutcome& outcome) {
  std::vector<LogLine> lines = ResultLines(outcome, false);
  if (lines.empty()) {
    lines.push_back(
        outcome.backupFile.empty()
            ? Line(QT_TRANSLATE_NOOP("Vexalon", "Finished with errors: no backup was kept."))
            : Line(QT_TRANSLATE_NOOP("Vexalon", "Done!")));
  }
  return lines;
}
