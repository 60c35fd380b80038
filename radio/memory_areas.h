#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "radio/memory_map.h"

// The parts of the memory a write replaces, as a radio may or may not let them be read.
enum class MemoryArea { Bank0, Bank1, FirstToneTable, SecondToneTable, Settings };
inline constexpr std::array kMemoryAreas = {MemoryArea::Bank0, MemoryArea::Bank1,
                                            MemoryArea::FirstToneTable, MemoryArea::SecondToneTable,
                                            MemoryArea::Settings};

MemoryArea AreaOf(std::uint16_t address);
// What a write makes from bank 0 and the settings, so a radio that does not let it be read
// can still be written and checked by the rest.
bool MadeFromTheRest(MemoryArea area);
// The reads of a backup that fall in the area, in their order.
std::vector<MemoryRead> AreaReads(MemoryArea area);
// "bank 1", "the first tone index table": words for the log, to be translated.
const char* AreaName(MemoryArea area);
