#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

// The areas none of whose reads came back, when those are all the reads that failed and each
// is made from the rest; nothing when the failures are scattered or reach bank 0 or the
// settings, which is a fault rather than what the radio lets be read.
std::optional<std::vector<MemoryArea>> UnreadableAreas(const std::vector<MemoryRead>& reads,
                                                       const std::vector<std::uint16_t>& failed);
bool InAreas(std::uint16_t address, const std::vector<MemoryArea>& areas);
std::vector<MemoryRead> ReadsOutside(const std::vector<MemoryRead>& reads,
                                     const std::vector<MemoryArea>& areas);
MemoryBlocks BlocksOutside(const MemoryBlocks& blocks, const std::vector<MemoryArea>& areas);
// Every block a write replaces, in its order: those given, and the areas' blocks made from
// the bank 0 records given, as a write of the same channels makes them.
MemoryBlocks WithAreasMade(const MemoryBlocks& blocks, const std::vector<MemoryArea>& areas);
