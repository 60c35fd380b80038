#include "radio/memory_areas.h"

#include <algorithm>
#include <iterator>

#include "radio/codecs.h"
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

std::optional<std::vector<MemoryArea>> UnreadableAreas(const std::vector<MemoryRead>& reads,
                                                       const std::vector<std::uint16_t>& failed) {
  std::vector<MemoryArea> areas;
  for (const MemoryArea area : kMemoryAreas) {
    int asked = 0;
    int lost = 0;
    for (const MemoryRead& read : reads) {
      if (AreaOf(read.address) == area) {
        ++asked;
        lost += std::count(failed.begin(), failed.end(), read.address) > 0 ? 1 : 0;
      }
    }
    if (lost == 0) {
      continue;
    }
    if (lost < asked || !MadeFromTheRest(area)) {
      return std::nullopt;
    }
    areas.push_back(area);
  }
  return areas;
}

bool InAreas(std::uint16_t address, const std::vector<MemoryArea>& areas) {
  return std::find(areas.begin(), areas.end(), AreaOf(address)) != areas.end();
}

std::vector<MemoryRead> ReadsOutside(const std::vector<MemoryRead>& reads,
                                     const std::vector<MemoryArea>& areas) {
  std::vector<MemoryRead> outside;
  std::copy_if(reads.begin(), reads.end(), std::back_inserter(outside),
               [&](const MemoryRead& read) { return !InAreas(read.address, areas); });
  return outside;
}

MemoryBlocks BlocksOutside(const MemoryBlocks& blocks, const std::vector<MemoryArea>& areas) {
  MemoryBlocks outside;
  std::copy_if(blocks.begin(), blocks.end(), std::back_inserter(outside),
               [&](const MemoryBlock& block) { return !InAreas(block.address, areas); });
  return outside;
}

MemoryBlocks WithAreasMade(const MemoryBlocks& blocks, const std::vector<MemoryArea>& areas) {
  const auto at = [&blocks](std::uint16_t address) {
    const auto found = std::find_if(blocks.begin(), blocks.end(), [address](const MemoryBlock& b) {
      return b.address == address;
    });
    return found == blocks.end() ? ByteString{} : found->data;
  };
  // Bank 1 copies bank 0's records; the tone tables take each record's tone list indexes.
  std::array<int, kChannelCount> rxTones{};
  std::array<int, kChannelCount> txTones{};
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    const ByteString tones = at(ChannelRecordAddress(0, channel) + kRecordHalfSize);
    if (tones.size() == kRecordHalfSize) {
      rxTones[channel - 1] = FindToneCode(ByteString(tones.begin(), tones.begin() + kToneCodeSize));
      txTones[channel - 1] = FindToneCode(
          ByteString(tones.begin() + kToneCodeSize, tones.begin() + 2 * kToneCodeSize));
    }
  }
  const std::array<MemoryBlock, 4> tables = ToneIndexTableBlocks(rxTones, txTones);
  const auto made = [&](std::uint16_t address) {
    const BlockPlace place = PlaceOf(address);
    if (place.kind == BlockPlace::ToneIndexTable) {
      return std::find_if(tables.begin(), tables.end(),
                          [address](const MemoryBlock& b) { return b.address == address; })
          ->data;
    }
    return place.channel == 0 ? kChannelZeroSlotHalf
                              : at(static_cast<std::uint16_t>(address - kBankSize));
  };
  MemoryBlocks whole;
  for (const MemoryRead& read : WrittenRegionReads()) {
    for (std::uint16_t address = read.address; address < read.address + read.count;
         address += kRecordHalfSize) {
      if (InAreas(address, areas)) {
        whole.push_back({address, made(address)});
      } else if (const ByteString data = at(address); !data.empty()) {
        whole.push_back({address, data});
      }
    }
  }
  return whole;
}
