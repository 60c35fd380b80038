// `read`: the radio's plan into a plan file or onto stdout, losing nothing the radio holds.
#include "cli/checks.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/fleet.h"
#include "cli/radio_observer.h"
#include "cli/trace_file.h"
#include "files/plan_by_name.h"
#include "radio/read_plan.h"

namespace {

// "3", "3 and 9", "3, 7 and 9".
std::string JoinedNumbers(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == numbers.size() ? " and " : ", ") + std::to_string(numbers[i]);
  }
  return text;
}

std::string AdvancedModeLine(const std::vector<int>& channels) {
  return (channels.size() == 1 ? "Channel " + JoinedNumbers(channels) + " holds a frequency"
                               : "Channels " + JoinedNumbers(channels) + " hold frequencies") +
         " outside the PMR446 channels, so the plan is in advanced mode (frequencies in Hz).";
}

}  // namespace

int RunRead(Context& context) {
  const Options& options = context.options;
  const bool toFile = !options.output.empty() && options.output != kStandardOutput;
  if (toFile &&
      !OutputWritable(context.console, options.output, PlanOutputRefusal(options.output))) {
    return kExitRefused;
  }
  const RadioId radio{options.ports.front()};
  const std::unique_ptr<TBlockSerial> link = context.makeLink(radio.port);
  RadioTrace trace(context, *link, radio, "read");
  ReadOutcome outcome;
  {
    RadioObserver observer(context, radio, false);
    outcome = ReadRadio(*link, radio.port, observer);
  }
  std::vector<std::string> more;
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();
  std::string planText;
  bool kept = false;
  // Rows that were not read would pass for channels not in use.
  if (outcome.end == TransferEnd::Done) {
    PlanRead read = PlanFromRead(outcome);
    if (options.noSettings) {
      read.plan.settings.reset();
    }
    if (!read.outsideTheChannelLists.empty()) {
      more.push_back(AdvancedModeLine(read.outsideTheChannelLists));
    }
    extra["advanced_mode"] = read.plan.advancedMode;
    extra["outside_channel_lists"] = read.outsideTheChannelLists;
    if (!toFile) {
      planText = PlanFileText(read.plan);
      kept = true;
    } else {
      const PlanFileOutcome saved = SavePlan(options.output, read.plan);
      kept = saved.failure.format.empty();
      if (!kept) {
        more.push_back(saved.failure.Text());
      }
      extra["plan_file"] = kept ? nlohmann::ordered_json(options.output) : nullptr;
    }
  }
  trace.Save(outcome.end, more, extra);
  RadioReport report = EndRadio(context, radio, outcome, more, extra);
  context.console.Out(planText);
  report.succeeded = report.succeeded && kept;
  return Conclude(context, {report});
}
