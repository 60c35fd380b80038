#pragma once

#include "files/backup_folder.h"

// The user's backups folder as the window keeps its backups: a backup is saved on a thread of
// its own while the window goes on handling its events, since bringing a file to the disk
// can take longer than a frame.
class ResponsiveBackups : public BackupStore {
 public:
  ResponsiveBackups();
  Kept Keep(const RadioBackup& backup) override;

 private:
  BackupFolder folder_;
};
