#pragma once

#include <string>
#include <vector>

// What the command line asked for, as parsed; each command reads the fields it has.
struct Options {
  std::vector<std::string> ports;
  // The plan of write and verify, the backup of restore.
  std::string file;
  // -o of read and backup; empty for stdout or the backups folder.
  std::string output;
  std::string backupDir;
  bool noSettings = false;
  bool repeat = false;
  bool json = false;
  bool quiet = false;
};
