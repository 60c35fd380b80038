#include "radio/probe_lines.h"

#include <array>
#include <charconv>

#include "radio/hex_text.h"
#include "radio/verdict_lines.h"

namespace {

LogLine AreaLine(const AreaProbe& probe) {
  const LogLine area = Line(AreaName(probe.area));
  switch (probe.access) {
    case AreaAccess::Readable:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "The radio lets %1 be read."), {area});
    case AreaAccess::PartlyReadable:
      return Line(QT_TRANSLATE_NOOP("Vexalon",
                                    "The radio lets only %1 of the %2 reads of %3 be "
                                    "read."),
                  {Literal(probe.wholeReads), Literal(probe.reads), area});
    case AreaAccess::Refused:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "The radio refuses reads of %1 (15)."), {area});
    case AreaAccess::Unanswered:
      return Line(QT_TRANSLATE_NOOP("Vexalon", "The radio does not answer reads of %1."), {area});
    case AreaAccess::NotReadable:
      break;
  }
  return Line(QT_TRANSLATE_NOOP("Vexalon",
                                "The radio answers reads of %1 with other bytes than the blocks."),
              {area});
}

LogLine IdentityLine(const HandshakeOutcome& handshake) {
  if (handshake.kind == HandshakeOutcome::Identified) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "Radio: HT-446%1 (identity %2)."),
                {Literal(handshake.ModelVariant), Literal(HexBytes(handshake.reply, " "))});
  }
  return Line(QT_TRANSLATE_NOOP("Vexalon", "The radio's answer to the programming command: %1"),
              {Literal(HexBytes(handshake.reply, " "))});
}

std::vector<LogLine> TimesLines(const ReplyTimes& times) {
  const LogLine gap = Literal(kQuietGapMs);
  return {Line(QT_TRANSLATE_NOOP("Vexalon",
                                 "Reaction time of the radio: least %1 ms, median %2 ms, most %3 "
                                 "ms, against the %4 ms quiet gap."),
               {Literal(MsText(times.leastReactionMs)), Literal(MsText(times.medianReactionMs)),
                Literal(MsText(times.mostReactionMs)), gap}),
          Line(QT_TRANSLATE_NOOP("Vexalon",
                                 "Longest pause inside a reply: %1 ms, against the %2 ms quiet "
                                 "gap."),
               {Literal(MsText(times.longestPauseMs)), gap})};
}

LogLine NotReadableLine(const ProbeOutcome& outcome) {
  std::vector<LogLine> areas;
  for (const AreaProbe& probe : outcome.areas) {
    if (!WriteCanRelyOn(probe)) {
      areas.push_back(Line(AreaName(probe.area)));
    }
  }
  return Line(QT_TRANSLATE_NOOP("Vexalon", "Not ready to write: %1 cannot be read whole."),
              {JoinedLine(areas)});
}

}  // namespace

LogLine ProbeVerdictLine(const ProbeOutcome& outcome) {
  switch (outcome.verdict) {
    case ProbeVerdict::ReadyToWrite:
      return Line(
          QT_TRANSLATE_NOOP("Vexalon",
                            "Ready to write: the radio answers in time and lets its channels and "
                            "settings be read."));
    case ProbeVerdict::UnknownIdentity:
      return Line(
          QT_TRANSLATE_NOOP("Vexalon",
                            "Not ready to write: the radio answers with an HT-446 identity that "
                            "Vexalon does not know. Please send the developers a diagnostic report "
                            "of this test."));
    case ProbeVerdict::AreasNotReadable:
      return NotReadableLine(outcome);
    case ProbeVerdict::TightTiming:
      return Line(QT_TRANSLATE_NOOP("Vexalon",
                                    "Not ready to write safely: the radio's replies leave less "
                                    "than %1 ms of the %2 ms quiet gap, which a busy computer "
                                    "may cut."),
                  {Literal(static_cast<int>(kTimingMarginMs)), Literal(kQuietGapMs)});
    default: {
      // No radio, another reply, or an end a read would say the same of.
      ReadOutcome read;
      static_cast<TransferResult&>(read) = outcome;
      return OutcomeLines(read).back();
    }
  }
}

std::string MsText(double ms) {
  std::array<char, 32> text{};
  const auto end =
      std::to_chars(text.data(), text.data() + text.size(), ms, std::chars_format::fixed, 1);
  return std::string(text.data(), end.ptr);
}

std::vector<LogLine> ProbeLines(const ProbeOutcome& outcome, const PortDevice& cable) {
  std::vector<LogLine> lines = {PortDeviceLine(cable)};
  if (!outcome.handshake.reply.empty() && !outcome.handshake.cutOff) {
    lines.push_back(IdentityLine(outcome.handshake));
  }
  for (const AreaProbe& probe : outcome.areas) {
    lines.push_back(AreaLine(probe));
  }
  if (outcome.times.replies > 0) {
    for (const LogLine& line : TimesLines(outcome.times)) {
      lines.push_back(line);
    }
  }
  lines.push_back(ProbeVerdictLine(outcome));
  return lines;
}
