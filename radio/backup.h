#pragma once

#include <chrono>
#include <string>

#include "radio/log_line.h"
#include "radio/memory_areas.h"
#include "radio/memory_map.h"

// What a radio held in every block a write replaces, read just before the write.
struct RadioBackup {
  std::string variant;  // "E", "E2" or "T"
  std::chrono::system_clock::time_point taken;
  // Every block read, in the order a write sends them: all 69 but those of the areas the
  // radio does not let be read.
  MemoryBlocks blocks;
  std::vector<MemoryArea> unreadable{};
  bool operator==(const RadioBackup&) const = default;
};

// Where a write keeps its backup, so that what the radio held can be put back.
class BackupStore {
 public:
  struct Kept {
    std::string fileName;  // empty when nothing was kept
    LogLine failure;       // why not, for the user
  };

  virtual ~BackupStore() = default;
  // Called on the transfer's thread; several transfers may call it at once.
  virtual Kept Keep(const RadioBackup& backup) = 0;
};
