#pragma once

#include <vector>

#include "radio/log_line.h"
#include "radio/memory_areas.h"

// What the log says of areas a radio does not let be read.

// "bank 1, the first tone index table and the second tone index table".
LogLine AreasLine(const std::vector<MemoryArea>& areas);
// A backup kept without them.
LogLine AreasNotReadableLine(const std::vector<MemoryArea>& areas);
// A check of a radio against a plan, which compares the rest.
LogLine AreasNotComparedLine(const std::vector<MemoryArea>& areas);
// After a write's check: the radio's 06 is all there is to show for them.
LogLine AreasNotReadBackLine(const std::vector<MemoryArea>& areas, bool allAcknowledged);
// How a write ends whose blocks there were not all acknowledged.
LogLine UnreadableNotAcknowledgedLine(int count);
// A restore of a backup without them, which makes them as a write does.
LogLine AreasMadeLine(const std::vector<MemoryArea>& areas);
