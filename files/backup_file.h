#pragma once

#include <optional>
#include <string>

#include "radio/backup.h"
#include "radio/log_line.h"

// A radio backup as a text file a person can read and compare: what it is and its format
// version on the first line, the variant, the time it was taken, one line per block read
// (address and bytes in hex), and a checksum over everything before it.
inline constexpr char kBackupFileExtension[] = ".vxbackup";

std::string BackupFileText(const RadioBackup& backup);

struct BackupFileRead {
  std::optional<RadioBackup> backup;
  // Why the file is refused; the backup is then empty.
  std::optional<LogLine> failure;
};
// Checks every part of the text: a foreign, damaged or incomplete backup is refused.
BackupFileRead BackupFromText(const std::string& text, const std::string& fileName);
BackupFileRead LoadBackupFile(const std::string& fileName);

// Why a backup must not be written over the named file: it exists and is neither empty
// nor a Vexalon backup by its first line, even a damaged one or one of another format
// version. Nothing when it may.
std::optional<LogLine> BackupOutputRefusal(const std::string& fileName);

// "2026-12-09 14:03:27", in the local time of this machine.
std::string BackupTimeText(std::chrono::system_clock::time_point time);
