// `write` and `verify`: a plan into radios, or radios compared with it, on every port at once.
#include "cli/checks.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/fleet.h"
#include "cli/radio_observer.h"
#include "cli/report_file.h"
#include "cli/trace_file.h"
#include "files/backup_folder.h"
#include "radio/radio_presence.h"

namespace {

// A write that found no radio only because Ctrl+C ended the wait for one.
bool WaitEnded(const Context& context, const WriteOutcome& outcome) {
  const auto kind = outcome.handshake.kind;
  return context.interrupts.Count() > 0 && outcome.end == TransferEnd::NotIdentified &&
         (kind == HandshakeOutcome::NoResponse || kind == HandshakeOutcome::RadioNotConnected);
}

// With --repeat the radios on the port follow one another until Ctrl+C: each is written,
// then taken off, then the next one answers.
void WriteOnPort(Context& context, const ChannelPlan& plan, BackupStore& backups,
                 TBlockSerial& link, const std::string& port, std::vector<RadioReport>& reports) {
  const bool repeat = context.options.repeat;
  const std::string portLabel = LineLabel(context.options, {port, 0});
  if (repeat) {
    context.console.Log(portLabel, "Each radio that answers on " + port +
                                       " is written, one after another, until Ctrl+C.");
  }
  for (int number = 1;; ++number) {
    const RadioId radio{port, repeat ? number : 0};
    WriteOutcome outcome;
    RadioTrace trace(context, link, radio, "write");
    {
      RadioObserver observer(context, radio, repeat);
      outcome = WriteRadio(link, port, plan, observer, backups, ScopeOf(context.options));
    }
    if (repeat && WaitEnded(context, outcome)) {
      return;
    }
    std::vector<std::string> more;
    nlohmann::ordered_json extra = nlohmann::ordered_json::object();
    trace.Save(outcome.end, more, extra);
    reports.push_back(EndRadio(context, radio, outcome, more, extra));
    Record(context, reports.back());
    if (!repeat || context.interrupts.Count() > 0 || outcome.end == TransferEnd::PortNotOpened) {
      return;
    }
    context.console.Log(portLabel,
                        "Take the radio off the cable; the next one is written as "
                        "soon as it answers.");
    RadioObserver waiting(context, radio, true);
    if (!WaitUntilRadioGone(link, port, waiting)) {
      return;
    }
    context.console.Log(portLabel, "Waiting for the next radio...");
  }
}

}  // namespace

int RunWrite(Context& context) {
  const Options& options = context.options;
  const std::optional<ChannelPlan> plan = UsablePlan(context.console, options, true);
  const std::string folder = BackupFolderOf(options);
  if (!plan || !PortsDistinct(context.console, options.ports) ||
      !BackupFolderReady(context.console, folder)) {
    return kExitRefused;
  }
  BackupFolder backups(folder);
  const auto reports =
      RunOnEveryPort(context, [&](TBlockSerial& link, const std::string& port, auto& reports) {
        WriteOnPort(context, *plan, backups, link, port, reports);
      });
  return Conclude(context, reports);
}

int RunVerify(Context& context) {
  const Options& options = context.options;
  const std::optional<ChannelPlan> plan = UsablePlan(context.console, options, false);
  if (!plan || !PortsDistinct(context.console, options.ports)) {
    return kExitRefused;
  }
  const auto reports =
      RunOnEveryPort(context, [&](TBlockSerial& link, const std::string& port, auto& reports) {
        const RadioId radio{port};
        VerifyOutcome outcome;
        RadioTrace trace(context, link, radio, "verify");
        {
          RadioObserver observer(context, radio, false);
          outcome = VerifyRadio(link, port, *plan, observer);
        }
        std::vector<std::string> more;
        nlohmann::ordered_json extra = nlohmann::ordered_json::object();
        trace.Save(outcome.end, more, extra);
        reports.push_back(EndRadio(context, radio, outcome, more, extra));
      });
  return Conclude(context, reports);
}
