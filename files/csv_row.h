#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/csv_plan.h"

// One channel as a line of CHIRP's CSV layout without its header, as the clipboard carries
// it to a spreadsheet, another plan or another row. A channel not in use, or one the layout
// cannot hold, gives no line and says why.
CsvText CsvRowText(const ChannelRow& row, bool advancedMode);

// The channel such a line holds, its Location ignored, for a window in the given mode. Any
// other text, a channel the radio cannot have, or in normal mode a frequency that is no
// PMR446 channel, gives no row and says why.
struct PastedRow {
  std::optional<ChannelRow> row;
  LogLine failure;
};
PastedRow CsvRowFromText(std::string_view text, bool advancedMode);
