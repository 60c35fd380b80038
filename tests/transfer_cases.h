// Read and write from start to end against the simulated radio on a line in memory, in
// simulated time, for every front end that shows a plan: each test program instantiates the
// suite with its harness, which is built on the line and offers ChoosePort, Read, Write, Log,
// PortOpen, TransferButtonsEnabled, ChannelMarked, Focused and Shown (the plan as shown).
// How the transfers themselves meet a faulty radio is the library's to test.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "tests/support/shown_plan.h"
#include "tests/support/transfer_log.h"
#include "tools/radiosim/radio_simulator.h"
#include "tools/radiosim/simulated_line.h"

namespace transfer_cases {

ByteString Bytes(std::initializer_list<int> values) {
  ByteString bytes;
  for (const int value : values) {
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

ByteString Repeated(int value, std::size_t count) {
  return ByteString(count, static_cast<std::uint8_t>(value));
}

// What a row of the grid shows: list indexes, or Hz texts in advanced mode.
struct Row {
  int rx = 0;
  int tx = 0;
  int rxTone = 0;
  int txTone = 0;
  bool shift = false;
  bool lockout = false;
  std::string rxHz;
  std::string txHz;
};

void ExpectRow(const ShownPlan& window, int n, const Row& row) {
  const ChannelRow shown = window.Channel(n);
  if (window.AdvancedMode()) {
    EXPECT_EQ(shown.rxHzText, row.rxHz) << "channel " << n;
    EXPECT_EQ(shown.txHzText, row.txHz) << "channel " << n;
  } else {
    EXPECT_EQ(shown.rxChannelIndex, row.rx) << "channel " << n;
    EXPECT_EQ(shown.txChannelIndex, row.tx) << "channel " << n;
  }
  EXPECT_EQ(shown.rxToneIndex, row.rxTone) << "channel " << n;
  EXPECT_EQ(shown.txToneIndex, row.txTone) << "channel " << n;
  EXPECT_EQ(shown.shift, row.shift) << "channel " << n;
  EXPECT_EQ(shown.lockout, row.lockout) << "channel " << n;
}

void SetRow(ShownPlan& window, int n, const Row& row) {
  window.ShowChannel(
      n, {row.rx, row.tx, row.rxHz, row.txHz, row.rxTone, row.txTone, row.shift, row.lockout});
}

// Records as a radio may hold them: tones from both tables, D243N, every flag pattern,
// an amateur frequency, a tone code in neither table and foreign constant bytes.
const ByteString kRecord1 = Bytes({0x25, 0x06, 0x60, 0x44, 0x75, 0x18, 0x60, 0x44, 0x70, 0x06, 0x32,
                                   0x81, 0xFD, 0x01, 0x01, 0xFF});
const ByteString kRecord2 = Bytes({0x75, 0x93, 0x60, 0x44, 0x75, 0x93, 0x60, 0x44, 0x43, 0x42, 0x22,
                                   0x16, 0x00, 0x12, 0x34, 0x56});
const ByteString kRecord3 = Bytes({0x00, 0x50, 0x40, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x43, 0x82, 0x00,
                                   0x00, 0xFF, 0x00, 0x00, 0x00});
const Row kRow1 = {1, 2, 1, 27, true, false, "446006250", "446018750"};
const Row kRow2 = {8, 8, 30, 26, true, true, "446093750", "446093750"};
const Row kRow3 = {0, 0, 0, 0, false, false, "434050000", ""};
// Rows 4 to 8 of the simulator's demo radio.
Row DemoRow(int n) {
  const std::string hz = std::to_string(446006250 + 12500 * (n - 1));
  return n <= 8 ? Row{n, n, 0, 0, false, false, hz, hz} : Row{};
}

// The odd radio's list settings all lie beyond their lists, and each is said after
// "Reading settings...".
std::vector<std::string> WithOddSettingsWarnings(std::vector<std::string> lines) {
  const auto settings = std::find(lines.begin(), lines.end(), "Reading settings...");
  const auto line = [](const char* value, const char* name) {
    return std::string("[!] The radio holds ") + value + " for \"" + name +
           "\", which is not in its list. A write stores FF there unless you choose a value "
           "first.";
  };
  lines.insert(settings + 1, {line("4", "Monitor key"), line("11", "Time out timer (TOT)"),
                              line("61", "TOT rekey time"), line("16", "TOT reset time")});
  return lines;
}

// What a normal-mode read of the odd radio logs and shows.
void ExpectOddRadioRead(const std::vector<std::string>& log, const ShownPlan& window) {
  EXPECT_EQ(log, WithOddSettingsWarnings({kSupportedForRead, "Reading channels...",
                                          kHiddenOnChannel3, "Reading settings...", "Done!"}));
  ExpectRow(window, 1, kRow1);
  ExpectRow(window, 2, kRow2);
  ExpectRow(window, 3, kRow3);
  for (int n = 4; n <= kChannelCount; ++n) {
    ExpectRow(window, n, DemoRow(n));
  }
}

// Flags 0x0B: all three on; squelch 200; every list byte beyond its list.
const ByteString kOddSettings = Bytes({0x0B, 200, 4, 11, 61, 16, 0x12, 0x34});

template <class Harness>
class Transfers : public testing::Test {
 protected:
  void SetUp() override { harness.ChoosePort(line.PortName()); }

  void LoadOddRadio() {
    radio.WriteMemory(ChannelRecordAddress(0, 1), kRecord1);
    radio.WriteMemory(ChannelRecordAddress(0, 2), kRecord2);
    radio.WriteMemory(ChannelRecordAddress(0, 3), kRecord3);
    radio.WriteMemory(kSettingsAddress, kOddSettings);
  }

  void ExpectEndedCleanly() {
    EXPECT_FALSE(harness.PortOpen());
    EXPECT_TRUE(harness.TransferButtonsEnabled());
  }

  // Commands of one kind from the radio's log.
  std::vector<ByteString> Commands(std::uint8_t code) const {
    std::vector<ByteString> found;
    for (const ByteString& command : radio.CommandLog()) {
      if (command.front() == code) {
        found.push_back(command);
      }
    }
    return found;
  }

  ShownPlan& window() { return harness.Shown(); }

  RadioSimulator radio;
  SimulatedLine line{radio};
  Harness harness{line};
};

TYPED_TEST_SUITE_P(Transfers);

TYPED_TEST_P(Transfers, ReadFillsEveryControlInNormalMode) {
  this->LoadOddRadio();
  this->harness.Read();
  // Channel 3 holds an amateur frequency: shown as not in use, and said so.
  ExpectOddRadioRead(this->harness.Log(), this->window());
  // Every list byte lies beyond its list, so no list keeps a selection.
  EXPECT_EQ(this->window().Settings(), (RadioSettings{true, true, true, 10, -1, -1, -1, -1}));
  const auto log = this->radio.CommandLog();
  ASSERT_EQ(log.size(), 34u);
  EXPECT_EQ(log[0], kProgrammingModeCommand);
  for (int n = 1; n <= kChannelCount; ++n) {
    EXPECT_EQ(log[2 * n], Bytes({0x52, 0x00, 16 * n, 0x10}));
    EXPECT_EQ(log[2 * n + 1], kAcknowledgement);
  }
  EXPECT_EQ(log[32], Bytes({0x52, 0x03, 0xC0, 0x08}));
  EXPECT_EQ(log[33], kAcknowledgement);
  this->ExpectEndedCleanly();
}

TYPED_TEST_P(Transfers, ReadShowsHzTextsInAdvancedMode) {
  this->LoadOddRadio();
  this->window().EnterAdvancedMode();
  this->harness.Read();
  EXPECT_EQ(this->harness.Log(), WithOddSettingsWarnings({kSupportedForRead, "Reading channels...",
                                                          "Reading settings...", "Done!"}));
  ExpectRow(this->window(), 1, kRow1);
  ExpectRow(this->window(), 2, kRow2);
  ExpectRow(this->window(), 3, kRow3);
  ExpectRow(this->window(), 15, DemoRow(15));
}

// The handshake, a backup of every block in 16-byte reads, the 69 writes, and the same
// reads again to check them.
TYPED_TEST_P(Transfers, WriteSendsTheWholePlanInItsOrder) {
  this->harness.Write();
  EXPECT_EQ(WithBackupNamed(this->harness.Log()),
            SafeWriteLog({"Writing DT/QDT settings...", "Writing settings..."}));
  const auto log = this->radio.CommandLog();
  ASSERT_EQ(log.size(), 2u + 70 + 69 + 70);
  EXPECT_EQ(log[0], kProgrammingModeCommand);
  EXPECT_EQ(log[1], kAcknowledgement);
  std::vector<ByteString> reads;
  for (int bank = 0; bank < 2; ++bank) {
    for (int n = 0; n <= kChannelCount; ++n) {
      reads.push_back(Bytes({0x52, bank, 16 * n, 0x10}));
    }
  }
  reads.insert(reads.end(), {Bytes({0x52, 0x02, 0x90, 0x10}), Bytes({0x52, 0x02, 0xB0, 0x10}),
                             Bytes({0x52, 0x03, 0xC0, 0x08})});
  for (const std::size_t first : {2u, 2u + 70 + 69}) {
    for (std::size_t i = 0; i < reads.size(); ++i) {
      EXPECT_EQ(log[first + 2 * i], reads[i]) << first << ", read " << i;
      EXPECT_EQ(log[first + 2 * i + 1], kAcknowledgement) << first << ", read " << i;
    }
  }
  std::vector<int> addresses;
  for (int bank = 0; bank < 2; ++bank) {
    for (int n = 0; n <= kChannelCount; ++n) {
      addresses.push_back(bank * 0x100 + 16 * n);
      addresses.push_back(bank * 0x100 + 16 * n + 8);
    }
  }
  addresses.insert(addresses.end(), {0x290, 0x298, 0x2B0, 0x2B8, 0x3C0});
  const ByteString unused = Repeated(0xFF, 8);
  const ByteString noTones = Bytes({0x00, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x01, 0xFF});
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    const ByteString& command = log[i + 2 + 70];
    ASSERT_EQ(command.size(), 12u);
    EXPECT_EQ(command[0], 0x57);
    EXPECT_EQ(command[1] * 256 + command[2], addresses[i]) << "write " << i + 1;
    EXPECT_EQ(command[3], 8);
    const ByteString data(command.begin() + 4, command.end());
    const int address = addresses[i];
    if (address >= 0x290 && address < 0x3C0) {
      EXPECT_EQ(data, address % 16 == 0 ? Repeated(0, 8) : Bytes({0, 0, 0, 0, 0, 0, 0, 0xFF}));
    } else if (address == 0x3C0) {
      EXPECT_EQ(data, Bytes({0xFF, 0x05, 0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
    } else if (address % 0x100 < 16 || address % 16 == 0) {
      EXPECT_EQ(data, unused) << "write " << i + 1;
    } else {
      EXPECT_EQ(data, noTones) << "write " << i + 1;
    }
  }
  // Both banks hold the same records.
  EXPECT_EQ(this->radio.ReadMemory(0x000, 0x100), this->radio.ReadMemory(0x100, 0x100));
  this->ExpectEndedCleanly();
}

TYPED_TEST_P(Transfers, WriteEncodesRowsAndSettings) {
  SetRow(this->window(), 1, {1, 1, 1, 1, true, false, {}, {}});
  SetRow(this->window(), 2, {0, 8, 27, 26, false, true, {}, {}});
  SetRow(this->window(), 15, {3, 4, 30, 38, true, true, {}, {}});
  RadioSettings settings = this->window().Settings();
  settings.beepTones = settings.batterySaving = settings.selfProgramming = false;
  this->window().ShowSettings(settings);
  this->harness.Write();
  for (int bank = 0; bank < 2; ++bank) {
    const int base = bank * 0x100;
    EXPECT_EQ(this->radio.ReadMemory(base + 0x10, 16),
              Bytes({0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x70, 0x06, 0x70, 0x06, 0xFD,
                     0x01, 0x01, 0xFF}));
    EXPECT_EQ(this->radio.ReadMemory(base + 0x20, 16),
              Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x75, 0x93, 0x60, 0x44, 0x32, 0x81, 0x22, 0x16, 0xFE,
                     0x01, 0x01, 0xFF}));
    EXPECT_EQ(this->radio.ReadMemory(base + 0xF0, 16),
              Bytes({0x25, 0x31, 0x60, 0x44, 0x75, 0x43, 0x60, 0x44, 0x43, 0x42, 0x23, 0x87, 0xFC,
                     0x01, 0x01, 0xFF}));
  }
  // Channels 1 to 8 by their RX tone, 9 to 15 by their TX tone.
  const ByteString table = Bytes({1, 27, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 38, 0xFF});
  EXPECT_EQ(this->radio.ReadMemory(0x290, 16), table);
  EXPECT_EQ(this->radio.ReadMemory(0x2B0, 16), table);
  EXPECT_EQ(this->radio.ReadMemory(kSettingsAddress, 8),
            Bytes({0xF4, 0x05, 0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
}

TYPED_TEST_P(Transfers, AdvancedModeWritesTheHzTexts) {
  this->window().EnterAdvancedMode();
  SetRow(this->window(), 1, {.rxHz = "434050000", .txHz = ""});
  this->harness.Write();
  EXPECT_EQ(this->radio.ReadMemory(0x10, 8),
            Bytes({0x00, 0x50, 0x40, 0x43, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(this->radio.ReadMemory(0x110, 8), this->radio.ReadMemory(0x10, 8));
}

// A Hz box the codec would turn into some other frequency stops the write before the
// handshake; spaces around the digits are no fault and do not reach the code.
TYPED_TEST_P(Transfers, AdvancedModeWritesNothingWhileAHzBoxIsNoFrequency) {
  this->window().EnterAdvancedMode();
  const std::pair<int, std::string> bad[] = {{12, "abc"}, {3, "446.00625"}, {4, "446,00625"},
                                             {5, "-5"},   {6, "446006249"}, {7, "0"}};
  for (const auto& [n, text] : bad) {
    SetRow(this->window(), n, {.rxHz = text, .txHz = "446006250"});
  }
  SetRow(this->window(), 2, {.rxHz = "446006250", .txHz = "4460062500"});
  SetRow(this->window(), 1, {.rxHz = " 434050000 ", .txHz = "  "});
  const ByteString before = this->radio.Memory();
  this->harness.Write();
  const auto line = [](int n, const char* direction, const std::string& text) {
    return "[!] Ch " + std::to_string(n) + " " + direction + " \"" + text +
           "\" is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.";
  };
  EXPECT_EQ(this->harness.Log(),
            (std::vector<std::string>{line(2, "TX", "4460062500"), line(3, "RX", "446.00625"),
                                      line(4, "RX", "446,00625"), line(5, "RX", "-5"),
                                      line(6, "RX", "446006249"), line(7, "RX", "0"),
                                      line(12, "RX", "abc")}));
  EXPECT_TRUE(this->radio.CommandLog().empty());
  EXPECT_EQ(this->radio.Memory(), before);
  EXPECT_EQ(this->harness.Focused(), "edit_A2_freq_tx");
  EXPECT_FALSE(this->harness.PortOpen());

  for (int n = 2; n <= kChannelCount; ++n) {
    SetRow(this->window(), n, Row{});
  }
  SetRow(this->window(), 12, {.rxHz = "440000010", .txHz = "4340500"});
  this->harness.Write();
  EXPECT_EQ(this->harness.Log().back(), "Done!");
  EXPECT_EQ(this->radio.ReadMemory(0x10, 8),
            Bytes({0x00, 0x50, 0x40, 0x43, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(this->radio.ReadMemory(0xC0, 8),
            Bytes({0x01, 0x00, 0x00, 0x44, 0x50, 0x40, 0x43, 0x00}));
}

TYPED_TEST_P(Transfers, ReadThenWriteLeavesTheCanonicalImage) {
  this->LoadOddRadio();
  this->harness.Read();
  this->harness.Write();
  ASSERT_EQ(this->harness.Log().back(), "Done!");
  ByteString expected = this->radio.Memory();
  const auto put = [&expected](int address, const ByteString& bytes) {
    std::copy(bytes.begin(), bytes.end(), expected.begin() + address);
  };
  for (int bank = 0; bank < 2; ++bank) {
    put(bank * 0x100, Repeated(0xFF, 16));
    put(bank * 0x100 + 0x10, kRecord1);
    // Flags with every setting bit written as 1, the radio's constant bytes restored.
    put(bank * 0x100 + 0x20, Bytes({0x75, 0x93, 0x60, 0x44, 0x75, 0x93, 0x60, 0x44, 0x43, 0x42,
                                    0x22, 0x16, 0xFC, 0x01, 0x01, 0xFF}));
    // A frequency outside the channel list and an unknown tone are not kept in normal mode.
    put(bank * 0x100 + 0x30, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                                    0x00, 0x00, 0xFF, 0x01, 0x01, 0xFF}));
    put(bank * 0x100 + 0x40, this->radio.ReadMemory(0x40, 0xC0));
  }
  put(0x290, Bytes({1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF}));
  put(0x2B0, Bytes({1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF}));
  put(kSettingsAddress, Bytes({0xFF, 10, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(this->radio.Memory(), expected);
}

TYPED_TEST_P(Transfers, AFailedHandshakeSaysWhyAndSendsNothingMore) {
  struct Case {
    const char* name;
    std::function<void(RadioSimulator&)> fault;
    std::string readLine;
    // The write's own line, and on a port that opened the reason the read gives.
    std::vector<std::string> writeLines;
  };
  const Case cases[] = {
      {"not connected",
       [](RadioSimulator& r) {
         r.SetProgramReply(Bytes({0, 0}));
       },
       kNotConnected,
       {"Unknown response from radio: (2 bytes)  00 00", kNotConnected}},
      {"silent",
       [](RadioSimulator& r) { r.SetSilent(true); },
       kNoResponse,
       {"Unknown response from radio: (0 bytes) ", kNoResponse}},
      {"bare acks",
       [](RadioSimulator& r) { r.SetAckToEveryProgram(true); },
       "Unknown response from radio: (1 bytes)  06",
       {"Unknown response from radio: (1 bytes)  06"}},
  };
  for (const Case& c : cases) {
    this->radio.ClearFaults();
    c.fault(this->radio);
    this->radio.ClearCommandLog();
    this->harness.Read();
    EXPECT_EQ(this->harness.Log(), std::vector<std::string>{c.readLine}) << c.name;
    this->harness.Write();
    EXPECT_EQ(this->harness.Log(), c.writeLines) << c.name;
    EXPECT_TRUE(this->Commands(0x52).empty()) << c.name;
    EXPECT_TRUE(this->Commands(0x57).empty()) << c.name;
    this->ExpectEndedCleanly();
  }
  ExpectRow(this->window(), 1, Row{});
}

// A row or the settings that could not be read keep their values, stay marked until read
// again, and the read ends saying what it missed instead of "Done!".
TYPED_TEST_P(Transfers, ShortRepliesLeaveTheirRowOrTheSettingsUnchangedAndMarked) {
  this->LoadOddRadio();
  // One byte, the header alone, and one byte short of the flags.
  const std::tuple<std::size_t, int, Row> shortReplies[] = {
      {1, 1, Row{}}, {4, 2, kRow2}, {16, 3, kRow3}};
  for (const auto& [length, n, before] : shortReplies) {
    this->radio.SetReadReplyLength(length, ChannelRecordAddress(0, n));
    this->harness.Read();
    EXPECT_EQ(this->harness.Log().back(), "Finished with errors: channel " + std::to_string(n) +
                                              " could not be read; it keeps its earlier values.");
    ExpectRow(this->window(), n, before);
    for (int m = 1; m <= kChannelCount; ++m) {
      EXPECT_EQ(this->harness.ChannelMarked(m), m == n) << n << ", row " << m;
    }
  }
  this->radio.SetReadReplyLength(9, kSettingsAddress);
  this->harness.Read();
  EXPECT_EQ(this->harness.Log(),
            (std::vector<std::string>{
                kSupportedForRead, "Reading channels...", kHiddenOnChannel3, "Reading settings...",
                "[!] Couldn't read settings.",
                "Finished with errors: the settings could not be read; they keep their earlier "
                "values."}));
  EXPECT_FALSE(this->harness.ChannelMarked(3));
  this->radio.SetReadReplyLength(16, 0x0070);
  this->radio.WriteMemory(0x70, kRecord1);
  this->harness.Read();
  EXPECT_EQ(
      this->harness.Log(),
      WithOddSettingsWarnings(
          {kSupportedForRead, "Reading channels...", kHiddenOnChannel3,
           "[!] Couldn't read channel 7.", "Reading settings...",
           "Finished with errors: channel 7 could not be read; it keeps its earlier values."}));
  ExpectRow(this->window(), 7, DemoRow(7));
  // Every read command was acknowledged, the short ones too.
  EXPECT_EQ(this->radio.CommandLog().size(), 34u * 5);

  this->radio.SetReadReplyLength(3);
  this->harness.Read();
  EXPECT_EQ(this->harness.Log().back(),
            "Finished with errors: channels 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 and 15 "
            "and the settings could not be read; they keep their earlier values.");
  for (int n = 1; n <= kChannelCount; ++n) {
    EXPECT_TRUE(this->harness.ChannelMarked(n)) << n;
  }
}

TYPED_TEST_P(Transfers, APortThatDoesNotOpenIsExplained) {
  this->harness.ChoosePort("/dev/vexalon-no-such-port");
  const std::string reason = "Could not open /dev/vexalon-no-such-port: No such file or directory";
  this->harness.Read();
  EXPECT_EQ(this->harness.Log(), (std::vector<std::string>{kNoResponse, reason}));
  this->harness.Write();
  EXPECT_EQ(this->harness.Log(), (std::vector<std::string>{kNoReplyForWrite, reason}));
  this->ExpectEndedCleanly();

  this->harness.ChoosePort(this->line.PortName());
  TBlockSerial holder(this->line, this->line.Clock());
  holder.OpenPort(this->line.PortName());
  ASSERT_TRUE(holder.IsOpen());
  this->harness.Read();
  EXPECT_EQ(this->harness.Log(),
            (std::vector<std::string>{kNoResponse, "Could not open " + this->line.PortName() +
                                                       ": the port is in use by another program"}));
  holder.ClosePort();
  this->harness.Read();
  EXPECT_EQ(this->harness.Log().back(), "Done!");
}

REGISTER_TYPED_TEST_SUITE_P(Transfers, ReadFillsEveryControlInNormalMode,
                            ReadShowsHzTextsInAdvancedMode, WriteSendsTheWholePlanInItsOrder,
                            WriteEncodesRowsAndSettings, AdvancedModeWritesTheHzTexts,
                            AdvancedModeWritesNothingWhileAHzBoxIsNoFrequency,
                            ReadThenWriteLeavesTheCanonicalImage,
                            AFailedHandshakeSaysWhyAndSendsNothingMore,
                            ShortRepliesLeaveTheirRowOrTheSettingsUnchangedAndMarked,
                            APortThatDoesNotOpenIsExplained);

}  // namespace transfer_cases
