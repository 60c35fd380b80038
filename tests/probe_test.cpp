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
  PortDevice cable;
  cable.port = line.PortName();
  cable.kind = PortDevice::Kind::PseudoTerminal;
  for (const LogLine& text : ProbeLines(probed.outcome, cable)) {
    probed.lines.push_back(text.Text());
  }
  return probed;
}

bool Said(const Probed& probed, const std::string& line) {
  return std::find(probed.lines.begin(), probed.lines.end(), line) != probed.lines.end();
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
  EXPECT_TRUE(Said(probed, "Radio: HT-446E2 (identity 50 33 31 35 35 F0 45 32)."));
  EXPECT_EQ(probed.lines.back(),
            "Ready to write: the radio answers in time and lets its channels and settings be "
            "read.");
}

TEST(Probe, TellsTheReactionAndThePauseInsideARepliesTheRadioWasGiven) {
  const Probed probed = Probe([](RadioSimulator& radio) {
    radio.SetReactionDelayMs(7);
    radio.SetReplySplit(SimCommand::Read, 10, 12);
  });
  const ReplyTimes& times = probed.outcome.times;
  // The handshake and every read; an acknowledgement gets no reply.
  EXPECT_EQ(times.replies, 1 + static_cast<int>(WrittenRegionReads().size()));
  EXPECT_NEAR(times.leastReactionMs, 7, 0.5);
  EXPECT_NEAR(times.medianReactionMs, 7, 0.5);
  EXPECT_NEAR(times.mostReactionMs, 7, 0.5);
  EXPECT_NEAR(times.longestPauseMs, 12, 0.5);
  EXPECT_EQ(probed.outcome.verdict, ProbeVerdict::ReadyToWrite);
  EXPECT_TRUE(Said(probed,
                   "Reaction time of the radio: least 7.0 ms, median 7.0 ms, most 7.0 ms, "
                   "against the 25 ms quiet gap."));
  EXPECT_TRUE(Said(probed, "Longest pause inside a reply: 12.0 ms, against the 25 ms quiet gap."));

  // A reply that comes whole all the same, but with less than 5 ms to spare.
  const Probed pause =
      Probe([](RadioSimulator& radio) { radio.SetReplySplit(SimCommand::Read, 10, 21); });
  EXPECT_NEAR(pause.outcome.times.longestPauseMs, 21, 0.5);
  EXPECT_EQ(pause.outcome.verdict, ProbeVerdict::TightTiming);
  const Probed late = Probe(
      [](RadioSimulator& radio) { radio.SetExtraDelay(SimCommand::Read, 19, kSettingsAddress); });
  EXPECT_NEAR(late.outcome.times.mostReactionMs, 2 + 19, 0.5);
  EXPECT_NEAR(late.outcome.times.medianReactionMs, 2, 0.5);
  EXPECT_EQ(late.outcome.verdict, ProbeVerdict::TightTiming);
  EXPECT_EQ(late.lines.back(),
            "Not ready to write safely: the radio's replies leave less than 5 ms of the 25 ms "
            "quiet gap, which a busy computer may cut.");
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
  EXPECT_TRUE(Said(probed, "The radio refuses reads of bank 1 (15)."));
  EXPECT_TRUE(Said(probed, "The radio does not answer reads of the first tone index table."));
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
  EXPECT_TRUE(
      Said(family, "The radio's answer to the programming command: 50 33 31 35 35 F0 58 20"));
  EXPECT_NE(family.lines.back().find("diagnostic report"), std::string::npos);
  EXPECT_EQ(family.commands.size(), 1u);

  const Probed other = Probe([](RadioSimulator& radio) {
    radio.SetProgramReply(ByteString{'P', '3', '1', '5', '5', 0xF0, 'E'});
  });
  EXPECT_EQ(other.outcome.verdict, ProbeVerdict::UnknownReply);
  EXPECT_EQ(other.lines.back(), "Unknown response from radio: (7 bytes)  50 33 31 35 35 F0 45");

  const Probed silent = Probe([](RadioSimulator& radio) { radio.SetSilent(true); });
  EXPECT_EQ(silent.outcome.verdict, ProbeVerdict::NoRadio);
  // Nothing to time and no identity: the cable, and that no radio answered.
  EXPECT_EQ(silent.lines,
            (std::vector<std::string>{
                "/dev/ttySIM0: pseudo-terminal: a program, not a cable",
                "No response from serial port. Check you are using the right port."}));

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
