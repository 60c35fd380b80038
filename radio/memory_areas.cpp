#include "radio/memory_areas.h"

#include <algorithm>
#include <iterator>

#include "radio/log_line.h"

MemoryArea AreaOf(std::uint16_t address) {
  const BlockPlace place = PlaceOf(address);
  switch (place.kind) {
    case BlockPlace::ChannelRecord:
      return place.bank == 0 ? MemoryArea::Bank0 : MemoryArea::Bank1;
    case BlockPlace::ToneIndexTable:
      return address < kToneIndexTableAddresses[1] ? MemoryArea::FirstToneTable
                                                   : MemoryArea::SecondToneTable;
    default:
      return MemoryArea::Settings;
  }
}

bool MadeFromTheRest(MemoryArea area) {
  return area != MemoryArea::Bank0 && area != MemoryArea::Settings;
}

std::vector<MemoryRead> AreaReads(MemoryArea area) {
  std::vector<MemoryRead> reads;
  const std::vector<MemoryRead> all = WrittenRegionReads();
  std::copy_if(all.begin(), all.end(), std::back_inserter(reads),
               [area](const MemoryRead& read) { return AreaOf(read.address) == area; });
  return reads;
}

const char* AreaName(MemoryArea area) {
  switch (area) {
    case MemoryArea::Bank0:
      return QT_TRANSLATE_NOOP("Vexalon", "bank 0");
    case MemoryArea::Bank1:
      return QT_TRANSLATE_NOOP("Vexalon", "bank 1");
    case MemoryArea::FirstToneTable:
      return QT_TRANSLATE_NOOP("Vexalon", "the first tone index table");
    case MemoryArea::SecondToneTable:
      return QT_TRANSLATE_NOOP("Vexalon", "the second tone index table");
    case MemoryArea::Settings:
      return QT_TRANSLATE_NOOP("Vexalon", "the settings");
  }
  return "";
}
