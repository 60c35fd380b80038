#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>

#include "radio/serial_link.h"
#include "tools/radiosim/radio_simulator.h"

// A simulated radio on a pseudo-terminal and a link opened and configured on it, as a
// transfer sets up. The radio answers at once (no line pacing, no reaction delay), which
// keeps timing tests far from the 25 ms quiet gap.
class RadioOnPty : public ::testing::Test {
 protected:
  void SetUp() override {
    radio.SetPacing(false);
    radio.SetReactionDelayMs(0);
    radio.Start();
    serial.OpenPort(radio.PortPath());
    ASSERT_TRUE(serial.IsOpen()) << serial.OpenFailureReason();
    serial.ConfigureLine(9600, 8, 'N', 2, false, false);
  }

  RadioSimulator radio;
  TBlockSerial serial;
};

// Milliseconds that a call takes.
template <typename Call>
long ElapsedMs(Call&& call) {
  const auto start = std::chrono::steady_clock::now();
  std::forward<Call>(call)();
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count());
}

// A path in the temporary directory that no other test run on this machine uses.
inline std::filesystem::path TempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() /
         ("vexalon-" + name + "-" + std::to_string(getpid()));
}
