#pragma once

#include "radio/channel_plan.h"
#include "radio/log_line.h"

// What a front end hears of a transfer while it runs. Every call comes on the transfer's
// own thread; a front end overrides what it shows.
class TransferObserver {
 public:
  virtual ~TransferObserver() = default;

  // Channel 1..15 is being read, or written to bank 0, until ChannelEnds.
  virtual void ChannelBegins(int /*channel*/) {}
  virtual void ChannelEnds(int /*channel*/) {}
  // The radio's record of a channel, as soon as it has been read.
  virtual void ChannelRead(int /*channel*/, const ChannelRow& /*row*/) {}
  // A line for the log, as things happen; how the transfer ended is in its outcome.
  virtual void Logged(const LogLine& /*line*/) {}
  // A write could not keep a whole backup of what the radio holds, for the reason given;
  // true to write all the same. Nothing is written until the answer comes.
  virtual bool WriteWithoutBackup(const LogLine& /*why*/) { return false; }
  // Called every few milliseconds while the transfer waits on the line, also while a reply
  // streams in, so that a front end with a single thread keeps handling its events.
  virtual void Waiting() {}
  // Blocks done of the blocks the transfer will read and write in all.
  virtual void Progress(int /*done*/, int /*total*/) {}
  // Asked after every exchange: true ends the transfer there, as stopped.
  virtual bool StopNow() { return false; }
  // While no radio answers the handshake, or one is to be taken off the cable: true to go
  // on waiting for it, asked about every half second.
  virtual bool KeepWaitingForRadio() { return false; }
};
