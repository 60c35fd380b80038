// `probe`: whether a radio is ready to be written, found without writing anything.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/radio_end.h"
#include "cli/radio_observer.h"
#include "cli/trace_file.h"
#include "radio/hex_text.h"
#include "radio/port_device.h"
#include "radio/probe_lines.h"

namespace {

using json = nlohmann::ordered_json;

std::string AccessText(AreaAccess access) {
  switch (access) {
    case AreaAccess::Readable:
      return "readable";
    case AreaAccess::PartlyReadable:
      return "partly readable";
    case AreaAccess::Refused:
      return "refused";
    case AreaAccess::Unanswered:
      return "unanswered";
    case AreaAccess::NotReadable:
      break;
  }
  return "not readable";
}

std::string AreaKey(MemoryArea area) {
  switch (area) {
    case MemoryArea::Bank0:
      return "bank_0";
    case MemoryArea::Bank1:
      return "bank_1";
    case MemoryArea::FirstToneTable:
      return "first_tone_table";
    case MemoryArea::SecondToneTable:
      return "second_tone_table";
    case MemoryArea::Settings:
      break;
  }
  return "settings";
}

std::string VerdictText(ProbeVerdict verdict) {
  switch (verdict) {
    case ProbeVerdict::ReadyToWrite:
      return "ready to write";
    case ProbeVerdict::Interrupted:
      return "interrupted";
    case ProbeVerdict::NoRadio:
      return "no radio";
    case ProbeVerdict::UnknownIdentity:
      return "unknown identity";
    case ProbeVerdict::UnknownReply:
      return "unknown reply";
    case ProbeVerdict::AreasNotReadable:
      return "areas not readable";
    case ProbeVerdict::TightTiming:
      break;
  }
  return "tight timing";
}

// Times to a tenth of a millisecond, as the lines give them.
json Ms(double ms) {
  return json::parse(MsText(ms));
}

json JsonOf(const PortDevice& cable) {
  json object = {{"device", cable.devicePath}, {"description", PortDeviceLine(cable).Text()}};
  if (!cable.vendorId.empty()) {
    object["usb_id"] = cable.vendorId + ":" + cable.productId;
  }
  if (!cable.driver.empty()) {
    object["driver"] = cable.driver;
  }
  object["latency_timer_ms"] = cable.latencyTimerMs ? json(*cable.latencyTimerMs) : json(nullptr);
  return object;
}

json JsonOf(const ProbeOutcome& outcome, const PortDevice& cable) {
  const bool identified = outcome.handshake.kind == HandshakeOutcome::Identified;
  json object = {
      {"variant", identified ? json(outcome.handshake.ModelVariant) : json(nullptr)},
      {"identity", outcome.handshake.reply.empty() ? json(nullptr)
                                                   : json(HexBytes(outcome.handshake.reply, " "))},
      {"result", ResultText(outcome.end)}};
  if (outcome.portFailure) {
    object["port_error"] = outcome.portFailure->error.Text();
  }
  json areas = json::object();
  for (const AreaProbe& probe : outcome.areas) {
    areas[AreaKey(probe.area)] = AccessText(probe.access);
  }
  object["areas"] = areas;
  const ReplyTimes& times = outcome.times;
  if (times.replies > 0) {
    object["reaction_ms"] = {{"least", Ms(times.leastReactionMs)},
                             {"median", Ms(times.medianReactionMs)},
                             {"most", Ms(times.mostReactionMs)}};
    object["longest_pause_ms"] = Ms(times.longestPauseMs);
  } else {
    object["reaction_ms"] = nullptr;
    object["longest_pause_ms"] = nullptr;
  }
  object["quiet_gap_ms"] = kQuietGapMs;
  object["cable"] = JsonOf(cable);
  object["verdict"] = VerdictText(outcome.verdict);
  return object;
}

}  // namespace

int RunProbe(Context& context) {
  const RadioId radio{context.options.ports.front()};
  const std::unique_ptr<TBlockSerial> link = context.makeLink(radio.port);
  RadioTrace trace(context, *link, radio, "probe");
  ProbeOutcome outcome;
  {
    RadioObserver observer(context, radio, false);
    outcome = ProbeRadio(*link, radio.port, observer);
  }
  const PortDevice cable = DescribePortDevice(radio.port);
  std::vector<std::string> more;
  json object = JsonOf(outcome, cable);
  trace.Save(outcome.end, more, object);
  std::vector<LogLine> lines = ProbeLines(outcome, cable);
  // The verdict stays the last line.
  const LogLine verdict = lines.back();
  lines.pop_back();
  for (const std::string& line : more) {
    lines.push_back(Literal(line));
  }
  lines.push_back(verdict);
  TellEnd(context, radio, lines, {}, object);
  return outcome.verdict == ProbeVerdict::ReadyToWrite ? kExitAllDone : kExitRadioFailed;
}
