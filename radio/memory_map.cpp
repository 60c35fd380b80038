#include "radio/memory_map.h"

#include <algorithm>
#include <iterator>

#include "radio/codecs.h"
#include "radio/hz_text.h"
#include "radio/protocol.h"

namespace {

// The radio's own bytes after the flags are not kept: every write restores these.
const ByteString kChannelRecordTail = {0x01, 0x01, 0xFF};
// Bits 7..4 and 2 of the settings flags byte are always set.
constexpr std::uint8_t kSettingsFlagsAlwaysSet = 0xF4;
constexpr std::uint8_t kToneIndexTableEnd = 0xFF;
constexpr int kLastChannelByRxTone = 8;

// The channel flags are active low (BitIsSet positions).
constexpr int kShiftBitPosition = 7;
constexpr int kLockoutBitPosition = 8;

// A list index of -1, "no selection", becomes FF.
std::uint8_t LowByte(int value) {
  return static_cast<std::uint8_t>(value);
}

// The bit that BitIsSet tests at this position.
std::uint8_t FlagBit(int position) {
  return static_cast<std::uint8_t>(0x80 >> (position - 1));
}

void Append(ByteString& bytes, const ByteString& more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
}

// Callers check the record's length first, so every field lies inside it.
ByteString RecordField(const ByteString& record, std::size_t offset, std::size_t width) {
  const auto begin = record.begin() + static_cast<std::ptrdiff_t>(offset);
  return ByteString(begin, begin + static_cast<std::ptrdiff_t>(width));
}

}  // namespace

const ByteString kChannelZeroSlotHalf(kRecordHalfSize, 0xFF);

std::uint16_t ChannelRecordAddress(int bank, int channel) {
  return static_cast<std::uint16_t>(bank * kBankSize + channel * kChannelRecordSize);
}

ByteString FrequencyHalf(const ChannelRow& row, bool advancedMode) {
  ByteString half;
  if (advancedMode) {
    half = EncodeFrequency(row.rxHzText);
    Append(half, EncodeFrequency(row.txHzText));
  } else {
    half = ChannelCodeForIndex(row.rxChannelIndex);
    Append(half, ChannelCodeForIndex(row.txChannelIndex));
  }
  return half;
}

ByteString ToneHalf(const ChannelRow& row) {
  ByteString half = ToneCodeForIndex(row.rxToneIndex);
  Append(half, ToneCodeForIndex(row.txToneIndex));
  Append(half, ChannelFlagsByte(false, row.shift, row.lockout));
  Append(half, kChannelRecordTail);
  return half;
}

std::optional<ChannelRow> ChannelFromReply(const ByteString& reply) {
  const ByteString record = ReadReplyData(reply, kChannelRecordSize);
  if (record.size() <= kChannelFlagsOffset) {
    return std::nullopt;
  }
  const ByteString rxCode = RecordField(record, kRxFrequencyOffset, kFrequencyCodeSize);
  const ByteString txCode = RecordField(record, kTxFrequencyOffset, kFrequencyCodeSize);
  const std::uint8_t flags = record[kChannelFlagsOffset];
  ChannelRow row;
  row.rxChannelIndex = FindChannelCode(rxCode);
  row.txChannelIndex = FindChannelCode(txCode);
  row.rxHzText = DecodeFrequency(rxCode);
  row.txHzText = DecodeFrequency(txCode);
  row.rxToneIndex = FindToneCode(RecordField(record, kRxToneOffset, kToneCodeSize));
  row.txToneIndex = FindToneCode(RecordField(record, kTxToneOffset, kToneCodeSize));
  row.shift = !BitIsSet(flags, kShiftBitPosition);
  row.lockout = !BitIsSet(flags, kLockoutBitPosition);
  return row;
}

bool ChannelListShows(const ChannelRow& row, Direction direction) {
  return direction == Direction::Rx ? row.rxChannelIndex != 0 || row.rxHzText.empty()
                                    : row.txChannelIndex != 0 || row.txHzText.empty();
}

// Nothing shows what the radio does with these tables, so both get the bytes radios
// already programmed hold: channels 1..8 their RX tone, channels 9..15 their TX tone.
std::array<MemoryBlock, 4> ToneIndexTableBlocks(
    const std::array<int, kChannelCount>& rxToneIndexes,
    const std::array<int, kChannelCount>& txToneIndexes) {
  ByteString table(kToneIndexTableSize, kToneIndexTableEnd);
  for (int k = 0; k < kChannelCount; ++k) {
    const int channel = k + 1;
    table[k] = LowByte(channel <= kLastChannelByRxTone ? rxToneIndexes[k] : txToneIndexes[k]);
  }
  const ByteString firstHalf(table.begin(), table.begin() + kRecordHalfSize);
  const ByteString secondHalf(table.begin() + kRecordHalfSize, table.end());
  const auto [first, second] = kToneIndexTableAddresses;
  return {{{first, firstHalf},
           {static_cast<std::uint16_t>(first + kRecordHalfSize), secondHalf},
           {second, firstHalf},
           {static_cast<std::uint16_t>(second + kRecordHalfSize), secondHalf}}};
}

