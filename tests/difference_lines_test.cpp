// A difference between the radio and a plan or backup is said in the radio's terms: the
// channel and field, or the setting, with both values as the window shows them.
#include "radio/difference_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "radio/codecs.h"
#include "radio/hex_text.h"
#include "radio/memory_map.h"
#include "radio/tables.h"

namespace {

int ToneIndex(const char* name) {
  for (int i = 0; i < kDqtCount; ++i) {
    if (std::strcmp(DqtNames[i], name) == 0) {
      return kFirstDqtIndex + i;
    }
  }
  for (int i = 0; i < kQtToneCount; ++i) {
    if (FormatGeneral(ToneFrequencies[i], ".") == name) {
      return i + 1;
    }
  }
  return -1;
}

ChannelPlan Plan() {
  ChannelPlan plan;
  plan.settings = kDefaultSettings;
  for (int n = 0; n < kChannelCount; ++n) {
    plan.channels[n].rxChannelIndex = n % 8 + 1;
    plan.channels[n].txChannelIndex = n % 8 + 1;
  }
  return plan;
}

// Every line that the blocks of the radio's plan and of the compared one give.
std::vector<std::string> Lines(const ChannelPlan& radio, const ChannelPlan& compared,
                               ComparedWith with = ComparedWith::Plan) {
  const MemoryBlocks held = PlanBlocks(radio);
  const MemoryBlocks expected = PlanBlocks(compared);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < held.size(); ++i) {
    if (held[i] != expected[i]) {
      for (const LogLine& line :
           DifferenceLines({held[i].address, expected[i].data, held[i].data}, with)) {
        lines.push_back(line.Text());
      }
    }
  }
  return lines;
}

using Texts = std::vector<std::string>;

std::string Hex(const ByteString& bytes) {
  return HexBytes(bytes, " ");
}

Texts LinesOf(const std::vector<LogLine>& lines) {
  Texts texts;
  for (const LogLine& line : lines) {
    texts.push_back(line.Text());
  }
  return texts;
}

TEST(DifferenceLines, EachChannelFieldIsNamedWithBothValuesAndBank1AsTheCopy) {
  const ChannelPlan plan = Plan();
  ChannelPlan radio = plan;
  radio.channels[2].rxToneIndex = ToneIndex("71.9");
  ChannelPlan compared = plan;
  compared.channels[2].rxToneIndex = ToneIndex("D243N");
  EXPECT_EQ(
      Lines(radio, compared),
      (Texts{"[!] Channel 3: RX tone: the radio holds 71.9 Hz, the plan D243N.",
             "[!] Channel 3 (bank 1 copy): RX tone: the radio holds 71.9 Hz, the plan D243N.",
             // The tone tables carry channel 3's RX tone too.
             "[!] In the first tone index table, the radio holds " +
                 Hex(ToneIndexTableBlocks({0, 0, ToneIndex("71.9")}, {})[0].data) + ", the plan " +
                 Hex(ToneIndexTableBlocks({0, 0, ToneIndex("D243N")}, {})[0].data) + ".",
             "[!] In the second tone index table, the radio holds " +
                 Hex(ToneIndexTableBlocks({0, 0, ToneIndex("71.9")}, {})[0].data) + ", the plan " +
                 Hex(ToneIndexTableBlocks({0, 0, ToneIndex("D243N")}, {})[0].data) + "."}));

  radio = plan;
  radio.channels[0].txChannelIndex = 0;
  radio.channels[0].rxChannelIndex = 3;
  radio.channels[0].shift = true;
  radio.channels[0].lockout = true;
  radio.channels[0].txToneIndex = 0;
  compared = plan;
  compared.channels[0].txToneIndex = 5;
  const Texts lines = Lines(radio, compared);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(Texts(lines.begin(), lines.begin() + 5),
            (Texts{"[!] Channel 1: RX frequency: the radio holds 446.03125 MHz, the plan "
                   "446.00625 MHz.",
                   "[!] Channel 1: TX frequency: the radio holds Not in use, the plan 446.00625 "
                   "MHz.",
                   "[!] Channel 1: TX tone: the radio holds None, the plan " +
                       FormatGeneral(ToneFrequencies[4], ".") + " Hz.",
                   "[!] Channel 1: Shift: the radio holds On, the plan Off.",
                   "[!] Channel 1: Lockout: the radio holds On, the plan Off."}));
}

