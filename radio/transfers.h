#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio/backup.h"
#include "radio/channel_plan.h"
#include "radio/memory_areas.h"
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
  NothingWritten,      // a write stopped before its first block: no backup, another variant
  Stopped,             // the front end asked it to stop at once
};

// A port that did not open: the device path tried and the system's reason.
struct PortFailure {
  std::string devicePath;
  SerialError error;
};

// What every transfer has to say: the radio it found and how it ended.
struct TransferResult {
  HandshakeOutcome handshake;
  TransferEnd end = TransferEnd::NotIdentified;
  std::optional<PortFailure> portFailure;
};

// What became of a backup of the radio's blocks.
struct BackupResult {
  // Where what the radio held is kept; empty when it is not.
  std::string backupFile;
  // Why there is none: blocks that could not be read, or a store that could not keep them.
  std::vector<std::uint16_t> backupUnread;
  LogLine backupFailure;
  // Areas the radio does not let be read; a backup kept without them holds the rest.
  std::vector<MemoryArea> unreadableAreas;
};

struct ReadOutcome : TransferResult {
  // What the radio holds, by channel number - 1; nothing where no record was read.
  std::array<std::optional<ChannelRow>, kChannelCount> channels{};
  std::optional<RadioSettings> settings;
  // Asked for and not read (a lost line ends the read before it asks for the rest).
  std::vector<int> unreadChannels;
  bool settingsUnread = false;
};

// A block that read back other than it was written.
struct BlockDifference {
  std::uint16_t address = 0;
  ByteString written;
  ByteString readBack;
  bool operator==(const BlockDifference&) const = default;
};

// What reading back the written blocks showed.
struct Verification {
  bool done = false;  // every block was asked for
  std::vector<BlockDifference> differing;
  std::vector<std::uint16_t> unverified;  // could not be read back
  // Areas the radio does not let be read, whose blocks were not compared.
  std::vector<MemoryArea> unreadable;
  bool Holds() const { return done && differing.empty() && unverified.empty(); }
};

// What the radio held before is in the backup result; a write without one was agreed to.
struct WriteOutcome : TransferResult, BackupResult {
  // A restore found a radio of another variant than the backup's.
  struct VariantMismatch {
    std::string backup;
    std::string radio;
  };
  std::optional<VariantMismatch> otherVariant;
  int blocksToWrite = 0;
  // Blocks a changed-only write left out, since the radio already held them.
  int blocksAlreadyHeld = 0;
  // A block counts as written once the radio acknowledged it with 06; any other reply, or
  // none, makes it unacknowledged, whichever block it is, and the write goes on. Once every
  // block went out the two add up to blocksToWrite; a block whose reply a lost line took
  // is neither.
  int blocksWritten = 0;
  int unacknowledged = 0;
  // The bank 0 channel halves among the unacknowledged, each logged by its channel; they
  // and the check decide whether the write is done.
  int unacknowledgedHalves = 0;
  // Those among the unacknowledged that lie in areas the radio does not let be read back,
  // where its 06 is all there is to show for a block.
  int unacknowledgedUnreadable = 0;
  Verification verification;

  // Blocks the radio may hold now, acknowledged or not.
  int BlocksSent() const { return blocksWritten + unacknowledged; }
};

// A check of what a radio holds against the blocks a write would send; nothing is written.
struct VerifyOutcome : TransferResult {
  Verification verification;
};

// What the radio holds in every block a write can replace, kept in a store.
struct BackupOutcome : TransferResult, BackupResult {};

// Reads the 15 channel records and the settings record from the radio on the named port.
ReadOutcome ReadRadio(TBlockSerial& link, const std::string& portName, TransferObserver& observer);

// Which of its blocks a write sends: all of them, or only those the backup, read moments
// before in the same session, shows the radio does not already hold byte for byte.
enum class WriteScope { AllBlocks, ChangedBlocks };

// Writes the plan's blocks to the radio on the named port, safely: in the same session it
// first reads every block it will replace and keeps them in the store, then writes, then
// reads the written blocks back and compares. Without a whole backup kept it writes only
// when the observer agrees. The plan's Hz texts must be writable (IsWritableHzText);
// front ends check them first and say which are not.
WriteOutcome WriteRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                        TransferObserver& observer, BackupStore& store,
                        WriteScope scope = WriteScope::AllBlocks);

// Compares what the radio holds with the plan's blocks; a plan without settings leaves the
// settings record out of the comparison.
VerifyOutcome VerifyRadio(TBlockSerial& link, const std::string& portName, const ChannelPlan& plan,
                          TransferObserver& observer);

// Reads every block a write can replace and keeps it in the store.
BackupOutcome BackupRadio(TBlockSerial& link, const std::string& portName,
                          TransferObserver& observer, BackupStore& store);

// Puts a backup's blocks back as they were read, as safely as a write, after a backup of
// its own; a radio of another variant is left as it is.
WriteOutcome RestoreRadio(TBlockSerial& link, const std::string& portName,
                          const RadioBackup& backup, TransferObserver& observer, BackupStore& store,
                          WriteScope scope = WriteScope::AllBlocks);