ByteString SettingsRecord(const RadioSettings& settings) {
  // The bytes after the settings are FF.
  ByteString record(kSettingsFieldsSize, 0);
  record.resize(kSettingsRecordSize, 0xFF);
  for (const SettingTraits& traits : kSettingTraits) {
    if (traits.kind == SettingKind::Switch) {
      record[traits.offset] |=
          kSettingsFlagsAlwaysSet | (settings.*traits.flag ? FlagBit(traits.bitPosition) : 0);
    } else {
      record[traits.offset] = LowByte(settings.*traits.number);
    }
  }
  return record;
}

std::optional<RadioSettings> SettingsFromReply(const ByteString& reply) {
  const ByteString record = ReadReplyData(reply, kSettingsRecordSize);
  if (record.size() < kSettingsFieldsSize) {
    return std::nullopt;
  }
  RadioSettings settings;
  for (const SettingTraits& traits : kSettingTraits) {
    const std::uint8_t byte = record[traits.offset];
    if (traits.kind == SettingKind::Switch) {
      settings.*traits.flag = BitIsSet(byte, traits.bitPosition);
    } else if (traits.kind == SettingKind::Level) {
      // A level beyond the range cannot be chosen, so a later write stores the highest.
      settings.*traits.number = std::min<int>(byte, traits.count - 1);
    } else {
      settings.*traits.number = byte;
    }
  }
  return settings;
}

MemoryBlocks PlanBlocks(const ChannelPlan& plan) {
  MemoryBlocks blocks;
  std::array<int, kChannelCount> rxTones{};
  std::array<int, kChannelCount> txTones{};
  for (int bank = 0; bank < kBankCount; ++bank) {
    for (int channel = 0; channel <= kChannelCount; ++channel) {
      const std::uint16_t address = ChannelRecordAddress(bank, channel);
      if (channel == 0) {
        blocks.push_back({address, kChannelZeroSlotHalf});
        blocks.push_back(
            {static_cast<std::uint16_t>(address + kRecordHalfSize), kChannelZeroSlotHalf});
        continue;
      }
      ChannelRow row = plan.channels[channel - 1];
      row.rxHzText = TrimmedHzText(row.rxHzText);
      row.txHzText = TrimmedHzText(row.txHzText);
      rxTones[channel - 1] = row.rxToneIndex;
      txTones[channel - 1] = row.txToneIndex;
      blocks.push_back({address, FrequencyHalf(row, plan.advancedMode)});
      blocks.push_back({static_cast<std::uint16_t>(address + kRecordHalfSize), ToneHalf(row)});
    }
  }
  for (const MemoryBlock& block : ToneIndexTableBlocks(rxTones, txTones)) {
    blocks.push_back(block);
  }
  if (plan.settings) {
    blocks.push_back({kSettingsAddress, SettingsRecord(*plan.settings)});
  }
  return blocks;
}

BlockPlace PlaceOf(std::uint16_t address) {
  BlockPlace place;
  if (address < kBankCount * kBankSize) {
    place.kind = BlockPlace::ChannelRecord;
    place.bank = address / kBankSize;
    place.channel = address % kBankSize / kChannelRecordSize;
    place.secondHalf = address % kChannelRecordSize >= kRecordHalfSize;
  } else if (address == kSettingsAddress) {
    place.kind = BlockPlace::Settings;
  } else {
    for (const std::uint16_t table : kToneIndexTableAddresses) {
      if (address >= table && address < table + kToneIndexTableSize) {
        place.kind = BlockPlace::ToneIndexTable;
        place.secondHalf = address - table >= kRecordHalfSize;
      }
    }
  }
  return place;
}

std::vector<MemoryRead> ReadsCovering(const MemoryBlocks& blocks) {
  std::vector<MemoryRead> reads;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const std::uint16_t address = blocks[i].address;
    const bool pairs = address % kChannelRecordSize == 0 && i + 1 < blocks.size() &&
                       blocks[i + 1].address == address + kRecordHalfSize;
    reads.push_back(
        {address, pairs ? static_cast<std::uint8_t>(kChannelRecordSize) : kRecordHalfSize});
    if (pairs) {
      ++i;
    }
  }
  return reads;
}

std::vector<MemoryRead> ReadsHolding(const std::vector<MemoryRead>& reads,
                                     const MemoryBlocks& blocks) {
  std::vector<MemoryRead> holding;
  std::copy_if(reads.begin(), reads.end(), std::back_inserter(holding), [&](const MemoryRead& r) {
    return std::any_of(blocks.begin(), blocks.end(), [&](const MemoryBlock& block) {
      return block.address >= r.address && block.address < r.address + r.count;
    });
  });
  return holding;
}

std::vector<MemoryRead> WrittenRegionReads() {
  return ReadsCovering(PlanBlocks(ChannelPlan{.settings = kDefaultSettings}));
}
