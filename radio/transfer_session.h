#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio/difference_lines.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/serial_link.h"
#include "radio/transfer_observer.h"
#include "radio/transfers.h"

// How a transfer lets the port go: a read purges it before closing it, a write leaves that
// to the close, which purges an open port itself.
enum class PortRelease { PurgeAndClose, Close };

// One transfer on a link, from opening the port to letting it go: what it tells the
// observer, and how it ends once the dialogue cannot go on. The steps every transfer is
// made of live here.
class Session {
 public:
  // Opens the port and sets the line up; the handshake follows.
  Session(TBlockSerial& link, const std::string& portName, TransferObserver& observer,
          PortRelease release);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  TBlockSerial& link() { return link_; }
  TransferObserver& observer() { return observer_; }
  void Log(const LogLine& line) { observer_.Logged(line); }

  // The handshake, made again every half second while no radio answers and the observer
  // wants to wait for one. The result's end is set when no radio it knows answered.
  TransferResult Identify();
  // The transfer will read and write this many blocks; each one done is told.
  void Expect(int blocks) { progressTotal_ = blocks; }
  void BlockDone() { observer_.Progress(++progressDone_, progressTotal_); }
  // Once the radio is gone every further exchange would be empty: stop instead of
  // failing each block, and never end as done.
  bool StillThere();
  // After a reply that did not fit its command, discards what still comes before going
  // on. False when the dialogue cannot go on.
  bool BackInStep();
  // A reply that a line which never falls quiet cut off ends the dialogue.
  bool NotCutOff(const Collected& reply);
  // The end of a transfer that went through all its steps, or what stopped it.
  TransferEnd End(bool allWell) const;
  // What stopped the dialogue; nothing while it can go on.
  std::optional<TransferEnd> Stopped() const { return stopped_; }

 private:
  // Opens the port and sets the line up.
  void Open(const std::string& portName);
  // How a failed handshake ended: the port may never have opened, the radio vanished, or
  // the line never fell quiet.
  void EndHandshake(TransferResult& result) const;

  TBlockSerial& link_;
  TransferObserver& observer_;
  PortRelease release_;
  std::optional<TransferEnd> stopped_;
  int progressDone_ = 0;
  int progressTotal_ = 0;
};

// Half a second between looks for a radio that is to come or to go.
inline constexpr int kRadioLookMs = 500;

// Blocks read back from the radio, split into 8-byte blocks in the order of the reads,
// and the addresses of the reads that did not come back whole.
struct BlocksRead {
  MemoryBlocks blocks;
  std::vector<std::uint16_t> failed;
};
// Each read acknowledged, as the read of the channels is; one that does not come back
// whole is asked for once more. False when the dialogue cannot go on.
bool ReadBlocks(Session& session, const std::vector<MemoryRead>& reads, BlocksRead& read);

// Reads every block a write can replace and keeps them in the store once all came whole, or
// all but whole areas the radio does not let be read, saying how that went; on a dialogue
// that cannot go on it says nothing of the blocks.
struct BackupTaken {
  BackupResult backup;
  // Every block that was read, whether or not all of them were.
  MemoryBlocks held;
  bool goesOn = false;  // the dialogue can go on
};
BackupTaken TakeBackup(Session& session, const std::string& variant, BackupStore& store);

// How the radio answered the blocks sent. A block counts as written once the radio
// acknowledged it with 06; any other reply, or none, makes it unacknowledged, and the write
// goes on. A block whose reply a lost line took is neither.
struct BlocksWritten {
  int acknowledged = 0;
  int unacknowledged = 0;
  // The bank 0 channel halves among the unacknowledged, each logged by its channel.
  int unacknowledgedHalves = 0;
  std::vector<std::uint16_t> unacknowledgedAt;
  bool allSent = false;  // false when the dialogue could not go on
};
// Sends the blocks in order and counts every reply; an unacknowledged bank 0 channel half
// is logged at once.
BlocksWritten WriteBlocks(Session& session, const MemoryBlocks& blocks);

// Compares the blocks with what was read back, saying so per block; the blocks of the
// areas the radio does not let be read are left out.
Verification CompareBlocks(Session& session, const MemoryBlocks& blocks,
                           const MemoryBlocks& readBack, const std::vector<MemoryArea>& unreadable,
                           ComparedWith with);
// Reads the blocks back, by the reads given (which must cover them), but for the areas the
// radio does not let be read, and compares; not done when the dialogue cannot go on.
Verification VerifyBlocks(Session& session, const MemoryBlocks& blocks,
                          const std::vector<MemoryRead>& reads,
                          const std::vector<MemoryArea>& unreadable, ComparedWith with);
