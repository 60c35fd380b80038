// `restore`: a backup put back into a radio, as the window's restore does.
#include "cli/checks.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/fleet.h"
#include "cli/radio_observer.h"
#include "cli/report_file.h"
#include "cli/trace_file.h"
#include "files/backup_file.h"
#include "files/backup_folder.h"

int RunRestore(Context& context) {
  const Options& options = context.options;
  const BackupFileRead read = LoadBackupFile(options.file);
  if (!read.backup) {
    context.console.Say("", read.failure->Text());
    return kExitRefused;
  }
  const std::string folder = BackupFolderOf(options);
  if (!BackupFolderReady(context.console, folder)) {
    return kExitRefused;
  }
  context.console.Log("", "Restoring the backup of an HT-446" + read.backup->variant +
                              " taken on " + BackupTimeText(read.backup->taken) + ".");
  BackupFolder backups(folder);
  const RadioId radio{options.ports.front()};
  const std::unique_ptr<TBlockSerial> link = context.makeLink(radio.port);
  RadioTrace trace(context, *link, radio, "restore");
  WriteOutcome outcome;
  {
    RadioObserver observer(context, radio, false);
    outcome = RestoreRadio(*link, radio.port, *read.backup, observer, backups, ScopeOf(options));
  }
  std::vector<std::string> more;
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();
  trace.Save(outcome.end, more, extra);
  const RadioReport report = EndRadio(context, radio, outcome, more, extra);
  Record(context, report);
  return Conclude(context, {report});
}
