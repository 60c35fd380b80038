#pragma once

#include <string>
#include <vector>

// The name -o takes for stdout.
inline constexpr char kStandardOutput[] = "-";

// What the command line asked for, as parsed; each command reads the fields it has.
struct Options {
  std::vector<std::string> ports;
  // The plan of write and verify, the backup of restore.
  std::string file;
  // -o of read and backup; empty without it, kStandardOutput for stdout.
  std::string output;
  std::string backupDir;
  // --trace: the folder a trace file per radio goes to; empty without it.
  std::string traceDir;
  // --report: the CSV file a row per radio is appended to; empty without it.
  std::string reportFile;
  bool noSettings = false;
  // A plan's missing keys and channels take their defaults rather than refusing it.
  bool missingAsUnused = false;
  bool repeat = false;
  // Write and restore send only the blocks the radio does not already hold.
  bool changedOnly = false;
  bool json = false;
  bool quiet = false;
};
