#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "radio/backup.h"

// A backup store in memory: what the transfers asked it to keep, named "backup-<n>".
// Told to fail, it keeps nothing and gives the reason.
struct KeptBackups : BackupStore {
  Kept Keep(const RadioBackup& backup) override {
    const std::lock_guard lock(mutex);
    if (!failure.empty()) {
      return {{}, Literal(failure)};
    }
    kept.push_back(backup);
    return {"backup-" + std::to_string(kept.size()), {}};
  }

  std::mutex mutex;
  std::vector<RadioBackup> kept;
  std::string failure;
};
