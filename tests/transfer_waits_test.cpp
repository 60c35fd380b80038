// While a transfer waits for the radio the front end goes on handling its events, and only
// for the length of the transfer.
#include <gtest/gtest.h>

#include "radio/transfers.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"
#include "tools/radiosim/radio_simulator.h"
#include "tools/radiosim/simulated_line.h"

namespace {

TEST(TransferWaits, TheFrontEndHandlesItsEventsWhileTheRadioIsSlowToAnswer) {
  RadioSimulator radio;
  // Silence ends either transfer after the quiet gap that ends its handshake.
  radio.SetSilent(true);
  SimulatedLine line(radio);

  for (const bool write : {false, true}) {
    RecordingObserver observer;
    TBlockSerial serial(line, line.Clock());
    KeptBackups backups;
    const TransferEnd end = write ? WriteRadio(serial, line.PortName(), {}, observer, backups).end
                                  : ReadRadio(serial, line.PortName(), observer).end;
    EXPECT_EQ(end, TransferEnd::NotIdentified);
    // The read asks for one pass of its own before the handshake, the write none.
    const int ownPasses = write ? 0 : 1;
    EXPECT_GT(observer.waits, ownPasses) << (write ? "write" : "read");

    const int afterTransfer = observer.waits;
    serial.OpenPort(line.PortName());
    serial.ReceiveChunk(50);
    EXPECT_EQ(observer.waits, afterTransfer) << (write ? "write" : "read");
  }
}

}  // namespace
