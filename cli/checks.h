#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/options.h"
#include "radio/channel_plan.h"

// What a command checks before it opens any port. Each says what is wrong on the console;
// a refusal means exit status 2.

// No port twice, by any of its names: two links on one radio would garble both.
bool PortsDistinct(Console& console, const std::vector<std::string>& ports);

// The plan of a write or a check, from an INI plan file or a CSV one, with a writable
// frequency in every Hz text; what the load noticed is said, a plan without settings in one
// line.
std::optional<ChannelPlan> UsablePlan(Console& console, const std::string& file, bool forWrite);

// The folder backups go to: --backup-dir, or the user's own.
std::string BackupFolderOf(const Options& options);
// Makes the folder now, so that a write never reads a radio for a backup it cannot keep.
bool BackupFolderReady(Console& console, const std::string& folder);

// A file -o names can be written, so that what a radio gives is not lost afterwards.
bool OutputWritable(Console& console, const std::string& file);
