#pragma once

#include <gtest/gtest.h>

#include "radio/serial_link.h"
#include "tests/support/fast_radio.h"
#include "tools/radiosim/radio_simulator.h"

// A fast simulated radio on a pseudo-terminal and a link opened and configured on it, as
// a transfer sets up.
class RadioOnPty : public ::testing::Test {
 protected:
  void SetUp() override {
    StartFastRadio(radio);
    serial.OpenPort(radio.PortPath());
    ASSERT_TRUE(serial.IsOpen()) << serial.OpenError().Text();
    serial.ConfigureLine(9600, 8, 'N', 2, false, false);
  }

  RadioSimulator radio;
  TBlockSerial serial;
};
