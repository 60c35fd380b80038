#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "radio/byte_string.h"

// The radio's channels, numbered 1 to 15: records 1 to 15 of each bank.
inline constexpr int kChannelCount = 15;

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
inline constexpr std::uint8_t kSettingsRecordSize = 8;
inline constexpr std::size_t kSettingsFlagsOffset = 0;
inline constexpr std::size_t kSquelchOffset = 1;
inline constexpr std::size_t kMonitorKeyOffset = 2;
inline constexpr std::size_t kTotOffset = 3;
inline constexpr std::size_t kTotRekeyOffset = 4;
inline constexpr std::size_t kTotResetOffset = 5;

// How many values each setting takes: the items of its list, or squelch levels 0 to max.
inline constexpr int kMonitorKeyCount = 4;
inline constexpr int kTotCount = 11;
inline constexpr int kTotRekeyCount = 61;
inline constexpr int kTotResetCount = 16;
inline constexpr int kSquelchLevelMax = 10;

// One 8-byte write: where it goes and what it carries.
struct MemoryBlock {
  std::uint16_t address = 0;
  ByteString data;
  bool operator==(const MemoryBlock&) const = default;
};

// Address of channel record n (0 for the slot) in bank 0 or 1; the second half is 8 above.
std::uint16_t ChannelRecordAddress(int bank, int channel);
// What both halves of each channel 0 slot are written with.
extern const ByteString kChannelZeroSlotHalf;

// One row of the channel grid as the window holds it. Normal mode uses the channel list
// indexes, advanced mode the Hz texts; list indexes are -1 when nothing is selected.
struct ChannelRow {
  int rxChannelIndex = 0;
  int txChannelIndex = 0;
  // Braced, so that a designated initializer may leave the texts out.
  std::string rxHzText{};
  std::string txHzText{};
  int rxToneIndex = 0;
  int txToneIndex = 0;
  bool shift = false;
  bool lockout = false;
  bool operator==(const ChannelRow&) const = default;
};

// Record bytes 0..7: RX and TX frequency codes.
ByteString FrequencyHalf(const ChannelRow& row, bool advancedMode);
// Record bytes 8..15: RX and TX tone codes, channel flags, 01 01 FF.
ByteString ToneHalf(const ChannelRow& row);
// The row a channel read reply holds, with both the list indexes and the Hz texts filled
// so that either mode can use it; nothing when the record ends before the flags byte.
std::optional<ChannelRow> ChannelFromReply(const ByteString& reply);

// The four writes of the tone index tables, in the order 0x0290, 0x0298, 0x02B0, 0x02B8.
// Element k of each array belongs to channel k + 1.
std::array<MemoryBlock, 4> ToneIndexTableBlocks(
    const std::array<int, kChannelCount>& rxToneIndexes,
    const std::array<int, kChannelCount>& txToneIndexes);

// The settings page. The list values are item indexes (-1 for none); after a read they
// are the radio's bytes as they stand, which may lie beyond the end of their list.
struct RadioSettings {
  bool beepTones = false;
  bool batterySaving = false;
  bool selfProgramming = false;
  int squelchLevel = 0;
  int monitorKey = 0;
  int tot = 0;
  int totRekey = 0;
  int totReset = 0;
  bool operator==(const RadioSettings&) const = default;
};

ByteString SettingsRecord(const RadioSettings& settings);
// Nothing when the record ends before the last field used (the TOT reset byte).
std::optional<RadioSettings> SettingsFromReply(const ByteString& reply);
