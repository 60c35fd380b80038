#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/serial_link.h"
#include "radio/transfer_observer.h"
#include "radio/transfers.h"

// One transfer on a link: what it tells the observer, and how it ends once the dialogue
// cannot go on. The steps every transfer is made of live here.
class Session {
 public:
  Session(TBlockSerial& link, TransferObserver& observer);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  TBlockSerial& link() { return link_; }
  TransferObserver& observer() { return observer_; }
  void Log(const LogLine& line) { observer_.Logged(line); }

  // Opens the port and sets the line up; the handshake follows.
  void Open(const std::string& portName);
  // The handshake, made again every half second while no radio answers and the observer
  // wants to wait for one.
  HandshakeOutcome Identify();
  // The transfer will read and write this many blocks; each one done is told.
  void Expect(int blocks) { progressTotal_ = blocks; }
  void BlockDone() { observer_.Progress(++progressDone_, progressTotal_); }
  // How a failed handshake ended: the port may never have opened, the radio vanished, or
  // the line never fell quiet.
  TransferEnd HandshakeEnd(const HandshakeOutcome& handshake,
                           std::optional<PortFailure>& portFailure);

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
  TBlockSerial& link_;
  TransferObserver& observer_;
  std::optional<TransferEnd> stopped_;
  int progressDone_ = 0;
  int progressTotal_ = 0;
};

// Opens the port and runs the handshake. False when no radio it knows answered; the
// outcome (any with handshake, end and portFailure) then says how it ended.
template <class Outcome>
bool Begin(Session& session, const std::string& portName, Outcome& outcome) {
  session.Open(portName);
  outcome.handshake = session.Identify();
  if (outcome.handshake.kind == HandshakeOutcome::Identified) {
    return true;
  }
  outcome.end = session.HandshakeEnd(outcome.handshake, outcome.portFailure);
  return false;
}

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

// Sends the blocks in order and counts every reply; an unacknowledged bank 0 channel half
// is logged at once, and the write goes on. False when the dialogue cannot go on.
bool WriteBlocks(Session& session, const MemoryBlocks& blocks, WriteOutcome& outcome);

// Reads the blocks back and compares them with what was sent, saying so per block.
// False when the dialogue cannot go on.
bool VerifyBlocks(Session& session, const MemoryBlocks& blocks, Verification& verification);
