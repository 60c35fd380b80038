// `backup`: what a radio holds in every block a write can replace, as a write keeps it.
#include "cli/checks.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/fleet.h"
#include "cli/radio_observer.h"
#include "files/backup_file.h"
#include "files/backup_folder.h"
#include "files/whole_file.h"

namespace {

// Keeps the backup in the file -o names, in one step.
class BackupToFile : public BackupStore {
 public:
  explicit BackupToFile(std::string file) : file_(std::move(file)) {}
  Kept Keep(const RadioBackup& backup) override {
    FileReplacement replacement(file_);
    if (!replacement.Begin() || !replacement.Commit(BackupFileText(backup))) {
      return {{}, "Unable to write to " + file_ + "."};
    }
    return {file_, {}};
  }

 private:
  std::string file_;
};

}  // namespace

int RunBackup(Context& context) {
  const Options& options = context.options;
  const std::string folder = BackupFolderOf(options);
  if (options.output.empty() ? !BackupFolderReady(context.console, folder)
                             : !OutputWritable(context.console, options.output)) {
    return kExitRefused;
  }
  BackupFolder inFolder(folder);
  BackupToFile inFile(options.output);
  BackupStore& store = options.output.empty() ? static_cast<BackupStore&>(inFolder) : inFile;
  const RadioId radio{options.ports.front()};
  const std::unique_ptr<TBlockSerial> link = context.makeLink(radio.port);
  BackupOutcome outcome;
  {
    RadioObserver observer(context, radio, false);
    outcome = BackupRadio(*link, radio.port, observer, store);
  }
  return Conclude(context, {EndRadio(context, radio, outcome)});
}
