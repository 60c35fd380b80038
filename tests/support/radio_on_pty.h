#pragma once

#include <gtest/gtest.h>

#include "radio/serial_link.h"
#include "tests/support/fast_radio.h"
#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"

// A fast simulated radio on a pseudo-terminal, in real time, and a link opened and
// configured on it, as a transfer sets up.
class RadioOnPty : public ::testing::Test {
 protected:
  void SetUp() override {
    StartFastRadio(radio, pty);
    serial.OpenPort(pty.PortPath());
    ASSERT_TRUE(serial.IsOpen()) << serial.OpenError().Text();
    serial.ConfigureLine(kRadioLine.baudRate, kRadioLine.dataBits, kRadioLine.parity,
                         kRadioLine.stopBits, false, false);
  }

  RadioSimulator radio;
  PseudoTerminalLine pty{radio};
  TBlockSerial serial;
};
