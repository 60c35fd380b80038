#include "files/csv_row.h"

namespace {

std::string HeaderLine() {
  return CsvPlanText(ChannelPlan{}).text;
}

LogLine NotAChannelLine() {
  return Line(QT_TRANSLATE_NOOP(
      "Vexalon", "The clipboard holds no channel line in CHIRP's CSV layout; nothing was pasted."));
}

}  // namespace

CsvText CsvRowText(const ChannelRow& row, bool advancedMode) {
  ChannelPlan plan;
  plan.advancedMode = advancedMode;
  plan.channels[0] = row;
  CsvText text = CsvPlanText(plan);
  if (!text.failure.format.empty()) {
    return text;
  }
  const std::string header = HeaderLine();
  if (text.text.size() <= header.size()) {
    return {{}, Line(QT_TRANSLATE_NOOP("Vexalon", "A channel not in use has nothing to copy."))};
  }
  std::string line = text.text.substr(header.size());
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
    line.pop_back();
  }
  return {line, {}};
}

PastedRow CsvRowFromText(std::string_view text, bool advancedMode) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  const std::size_t comma = text.find(',');
  if (text.empty() || comma == std::string_view::npos ||
      text.find_first_of("\r\n") != std::string_view::npos) {
    return {std::nullopt, NotAChannelLine()};
  }
  // The line goes to the first row whatever its Location said.
  const std::string plan = HeaderLine() + "1" + std::string(text.substr(comma)) + "\r\n";
  const LoadedPlan loaded = CsvPlanFromText(plan, advancedMode);
  if (!loaded.plan || !loaded.problems.empty()) {
    return {std::nullopt, NotAChannelLine()};
  }
  const ChannelRow& row = loaded.plan->channels[0];
  if (loaded.plan->advancedMode && !advancedMode) {
    return {std::nullopt,
            Line(QT_TRANSLATE_NOOP("Vexalon",
                                   "The pasted channel's frequency is no PMR446 channel; advanced "
                                   "mode takes it. Nothing was pasted."))};
  }
  const bool inUse = advancedMode ? !row.rxHzText.empty() : row.rxChannelIndex > 0;
  if (!inUse) {
    return {std::nullopt, NotAChannelLine()};
  }
  return {row, {}};
}
