// While a transfer waits for the radio the window goes on handling its events, and only for
// the length of the transfer.
#include <gtest/gtest.h>

#include "radio/transfers.h"
#include "tests/support/fake_window.h"
#include "tests/support/fast_radio.h"
#include "tools/radiosim/radio_simulator.h"

namespace {

TEST(TransferWaits, TheWindowHandlesItsEventsWhileTheRadioIsSlowToAnswer) {
  RadioSimulator radio;
  // Silence ends either transfer after the quiet gap that ends its handshake.
  radio.SetSilent(true);
  StartFastRadio(radio);

  for (const bool write : {false, true}) {
    FakeWindow window;
    window.portName = radio.PortPath();
    TBlockSerial serial;
    if (write) {
      WriteToRadio(window, serial);
    } else {
      ReadFromRadio(window, serial);
    }
    ASSERT_FALSE(window.log.empty());
    EXPECT_NE(window.log.back(), "Done!");
    // The read asks for one pass of its own before the handshake, the write none.
    const int ownPasses = write ? 0 : 1;
    EXPECT_GT(window.processMessagesCalls, ownPasses) << (write ? "write" : "read");

    const int afterTransfer = window.processMessagesCalls;
    serial.OpenPort(radio.PortPath());
    serial.ReceiveChunk(50);
    EXPECT_EQ(window.processMessagesCalls, afterTransfer) << (write ? "write" : "read");
  }
}

}  // namespace