TEST(DifferenceLines, SettingsAreNamedByTheirCaptionAndValue) {
  const ChannelPlan plan = Plan();
  const auto onOff = [](bool on) { return std::string(on ? "On" : "Off"); };
  ChannelPlan radio = plan;
  radio.settings->squelchLevel = 3;
  radio.settings->monitorKey = 2;
  radio.settings->tot = 1;
  radio.settings->totRekey = 2;
  radio.settings->totReset = 1;
  radio.settings->beepTones = !plan.settings->beepTones;
  radio.settings->batterySaving = !plan.settings->batterySaving;
  radio.settings->selfProgramming = !plan.settings->selfProgramming;
  ChannelPlan compared = plan;
  compared.settings->squelchLevel = 10;
  compared.settings->monitorKey = 0;
  compared.settings->tot = 0;
  compared.settings->totRekey = 0;
  compared.settings->totReset = 5;
  EXPECT_EQ(
      Lines(radio, compared),
      (Texts{"[!] Monitor key: the radio holds Monitor lock, the plan Off.",
             "[!] Squelch level: the radio holds 3, the plan 10.",
             "[!] Beep tones: the radio holds " + onOff(radio.settings->beepTones) + ", the plan " +
                 onOff(plan.settings->beepTones) + ".",
             "[!] Battery saving: the radio holds " + onOff(radio.settings->batterySaving) +
                 ", the plan " + onOff(plan.settings->batterySaving) + ".",
             "[!] Self-programming: the radio holds " + onOff(radio.settings->selfProgramming) +
                 ", the plan " + onOff(plan.settings->selfProgramming) + ".",
             "[!] Time out timer (TOT): the radio holds 30 seconds, the plan Disabled.",
             "[!] TOT rekey time: the radio holds 2 seconds, the plan Disabled.",
             "[!] TOT reset time: the radio holds 1 second, the plan 5 seconds."}));
  // A restore compares with the backup.
  EXPECT_EQ(Lines(radio, compared, ComparedWith::Backup)[1],
            "[!] Squelch level: the radio holds 3, the backup 10.");
  // A value beyond its list is shown as the byte the radio holds.
  ByteString record = SettingsRecord(*plan.settings);
  ByteString odd = record;
  odd[TraitsOf(Setting::Tot).offset] = 0x7F;
  EXPECT_EQ(LinesOf(DifferenceLines({kSettingsAddress, record, odd}, ComparedWith::Plan)),
            (Texts{"[!] Time out timer (TOT): the radio holds 7F, the plan Disabled."}));
}

TEST(DifferenceLines, UnknownValuesAndBytesWithoutAFieldAreShownInHex) {
  const ByteString tones = PlanBlocks(Plan())[3].data;  // channel 1's tone half in bank 0
  ByteString odd = tones;
  odd[0] = 0x12;
  odd[1] = 0x34;
  odd[7] = 0x00;
  EXPECT_EQ(LinesOf(DifferenceLines({0x0018, tones, odd}, ComparedWith::Plan)),
            (Texts{"[!] Channel 1: RX tone: the radio holds 12 34, the plan None.",
                   "[!] Channel 1: flags and closing bytes: the radio holds " +
                       Hex(ByteString(odd.begin() + 4, odd.end())) + ", the plan " +
                       Hex(ByteString(tones.begin() + 4, tones.end())) + "."}));
  ByteString frequencies = PlanBlocks(Plan())[2].data;
  ByteString notBcd = frequencies;
  notBcd[0] = 0xAB;
  EXPECT_EQ(LinesOf(DifferenceLines({0x0010, frequencies, notBcd}, ComparedWith::Plan)).at(0),
            "[!] Channel 1: RX frequency: the radio holds " +
                Hex(ByteString(notBcd.begin(), notBcd.begin() + 4)) + ", the plan 446.00625 MHz.");
  EXPECT_EQ(LinesOf(DifferenceLines({0x0100, kChannelZeroSlotHalf, ByteString(8, 0)},
                                    ComparedWith::Plan)),
            (Texts{"[!] In the channel 0 slot of bank 1, the radio holds " + Hex(ByteString(8, 0)) +
                   ", the plan " + Hex(kChannelZeroSlotHalf) + "."}));
}

}  // namespace
