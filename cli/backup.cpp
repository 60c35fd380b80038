// `backup`: what a radio holds in every block a write can replace, as a write keeps it.
#include "cli/checks.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/fleet.h"
#include "cli/radio_observer.h"
#include "cli/trace_file.h"
#include "files/backup_file.h"
#include "files/backup_folder.h"
#include "files/whole_file.h"

namespace {

// Keeps the backup in the file -o names, in one step, or on stdout.
class BackupToFile : public BackupStore {
 public:
  BackupToFile(std::string file, Console& console) : file_(std::move(file)), console_(console) {}
  Kept Keep(const RadioBackup& backup) override {
    if (file_ == kStandardOutput) {
      console_.Out(BackupFileText(backup));
      return {"stdout", {}};
    }
    // Checked again: the file may have changed while the radio was read.
    if (const auto refusal = BackupOutputRefusal(file_)) {
      return {{}, refusal->Text()};
    }
    FileReplacement replacement(file_);
    if (!replacement.Begin() || !replacement.Commit(BackupFileText(backup))) {
      return {{}, "Unable to write to " + file_ + "."};
    }
    return {file_, {}};
  }

 private:
  std::string file_;
  Console& console_;
};

}  // namespace

int RunBackup(Context& context) {
  const Options& options = context.options;
  const std::string folder = BackupFolderOf(options);
  if (options.output.empty() ? !BackupFolderReady(context.console, folder)
                             : options.output != kStandardOutput &&
                                   !OutputWritable(context.console, options.output,
                                                   BackupOutputRefusal(options.output))) {
    return kExitRefused;
  }
  BackupFolder inFolder(folder);
  BackupToFile inFile(options.output, context.console);
  BackupStore& store = options.output.empty() ? static_cast<BackupStore&>(inFolder) : inFile;
  const RadioId radio{options.ports.front()};
  const std::unique_ptr<TBlockSerial> link = context.makeLink(radio.port);
  RadioTrace trace(context, *link, radio, "backup");
  BackupOutcome outcome;
  {
    RadioObserver observer(context, radio, false);
    outcome = BackupRadio(*link, radio.port, observer, store);
  }
  std::vector<std::string> more;
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();
  trace.Save(outcome.end, more, extra);
  return Conclude(context, {EndRadio(context, radio, outcome, more, extra)});
}
