#include "cli/checks.h"

#include <filesystem>
#include <set>

#include "files/backup_folder.h"
#include "files/plan_by_name.h"
#include "files/whole_file.h"
#include "radio/hz_text.h"
#include "radio/progress_lines.h"
#include "radio/serial_link.h"

namespace {

namespace fs = std::filesystem;

// The device a port name opens, links followed where it exists.
std::string DeviceOf(const std::string& port) {
  const std::string device = DevicePathForName(port);
  std::error_code error;
  const fs::path canonical = fs::canonical(device, error);
  return error ? device : canonical.string();
}

// The notice of a plan loaded with its settings, one line at a time. A plan that has none
// ends its notice with the window's words for that, which the command line says its own way.
void SayNotice(Console& console, const std::string& notice, bool planHasSettings) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < notice.size()) {
    std::size_t end = notice.find('\n', begin);
    end = end == std::string::npos ? notice.size() : end;
    lines.push_back(notice.substr(begin, end - begin));
    if (lines.back().ends_with('\r')) {
      lines.back().pop_back();
    }
    begin = end + 1;
  }
  if (!planHasSettings && !lines.empty()) {
    lines.pop_back();
  }
  for (const std::string& line : lines) {
    if (!line.empty()) {
      console.Log("", line);
    }
  }
}

}  // namespace

bool PortsDistinct(Console& console, const std::vector<std::string>& ports) {
  std::set<std::string> devices;
  for (const std::string& port : ports) {
    if (!devices.insert(DeviceOf(port)).second) {
      console.Say("", "The port " + port + " is named more than once.");
      return false;
    }
  }
  return true;
}

std::optional<ChannelPlan> UsablePlan(Console& console, const Options& options, bool forWrite) {
  const std::string& file = options.file;
  const LoadedPlan loaded = LoadPlan(file, true, false);
  if (!loaded.plan) {
    console.Say("", loaded.outcome.failure.Text());
    return std::nullopt;
  }
  // A Hz text says itself that nothing was written.
  bool refused = false;
  for (const UnwritableHzText& box : UnwritableHzTexts(*loaded.plan)) {
    console.Say("", UnwritableHzTextLine(box).Text());
    refused = true;
  }
  bool unusable = false;
  bool missing = false;
  for (const PlanProblem& problem : loaded.problems) {
    if (!problem.missing || !options.missingAsUnused) {
      console.Say("", file + ": " + problem.line.Text());
      (problem.missing ? missing : unusable) = true;
    }
  }
  if (missing || unusable) {
    console.Say("", !unusable ? "Nothing was sent. Complete the plan, or take what it lacks as "
                                "unused with --missing-as-unused."
                              : "Nothing was sent. Correct the plan first.");
  }
  if (refused || missing || unusable) {
    return std::nullopt;
  }
  SayNotice(console, loaded.outcome.notice.Text(), loaded.plan->settings.has_value());
  if (!loaded.plan->settings) {
    console.Say("", file + (forWrite ? " holds no settings; each radio keeps its own."
                                     : " holds no settings; they are not compared."));
  }
  return loaded.plan;
}

std::string BackupFolderOf(const Options& options) {
  return options.backupDir.empty() ? DefaultBackupFolder() : options.backupDir;
}

bool BackupFolderReady(Console& console, const std::string& folder) {
  return FolderReady(console, folder, "backup folder");
}

bool FolderReady(Console& console, const std::string& folder, const std::string& what) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    console.Say("", "The " + what + " " + folder + " cannot be made" +
                        (error ? ": " + error.message() + "." : "; a file of that name is there."));
    return false;
  }
  return true;
}

bool OutputWritable(Console& console, const std::string& file,
                    const std::optional<LogLine>& refusal) {
  FileReplacement replacement(file);
  if (!replacement.Begin()) {
    console.Say("", "Unable to write to " + file + ".");
    return false;
  }
  if (refusal) {
    console.Say("", refusal->Text());
    return false;
  }
  return true;
}
