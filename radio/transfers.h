#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "radio/channel_plan.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/serial_error.h"
#include "radio/serial_link.h"
#include "radio/transfer_observer.h"

// How a transfer ended.
enum class TransferEnd {
  Done,                // every exchange succeeded
  FinishedWithErrors,  // it went to its end, but some blocks failed
  NotIdentified,       // the handshake found no radio it knows
  PortNotOpened,       // the port could not be opened; the link says why
  LineLost,            // the cable was pulled or the adapter unplugged
  LineNeverQuiet,      // the line carried bytes without end
};

// A port that did not open: the device path tried and the system's reason.
struct PortFailure {
  std::string devicePath;
  SerialError error;
};

struct ReadOutcome {
  HandshakeOutcome handshake;
  TransferEnd end = TransferEnd::NotIdentified;
  std::optional<PortFailure> portFailure;
  // What the radio holds, by channel number - 1; nothing where no record was read.
  std::array<std::optional<ChannelRow>, kChannelCount> channels{};
  std::optional<RadioSettings> settings;
  // Asked for and not read (a lost line ends the read before it asks for the rest).
  std::vector<int> unreadChannels;
  bool settingsUnread = false;
};

struct WriteOutcome {
  HandshakeOutcome handshake;
  TransferEnd end = TransferEnd::NotIdentified;
  std::optional<PortFailure> portFailure;
  // Bank 0 halves the radio did not acknowledge; the write went on after each.
  int unacknowledged = 0;
};

// Reads the 15 channel records and the settings record from the radio on the named port.
ReadOutcome ReadRadio(TBlockSerial& link, const std::string& portName, TransferObserver& observer);

// Writes the plan's blocks to the radio on the named port. The plan's Hz texts must be
// writable (IsWritableHzText); front ends check them first and say which are not.
WriteOutcome WriteRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                        TransferObserver& observer);
