#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/options.h"
#include "radio/channel_plan.h"
#include "radio/log_line.h"

// What a command checks before it opens any port. Each says what is wrong on the console;
// a refusal means exit status 2.

// No port twice, by any of its names: two links on one radio would garble both.
bool PortsDistinct(Console& console, const std::vector<std::string>& ports);

// The plan of a write or a check, from an INI plan file or a CSV one, with a writable
// frequency in every Hz text and nothing the load could not use; with --missing-as-unused
// what the file lacks takes its default. Every problem is named; what the load noticed of
// a plan taken is said, a plan without settings in one line.
std::optional<ChannelPlan> UsablePlan(Console& console, const Options& options, bool forWrite);

// The folder backups go to: --backup-dir, or the user's own.
std::string BackupFolderOf(const Options& options);
// Makes the folder now, so that a write never reads a radio for a backup it cannot keep.
bool BackupFolderReady(Console& console, const std::string& folder);
// Makes the folder now, or says why it cannot be one: "The <what> <folder> cannot be made".
bool FolderReady(Console& console, const std::string& folder, const std::string& what);

// A file -o names can be written, so that what a radio gives is not lost afterwards, and
// writing it loses nothing: `refusal` says why an existing file must stay as it is.
bool OutputWritable(Console& console, const std::string& file,
                    const std::optional<LogLine>& refusal);
