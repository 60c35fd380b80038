#pragma once

#include <string>
#include <string_view>

#include "files/plan_file.h"

// Channel plans in CHIRP's generic CSV layout: one row per channel in use, numbered by its
// Location 1 to 15. The layout holds no settings page, no mode and no place for the shift
// and busy lockout flags, which go into the Comment column as the words "shift" and
// "busy lockout".
//
// Rows are built from what a write to the radio would send: a channel index outside 1..8
// is a channel not in use, a tone index outside 1..38 no tone. A channel not in use has no
// row, so its tones and flags are not kept.

// The file's content, or why the plan cannot be held by the layout (then no text).
struct CsvText {
  std::string text;
  LogLine failure;
};

// Refuses a plan with a channel whose TX frequency is set while its RX is not in use, or
// whose advanced-mode Hz text is not a frequency a write would accept (IsWritableHzText),
// naming every such channel.
CsvText CsvPlanText(const ChannelPlan& plan);

// The plan a CSV text holds, for a window in the given mode; `settings` always stays empty.
// Columns are found by name, in any order, and a missing one takes CHIRP's default.
//
// A plan whose frequencies are all PMR446 channels is a normal-mode plan of channel
// indexes, unless the window is in advanced mode; any other frequency makes it an
// advanced-mode plan of Hz texts. Rows for other locations and later rows for a channel
// are skipped (the notice names the first ten); a row with a tone, code, inverted DTCS
// polarity, tone mode or duplex the radio does not have leaves its channel not in use (the
// notice names each, and each is a problem). The whole text is refused when it is not a
// CSV plan or a channel's frequency is not a positive whole multiple of 10 Hz below
// 1000 MHz.
LoadedPlan CsvPlanFromText(std::string_view text, bool advancedMode);

// As SavePlanFile: a plan the layout cannot hold is refused and nothing is written; a file
// that cannot be written fails with "Unable to write to " + file name + "." and stays as it
// was. An existing file is replaced whole, and only when it is empty or a CSV plan
// (CsvPlanOutputRefusal).
PlanFileOutcome SaveCsvPlanFile(const std::string& fileName, const ChannelPlan& plan);
// Why SaveCsvPlanFile would refuse the file; nothing when it would write it.
std::optional<LogLine> CsvPlanOutputRefusal(const std::string& fileName);

// As LoadPlanFile: a file that cannot be read fails with "Unable to read " + file name +
// "."; with `settings` the notice tells that the file holds none, as for an INI file
// without them.
LoadedPlan LoadCsvPlanFile(const std::string& fileName, bool settings, bool advancedMode);

// Whether a plan file of this name is a CSV one: it ends in ".csv", in any case.
bool IsCsvPlanFileName(const std::string& fileName);
