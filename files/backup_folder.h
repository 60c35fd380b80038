#pragma once

#include <mutex>
#include <string>

#include "radio/backup.h"

// The user's own backups folder: $XDG_DATA_HOME/vexalon/backups (by default
// ~/.local/share/vexalon/backups) on Linux, %APPDATA%\Vexalon\backups on Windows.
std::string DefaultBackupFolder();

// Keeps each backup as a file of its own in a folder, made when first needed, named by
// date, time and variant ("2026-12-09 14-03-27 E2.vxbackup"; " (2)" and so on when two
// come in the same second). Several transfers may keep theirs at once.
class BackupFolder : public BackupStore {
 public:
  explicit BackupFolder(std::string folder) : folder_(std::move(folder)) {}
  Kept Keep(const RadioBackup& backup) override;

 private:
  std::string folder_;
  std::mutex naming_;
};
