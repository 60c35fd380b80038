#pragma once

#include <vector>

#include "radio/log_line.h"
#include "radio/transfers.h"

// What the radio's bytes are compared with: the plan written or checked, or the backup
// being put back.
enum class ComparedWith { Plan, Backup };

// A block that reads back other than expected, in the radio's own terms: one line per
// channel field or setting that differs, naming a bank 1 record as its channel's copy; bytes
// that carry no plan field are named by what they are. A value that decodes to nothing
// known is shown in hex.
std::vector<LogLine> DifferenceLines(const BlockDifference& difference, ComparedWith with);
