#include "radio/memory_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const ByteString kHeader = {0x57, 0x00, 0x10, 0x10};

ByteString Reply(const ByteString& record) {
  ByteString reply = kHeader;
  reply.insert(reply.end(), record.begin(), record.end());
  return reply;
}

ByteString Record(const ChannelRow& row, bool advancedMode) {
  ByteString record = FrequencyHalf(row, advancedMode);
  const ByteString toneHalf = ToneHalf(row);
  record.insert(record.end(), toneHalf.begin(), toneHalf.end());
  return record;
}

ChannelRow Pmr1Row() {
  ChannelRow row;
  row.rxChannelIndex = row.txChannelIndex = 1;
  row.rxHzText = row.txHzText = "446006250";
  return row;
}

RadioSettings InitialSettings() {
  return {.beepTones = true,
          .batterySaving = true,
          .selfProgramming = true,
          .squelchLevel = 5,
          .monitorKey = 3};
}

const ByteString kPmr1Record = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                0x00, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x01, 0xFF};

}  // namespace

TEST(MemoryMap, ChannelAddressesHoldTheBankInTheHighByte) {
  EXPECT_EQ(ChannelRecordAddress(0, 0), 0x0000);
  EXPECT_EQ(ChannelRecordAddress(0, 1), 0x0010);
  EXPECT_EQ(ChannelRecordAddress(0, 15), 0x00F0);
  EXPECT_EQ(ChannelRecordAddress(1, 0), 0x0100);
  EXPECT_EQ(ChannelRecordAddress(1, 15), 0x01F0);
  EXPECT_EQ(kChannelZeroSlotHalf, ByteString(8, 0xFF));
}

TEST(ChannelRecord, WorkedExamples) {
  ChannelRow row = Pmr1Row();
  EXPECT_EQ(Record(row, false), kPmr1Record);
  EXPECT_EQ(Record(row, true), kPmr1Record);

  row.rxToneIndex = 1;
  row.txToneIndex = 27;
  row.shift = true;
  EXPECT_EQ(Record(row, false), (ByteString{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x70,
                                            0x06, 0x32, 0x81, 0xFD, 0x01, 0x01, 0xFF}));

  const ByteString notInUse = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                               0x00, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x01, 0xFF};
  EXPECT_EQ(Record(ChannelRow{}, false), notInUse);
  EXPECT_EQ(Record(ChannelRow{}, true), notInUse);  // empty Hz texts
}

TEST(ChannelRecord, ListsWithoutSelectionStillGiveEightByteHalves) {
  ChannelRow row;
  row.rxChannelIndex = row.rxToneIndex = -1;
  row.txChannelIndex = row.txToneIndex = 1;
  EXPECT_EQ(FrequencyHalf(row, false),
            (ByteString{0xFF, 0xFF, 0xFF, 0xFF, 0x25, 0x06, 0x60, 0x44}));
  EXPECT_EQ(ToneHalf(row), (ByteString{0x00, 0x00, 0x70, 0x06, 0xFF, 0x01, 0x01, 0xFF}));
}

TEST(ChannelReply, DecodesWhatTheWriteBuilds) {
  const ChannelRow row{.rxChannelIndex = 8,
                       .txChannelIndex = 3,
                       .rxHzText = "446093750",
                       .txHzText = "446031250",
                       .rxToneIndex = 26,
                       .txToneIndex = 30,
                       .shift = true,
                       .lockout = true};
  EXPECT_EQ(ChannelFromReply(Reply(Record(row, false))), row);
}

TEST(ChannelReply, FlagsAreActiveLowAndWrittenBackWithTheUpperBitsSet) {
  ByteString record = kPmr1Record;
  const auto flagsOf = [&](std::uint8_t flags) {
    record[kChannelFlagsOffset] = flags;
    return *ChannelFromReply(Reply(record));
  };
  const ChannelRow both = flagsOf(0x00);
  EXPECT_TRUE(both.shift);
  EXPECT_TRUE(both.lockout);
  EXPECT_EQ(ToneHalf(both)[4], 0xFC);
  EXPECT_FALSE(flagsOf(0xFF).shift);
  EXPECT_FALSE(flagsOf(0xFF).lockout);
  EXPECT_TRUE(flagsOf(0xFD).shift);
  EXPECT_FALSE(flagsOf(0xFD).lockout);
}

