// The connection test against the simulated radio on a line in memory, in simulated time:
// what it finds of the radio, and that it never writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "radio/probe.h"
#include "radio/probe_lines.h"
#include "radio/protocol.h"
#include "tests/support/recording_observer.h"
#include "tools/radiosim/simulated_line.h"

namespace {

constexpr std::pair<std::uint16_t, std::uint16_t> kBank1 = {0x0100, 0x01FF};
constexpr std::pair<std::uint16_t, std::uint16_t> kToneTables = {0x0200, 0x02BF};

struct Probed {
  ProbeOutcome outcome;
  std::vector<std::string> lines;
  std::vector<ByteString> commands;
};

Probed Probe(const std::function<void(RadioSimulator&)>& setUp) {
  RadioSimulator radio;
  setUp(radio);
  SimulatedLine line(radio);
  TBlockSerial link(line, line.Clock());
  RecordingObserver observer;
  Probed probed{ProbeRadio(link, line.PortName(), observer), {}, radio.CommandLog()};
  for (const LogLine& text : ProbeLines(probed.outcome)) {
    probed.lines.push_back(text.Text());
  }
  return probed;
}

bool NothingWritten(const Probed& probed) {
  return std::none_of(probed.commands.begin(), probed.commands.end(),
                      [](const ByteString& c) { return !c.empty() && c[0] == kWriteCommandCode; });
}

AreaAccess AccessOf(const Probed& probed, MemoryArea area) {
  const auto found = std::find_if(probed.outcome.areas.begin(), probed.outcome.areas.end(),
                                  [area](const AreaProbe& probe) { return probe.area == area; });
  EXPECT_NE(found, probed.outcome.areas.end());
  return found == probed.outcome.areas.end() ? AreaAccess::NotReadable : found->access;
}

TEST(Probe, AWholeRadioIsReadyAndEveryAreaIsReadOnceWithoutAWrite) {
  const Probed probed = Probe([](RadioSimulator& radio) { radio.SetVariant(RadioVariant::E2); });
  EXPECT_EQ(probed.outcome.verdict, ProbeVerdict::ReadyToWrite);
  EXPECT_EQ(probed.outcome.handshake.ModelVariant, "E2");
  ASSERT_EQ(probed.outcome.areas.size(), kMemoryAreas.size());
  for (const AreaProbe& probe : probed.outcome.areas) {
    EXPECT_EQ(probe.access, AreaAccess::Readable) << AreaName(probe.area);
  }
  // The handshake's two commands, then a read and its acknowledgement for every read.
  EXPECT_EQ(probed.commands.size(), 2 + 2 * WrittenRegionReads().size());
  EXPECT_TRUE(NothingWritten(probed));
  EXPECT_EQ(probed.lines.front(), "Radio: HT-446E2 (identity 50 33 31 35 35 F0 45 32).");
  EXPECT_EQ(probed.lines.back(),
            "Ready to write: the radio answers in time and lets its channels and settings be "
            "read.");
}

TEST(Probe, AreasARadioDoesNotLetBeReadAreNamedByHowItAnswers) {
  const Probed probed = Probe([](RadioSimulator& radio) {
    radio.SetReadsRefused(kBank1);
    radio.SetReadsUnanswered(kToneTables);
  });
  EXPECT_EQ(AccessOf(probed, MemoryArea::Bank0), AreaAccess::Readable);
  EXPECT_EQ(AccessOf(probed, MemoryArea::Bank1), AreaAccess::Refused);
  EXPECT_EQ(AccessOf(probed, MemoryArea::FirstToneTable), AreaAccess::Unanswered);
  EXPECT_EQ(AccessOf(probed, MemoryArea::SecondToneTable), AreaAccess::Unanswered);
  EXPECT_EQ(AccessOf(probed, MemoryArea::Settings), AreaAccess::Readable);
  // A write makes those areas from bank 0 and the settings.
  EXPECT_EQ(probed.outcome.verdict, ProbeVerdict::ReadyToWrite);
  EXPECT_TRUE(NothingWritten(probed));
  const auto said = [&probed](const std::string& line) {
    return std::find(probed.lines.begin(), probed.lines.end(), line) != probed.lines.end();
  };
  EXPECT_TRUE(said("The radio refuses reads of bank 1 (15)."));
  EXPECT_TRUE(said("The radio does not answer reads of the first tone index table."));
  // Each read asked once, even those that got nothing.
  for (const MemoryRead& read : WrittenRegionReads()) {
    EXPECT_EQ(std::count(probed.commands.begin(), probed.commands.end(),
                         ReadCommand(read.address, read.count)),
              1)
        << read.address;
  }
}

TEST(Probe, WhatAWriteCannotDoWithoutStandsInItsWay) {
  const Probed settings = Probe([](RadioSimulator& radio) {
    radio.SetReadsRefused(std::pair(kSettingsAddress, kSettingsAddress));
  });
  EXPECT_EQ(settings.outcome.verdict, ProbeVerdict::AreasNotReadable);
  EXPECT_EQ(settings.lines.back(), "Not ready to write: the settings cannot be read whole.");

  // Scattered failures are a fault, not a trait of the radio.
  const Probed scattered = Probe([](RadioSimulator& radio) {
    radio.SetReadsRefused(std::pair<std::uint16_t, std::uint16_t>(0x0100, 0x010F));
  });
  EXPECT_EQ(AccessOf(scattered, MemoryArea::Bank1), AreaAccess::PartlyReadable);
  EXPECT_EQ(scattered.outcome.verdict, ProbeVerdict::AreasNotReadable);
  EXPECT_EQ(scattered.lines.back(), "Not ready to write: bank 1 cannot be read whole.");
}

TEST(Probe, AnIdentityOfTheFamilyIsToldApartFromOtherAnswersAndFromNoRadio) {
  const Probed family = Probe([](RadioSimulator& radio) {
    radio.SetProgramReply(ByteString{'P', '3', '1', '5', '5', 0xF0, 'X', ' '});
  });
  EXPECT_EQ(family.outcome.verdict, ProbeVerdict::UnknownIdentity);
  EXPECT_TRUE(family.outcome.areas.empty());
  EXPECT_EQ(family.lines.front(),
            "The radio's answer to the programming command: 50 33 31 35 35 F0 58 20");
  EXPECT_NE(family.lines.back().find("diagnostic report"), std::string::npos);
  EXPECT_EQ(family.commands.size(), 1u);

  const Probed other = Probe([](RadioSimulator& radio) {
    radio.SetProgramReply(ByteString{'P', '3', '1', '5', '5', 0xF0, 'E'});
  });
  EXPECT_EQ(other.outcome.verdict, ProbeVerdict::UnknownReply);
  EXPECT_EQ(other.lines.back(), "Unknown response from radio: (7 bytes)  50 33 31 35 35 F0 45");

  const Probed silent = Probe([](RadioSimulator& radio) { radio.SetSilent(true); });
  EXPECT_EQ(silent.outcome.verdict, ProbeVerdict::NoRadio);
  EXPECT_EQ(silent.lines, std::vector<std::string>{
                              "No response from serial port. Check you are using the right port."});

  const Probed cable = Probe([](RadioSimulator& radio) {
    radio.SetProgramReply(ByteString{0x00, 0x00});
  });
  EXPECT_EQ(cable.outcome.verdict, ProbeVerdict::NoRadio);
}

TEST(Probe, ALostLineEndsTheTestAndSaysSo) {
  const Probed probed = Probe([](RadioSimulator& radio) { radio.PullCableAfter(10); });
  EXPECT_EQ(probed.outcome.verdict, ProbeVerdict::Interrupted);
  EXPECT_EQ(probed.outcome.end, TransferEnd::LineLost);
  EXPECT_EQ(probed.lines.back(),
            "Lost the connection to the radio. Check the cable and the radio, then try again.");
}

}  // namespace
