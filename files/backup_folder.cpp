#include "files/backup_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/backup_file.h"
#include "files/whole_file.h"

namespace {

namespace fs = std::filesystem;

// Far more than backups taken in one second of one variant.
constexpr int kMostNamesTried = 100;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// "2026-12-09 14-03-27 E2": the time as a file name may hold it on every system.
std::string NameStem(const RadioBackup& backup) {
  std::string stem = BackupTimeText(backup.taken);
  for (char& c : stem) {
    c = c == ':' ? '-' : c;
  }
  return stem + " " + backup.variant;
}

}  // namespace

std::string DefaultBackupFolder() {
#ifdef _WIN32
  return (fs::path(Environment("APPDATA")) / "Vexalon" / "backups").string();
#else
  const std::string dataHome = Environment("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is invalid and to be ignored.
  const fs::path base = !dataHome.empty() && fs::path(dataHome).is_absolute()
                            ? fs::path(dataHome)
                            : fs::path(Environment("HOME")) / ".local" / "share";
  return (base / "vexalon" / "backups").string();
#endif
}

BackupStore::Kept BackupFolder::Keep(const RadioBackup& backup) {
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) {
    return {{},
            Line(QT_TRANSLATE_NOOP("Vexalon", "the folder %1 cannot be made: %2."),
                 {Literal(folder_), Literal(error.message())})};
  }
  const std::string text = BackupFileText(backup);
  const std::lock_guard lock(naming_);
  for (int attempt = 1; attempt <= kMostNamesTried; ++attempt) {
    const std::string name = NameStem(backup) +
                             (attempt == 1 ? "" : " (" + std::to_string(attempt) + ")") +
                             kBackupFileExtension;
    const std::string path = (fs::path(folder_) / name).string();
    switch (WriteNewFile(path, text)) {
      case NewFile::Written:
        return {path, {}};
      case NewFile::NameTaken:
        continue;
      case NewFile::Failed:
        return {{}, Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to write to %1."), {Literal(path)})};
    }
  }
  return {{},
          Line(QT_TRANSLATE_NOOP("Vexalon", "the folder %1 holds too many backups of this second."),
               {Literal(folder_)})};
}
