#pragma once

#include <string>
#include <vector>

// Lines the transfers write to the log, as a test of an E radio expects them.
inline const std::string kSupportedForRead =
    "Supported HT-446E radio detected. Reading will take few seconds, please wait...";
inline const std::string kSupportedForWrite =
    "Supported HT-446E radio detected, continuing. This takes few seconds.";
inline const std::string kSafeWriteTime =
    "With a backup of the radio before it and a check after it, the write takes about 9 "
    "seconds.";
inline const std::string kNoResponse =
    "No response from serial port. Check you are using the right port.";
inline const std::string kNotConnected =
    "Radio not connected or turned on. Cable needs to be connected and radio turned on.";
inline const std::string kNoReplyForWrite = "Unknown response from radio: (0 bytes) ";
inline const std::string kRadioLost =
    "Lost the connection to the radio. Check the cable and the radio, then try again.";
inline const std::string kHiddenOnChannel3 =
    "[!] Ch 3 holds 434.05000 MHz RX, which normal mode cannot show. Writing from normal mode "
    "will clear it; advanced mode keeps it.";
inline const std::string kNeverQuiet =
    "The line from the radio never falls quiet. Check the cable and the port, then try again.";

// A write's log with the name of its backup file as <backup>, whichever store kept it.
inline std::vector<std::string> WithBackupNamed(std::vector<std::string> log) {
  for (std::string& line : log) {
    for (const std::string before : {"held is kept in ", "held before is in "}) {
      const std::size_t name = line.find(before);
      if (name == std::string::npos) {
        continue;
      }
      const std::size_t first = name + before.size();
      const std::size_t semicolon = line.find("; ", first);
      const std::size_t end = semicolon != std::string::npos ? semicolon : line.size() - 1;
      line.replace(first, end - first, "<backup>");
    }
  }
  return log;
}

// What a safe write says around the lines of its blocks: the backup before them, the
// check after them, and how it ended.
inline std::vector<std::string> SafeWriteLog(const std::vector<std::string>& whileWriting,
                                             const std::vector<std::string>& end = {
                                                 "Verified: the radio holds what was written.",
                                                 "Done!"}) {
  std::vector<std::string> log = {
      kSupportedForWrite, kSafeWriteTime, "Backing up what the radio holds...",
      "What the radio held is kept in <backup>.", "Writing channels..."};
  log.insert(log.end(), whileWriting.begin(), whileWriting.end());
  log.push_back("Checking what the radio holds now...");
  log.insert(log.end(), end.begin(), end.end());
  return log;
}
