#include "cli/radio_end.h"

bool HalfWritten(const WriteOutcome& outcome) {
  return outcome.end == TransferEnd::Stopped && outcome.BlocksSent() > 0;
}

RadioReport ReportOf(const TransferResult& result) {
  RadioReport report;
  report.variant =
      result.handshake.kind == HandshakeOutcome::Identified ? result.handshake.ModelVariant : "";
  report.end = result.end;
  report.succeeded = result.end == TransferEnd::Done;
  return report;
}

RadioReport ReportOf(const WriteOutcome& outcome) {
  RadioReport report = ReportOf(static_cast<const TransferResult&>(outcome));
  report.backupFile = outcome.backupFile;
  report.halfWritten = HalfWritten(outcome);
  report.blocksWritten = outcome.blocksWritten;
  report.blocksSent = outcome.BlocksSent();
  report.blocksDiffering = static_cast<int>(outcome.verification.differing.size());
  return report;
}

RadioReport ReportOf(const BackupOutcome& outcome) {
  RadioReport report = ReportOf(static_cast<const TransferResult&>(outcome));
  report.backupFile = outcome.backupFile;
  return report;
}

void TellEnd(Context& context, const RadioId& radio, const std::vector<LogLine>& closing,
             const std::vector<std::string>& more, nlohmann::ordered_json object) {
  const std::string label = LineLabel(context.options, radio);
  std::vector<std::string> lines;
  for (const LogLine& line : closing) {
    lines.push_back(line.Text());
  }
  lines.insert(lines.end(), more.begin(), more.end());
  for (const std::string& line : lines) {
    context.console.Say(label, line);
  }
  if (context.options.json) {
    nlohmann::ordered_json head = {{"port", radio.port}};
    if (radio.number > 0) {
      head["radio"] = radio.number;
    }
    head.update(object);
    head["lines"] = lines;
    context.console.Out(JsonLine(head));
  }
}