TEST(ChannelReply, ARecordCutBeforeTheFlagsGivesNoRow) {
  const ByteString full = Reply(kPmr1Record);
  EXPECT_FALSE(ChannelFromReply({}));
  EXPECT_FALSE(ChannelFromReply({0x06}));
  EXPECT_FALSE(ChannelFromReply(ByteString(full.begin(), full.begin() + 16)));
  EXPECT_TRUE(ChannelFromReply(ByteString(full.begin(), full.begin() + 17)));
}

TEST(ToneIndexTables, RxToneForChannels1To8TxToneFor9To15) {
  std::array<int, kChannelCount> rx{}, tx{};
  for (int k = 0; k < kChannelCount; ++k) {
    rx[k] = k + 1;
    tx[k] = 20 + k;
  }
  tx[14] = -1;
  const ByteString low = {1, 2, 3, 4, 5, 6, 7, 8};
  const ByteString high = {28, 29, 30, 31, 32, 33, 0xFF, 0xFF};
  const std::array<MemoryBlock, 4> expected = {
      {{0x0290, low}, {0x0298, high}, {0x02B0, low}, {0x02B8, high}}};
  EXPECT_EQ(ToneIndexTableBlocks(rx, tx), expected);
}

TEST(SettingsRecord, WorkedExamplesAndEachFlagOff) {
  RadioSettings settings = InitialSettings();
  EXPECT_EQ(SettingsRecord(settings), (ByteString{0xFF, 0x05, 0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
  const auto flagsWith = [](auto change) {
    RadioSettings changed = InitialSettings();
    change(changed);
    return SettingsRecord(changed)[0];
  };
  EXPECT_EQ(flagsWith([](RadioSettings& s) { s.beepTones = false; }), 0xFE);
  EXPECT_EQ(flagsWith([](RadioSettings& s) { s.batterySaving = false; }), 0xFD);
  EXPECT_EQ(flagsWith([](RadioSettings& s) { s.selfProgramming = false; }), 0xF7);
  EXPECT_EQ(SettingsRecord(RadioSettings{})[0], 0xF4);

  settings.monitorKey = settings.tot = settings.totRekey = settings.totReset = -1;
  EXPECT_EQ(SettingsRecord(settings), (ByteString{0xFF, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(SettingsReply, ReadsFlagsClampsSquelchAndPassesListBytesThrough) {
  const auto settings = SettingsFromReply(Reply({0x0B, 200, 7, 11, 61, 16, 0x00, 0x00}));
  EXPECT_EQ(settings, (RadioSettings{true, true, true, 10, 7, 11, 61, 16}));
  EXPECT_EQ(SettingsRecord(*settings), (ByteString{0xFF, 10, 7, 11, 61, 16, 0xFF, 0xFF}));

  EXPECT_EQ(SettingsFromReply(Reply(SettingsRecord(InitialSettings()))), InitialSettings());
}

TEST(SettingsReply, AReplyCutBeforeTheResetTimeGivesNoSettings) {
  EXPECT_EQ(SettingsFromReply(Reply({0xF4, 0, 0, 0, 0, 0})), RadioSettings{});
  EXPECT_FALSE(SettingsFromReply({}));
  EXPECT_FALSE(SettingsFromReply(Reply({0xFF, 5, 3, 0, 0})));
}

// Each setting of the table, changed alone to its last value, changes its own byte or bit of
// the record and nothing else, and reads back as it was written.
TEST(SettingsTable, EachSettingOwnsItsPlaceInTheRecord) {
  const ByteString initial = SettingsRecord(RadioSettings{});
  std::vector<bool> byteUsed(kSettingsFieldsSize, false);
  for (const SettingTraits& traits : kSettingTraits) {
    ASSERT_LT(traits.offset, kSettingsFieldsSize) << traits.key;
    byteUsed[traits.offset] = true;
    RadioSettings settings;
    SetSettingValue(settings, traits.setting, traits.count - 1);
    const ByteString record = SettingsRecord(settings);
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (i == traits.offset) {
        const int changed = record[i] ^ initial[i];
        EXPECT_EQ(changed, traits.kind == SettingKind::Switch ? 0x80 >> (traits.bitPosition - 1)
                                                              : traits.count - 1)
            << traits.key;
      } else {
        EXPECT_EQ(record[i], initial[i]) << traits.key << " byte " << i;
      }
    }
    EXPECT_EQ(SettingsFromReply(Reply(record)), settings) << traits.key;
  }
  EXPECT_EQ(std::count(byteUsed.begin(), byteUsed.end(), false), 0);
  EXPECT_EQ(kSquelchLevelMax, 10);
  EXPECT_EQ(std::vector<int>({kMonitorKeyCount, kTotCount, kTotRekeyCount, kTotResetCount}),
            std::vector<int>({4, 11, 61, 16}));
}

// The write's 69 blocks in the order they go out; both banks from the same rows, the Hz
// texts without the spaces a box allows.
TEST(PlanBlocks, BothBanksTheTablesAndTheSettingsInWriteOrder) {
  ChannelPlan plan{.advancedMode = true, .settings = InitialSettings()};
  plan.channels[0] = {.rxHzText = " 446006250 ", .txHzText = "446006250"};
  plan.channels[14] = {.rxHzText = "", .txHzText = "", .txToneIndex = 38, .lockout = true};
  const MemoryBlocks blocks = PlanBlocks(plan);
  ASSERT_EQ(blocks.size(), 69u);
  for (int bank = 0; bank < 2; ++bank) {
    const std::size_t first = bank * 32;
    EXPECT_EQ(blocks[first], (MemoryBlock{ChannelRecordAddress(bank, 0), kChannelZeroSlotHalf}));
    EXPECT_EQ(blocks[first + 1].address, ChannelRecordAddress(bank, 0) + 8);
    EXPECT_EQ(blocks[first + 2].data, FrequencyHalf(Pmr1Row(), false));
    EXPECT_EQ(blocks[first + 31].address, ChannelRecordAddress(bank, 15) + 8);
    EXPECT_EQ(blocks[first + 31].data, ToneHalf(plan.channels[14]));
  }
  EXPECT_EQ(blocks[64].address, 0x0290);
  EXPECT_EQ(blocks[67].address, 0x02B8);
  EXPECT_EQ(blocks[67].data, (ByteString{0, 0, 0, 0, 0, 0, 38, 0xFF}));
  EXPECT_EQ(blocks[68], (MemoryBlock{kSettingsAddress, SettingsRecord(InitialSettings())}));

  plan.settings.reset();
  EXPECT_EQ(PlanBlocks(plan).size(), 68u);
  EXPECT_EQ(PlanBlocks(plan).back().address, 0x02B8);
}

TEST(PlanBlocks, EachBlockKnowsItsPlace) {
  for (const MemoryBlock& block : PlanBlocks(ChannelPlan{.settings = InitialSettings()})) {
    const BlockPlace place = PlaceOf(block.address);
    if (block.address < 0x200) {
      EXPECT_EQ(place.kind, BlockPlace::ChannelRecord);
      EXPECT_EQ(ChannelRecordAddress(place.bank, place.channel) + (place.secondHalf ? 8 : 0),
                block.address);
    } else if (block.address == kSettingsAddress) {
      EXPECT_EQ(place.kind, BlockPlace::Settings);
    } else {
      EXPECT_EQ(place.kind, BlockPlace::ToneIndexTable);
      EXPECT_EQ(place.secondHalf, block.address % 16 == 8);
    }
  }
  EXPECT_EQ(PlaceOf(0x0300).kind, BlockPlace::Other);
}
