#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio/byte_string.h"
#include "radio/channel_plan.h"
#include "radio/settings_table.h"

// Channel records lie at bank × 0x100 + 16 × n. Channel 0 is the slot at the head of each
// bank, which every write fills with FF; bank 1 is written as a copy of bank 0, never read.
inline constexpr int kBankCount = 2;
inline constexpr std::uint16_t kBankSize = 0x100;
inline constexpr std::uint16_t kChannelRecordSize = 16;
// The write sends every block as 8-byte halves; the read fetches a whole channel record.
inline constexpr std::uint8_t kRecordHalfSize = 8;

// Channel record fields, by byte offset in the record.
inline constexpr std::size_t kRxFrequencyOffset = 0;
inline constexpr std::size_t kTxFrequencyOffset = 4;
inline constexpr std::size_t kRxToneOffset = 8;
inline constexpr std::size_t kTxToneOffset = 10;
inline constexpr std::size_t kChannelFlagsOffset = 12;

// Two tables of one tone list index per channel 1..15 and a closing FF; written, never read.
inline constexpr std::array<std::uint16_t, 2> kToneIndexTableAddresses = {0x0290, 0x02B0};
inline constexpr std::size_t kToneIndexTableSize = 16;

inline constexpr std::uint16_t kSettingsAddress = 0x03C0;
// The settings record's fields lie where the settings table places them.
inline constexpr std::uint8_t kSettingsRecordSize = 8;
static_assert(kSettingsFieldsSize <= kSettingsRecordSize);

// One 8-byte write: where it goes and what it carries.
struct MemoryBlock {
  std::uint16_t address = 0;
  ByteString data;
  bool operator==(const MemoryBlock&) const = default;
};

// The blocks a write replaces, in the order it sends them: bank 0 (the channel 0 slot, then
// channels 1..15, each as two halves), bank 1 likewise, the two tone index tables and the
// settings record. The same value holds what a radio answered for those addresses.
using MemoryBlocks = std::vector<MemoryBlock>;

// What a write of the plan sends: 69 blocks, or 68 without settings, which leaves the
// radio's own settings as they are. Hz texts lose the spaces the boxes allow.
MemoryBlocks PlanBlocks(const ChannelPlan& plan);

// One read command: a whole channel record or tone index table, or the settings record.
struct MemoryRead {
  std::uint16_t address = 0;
  std::uint8_t count = 0;
  bool operator==(const MemoryRead&) const = default;
};
// The reads that give back the blocks, in their order: two halves of one record in one
// 16-byte read, any other block in an 8-byte read.
std::vector<MemoryRead> ReadsCovering(const MemoryBlocks& blocks);
// The reads that give back at least one of the blocks, in their order.
std::vector<MemoryRead> ReadsHolding(const std::vector<MemoryRead>& reads,
                                     const MemoryBlocks& blocks);
// Every block a write can replace, the settings record included, as reads: what a backup
// holds.
std::vector<MemoryRead> WrittenRegionReads();

// Where a block lies in the radio's memory, as the write reports on it.
struct BlockPlace {
  enum Kind { ChannelRecord, ToneIndexTable, Settings, Other };
  Kind kind = Other;
  int bank = 0;
  int channel = 0;  // 0 for the slot at the head of a bank
  bool secondHalf = false;
};
BlockPlace PlaceOf(std::uint16_t address);

// Address of channel record n (0 for the slot) in bank 0 or 1; the second half is 8 above.
std::uint16_t ChannelRecordAddress(int bank, int channel);
// What both halves of each channel 0 slot are written with.
extern const ByteString kChannelZeroSlotHalf;

// Record bytes 0..7: RX and TX frequency codes.
ByteString FrequencyHalf(const ChannelRow& row, bool advancedMode);
// Record bytes 8..15: RX and TX tone codes, channel flags, 01 01 FF.
ByteString ToneHalf(const ChannelRow& row);
// The row a channel read reply holds, with both the list indexes and the Hz texts filled
// so that either mode can use it; nothing when the record ends before the flags byte.
std::optional<ChannelRow> ChannelFromReply(const ByteString& reply);
// Whether a normal-mode channel list can show the frequency a read gave for this direction:
// a PMR446 channel, or none.
bool ChannelListShows(const ChannelRow& row, Direction direction);

// The four writes of the tone index tables, in the order 0x0290, 0x0298, 0x02B0, 0x02B8.
// Element k of each array belongs to channel k + 1.
std::array<MemoryBlock, 4> ToneIndexTableBlocks(
    const std::array<int, kChannelCount>& rxToneIndexes,
    const std::array<int, kChannelCount>& txToneIndexes);

ByteString SettingsRecord(const RadioSettings& settings);
// Nothing when the record ends before the last byte that holds a setting.
std::optional<RadioSettings> SettingsFromReply(const ByteString& reply);
