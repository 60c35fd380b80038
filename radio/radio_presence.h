#pragma once

#include <string>

#include "radio/serial_link.h"
#include "radio/transfer_observer.h"

// After a transfer, waits until the radio on the port no longer answers, as when it is
// taken off the cable to make room for the next: it is asked for its settings record every
// half second, and two silent asks in a row mean it has gone. False when the observer
// stopped waiting first. A radio that has left programming mode is silent too.
bool WaitUntilRadioGone(TBlockSerial& link, const std::string& portName,
                        TransferObserver& observer);
