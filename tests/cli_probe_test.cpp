// `vexalon-cli probe` in this process, against simulated radios in simulated time: the
// lines and the verdict last, the same as values with --json, and the exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "radio/protocol.h"
#include "tests/support/in_process_cli.h"

namespace {

using nlohmann::json;

class CliProbe : public Cli {};

bool Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(CliProbe, AReadyRadioEndsWithStatusZeroAndItsTimes) {
  radio.SetVariant(RadioVariant::T);
  radio.SetReactionDelayMs(7);
  radio.SetReadsRefused(std::pair<std::uint16_t, std::uint16_t>(0x0100, 0x01FF));
  Ran ran = Run({"probe", "--port", port});
  EXPECT_EQ(ran.status, 0) << ran.err;
  EXPECT_EQ(ran.out, "");
  const std::vector<std::string> lines = Lines(ran.err);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(Holds(ran.err, "Radio: HT-446T (identity 50 33 31 35 35 F0 54 20).\n")) << ran.err;
  EXPECT_TRUE(Holds(ran.err, "The radio refuses reads of bank 1 (15).\n")) << ran.err;
  EXPECT_TRUE(Holds(ran.err, "least 7.0 ms, median 7.0 ms, most 7.0 ms")) << ran.err;
  EXPECT_EQ(lines.back(),
            "Ready to write: the radio answers in time and lets its channels and settings be "
            "read.");

  ran = Run({"probe", "--port", port, "--json", "--quiet"});
  EXPECT_EQ(ran.status, 0) << ran.err;
  const json object = json::parse(ran.out);
  EXPECT_EQ(object["port"], port);
  EXPECT_EQ(object["variant"], "T");
  EXPECT_EQ(object["identity"], "50 33 31 35 35 F0 54 20");
  EXPECT_EQ(object["areas"], json::parse(R"({"bank_0": "readable", "bank_1": "refused",
                            "first_tone_table": "readable", "second_tone_table": "readable",
                            "settings": "readable"})"));
  EXPECT_EQ(object["reaction_ms"], json::parse(R"({"least": 7.0, "median": 7.0, "most": 7.0})"));
  EXPECT_EQ(object["longest_pause_ms"], 0.0);
  EXPECT_EQ(object["quiet_gap_ms"], kQuietGapMs);
  EXPECT_TRUE(object["cable"].contains("description"));
  EXPECT_EQ(object["verdict"], "ready to write");
  EXPECT_EQ(object["lines"].back(), lines.back());
}

TEST_F(CliProbe, WhatStandsInTheWayEndsWithStatusOne) {
  radio.SetProgramReply(ByteString{'P', '3', '1', '5', '5', 0xF0, 'X', ' '});
  Ran ran = Run({"probe", "--port", port, "--json"});
  EXPECT_EQ(ran.status, 1);
  json object = json::parse(ran.out);
  EXPECT_EQ(object["variant"], nullptr);
  EXPECT_EQ(object["identity"], "50 33 31 35 35 F0 58 20");
  EXPECT_EQ(object["reaction_ms"].size(), 3u);
  EXPECT_EQ(object["verdict"], "unknown identity");

  // The trace to send with it: named before the verdict, which stays last.
  ran = Run({"probe", "--port", port, "--trace", folder / "traces"});
  EXPECT_EQ(ran.status, 1);
  const std::vector<std::string> lines = Lines(ran.err);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(lines[lines.size() - 2].starts_with("The trace of its exchanges is in "));
  EXPECT_TRUE(Holds(lines.back(), "diagnostic report"));
  EXPECT_EQ(Backups(folder / "traces").size(), 1u);

  radio.ClearFaults();
  radio.SetSilent(true);
  ran = Run({"probe", "--port", port, "--json"});
  EXPECT_EQ(ran.status, 1);
  object = json::parse(ran.out);
  EXPECT_EQ(object["identity"], nullptr);
  EXPECT_EQ(object["reaction_ms"], nullptr);
  EXPECT_EQ(object["verdict"], "no radio");
  EXPECT_EQ(Lines(ran.err).back(),
            "No response from serial port. Check you are using the right port.");

  radio.SetSilent(false);
  radio.SetReplySplit(SimCommand::Read, 4, 22);
  ran = Run({"probe", "--port", port, "--json"});
  EXPECT_EQ(ran.status, 1);
  EXPECT_EQ(json::parse(ran.out)["verdict"], "tight timing");

  // Bad usage sends nothing.
  radio.ClearCommandLog();
  ran = Run({"probe"});
  EXPECT_EQ(ran.status, 2);
  ran = Run({"probe", "--port", " "});
  EXPECT_EQ(ran.status, 2);
  EXPECT_TRUE(radio.CommandLog().empty());
}

}  // namespace
