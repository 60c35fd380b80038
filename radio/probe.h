#pragma once

#include <string>
#include <vector>

#include "radio/memory_areas.h"
#include "radio/reply_times.h"
#include "radio/serial_link.h"
#include "radio/transfer_observer.h"
#include "radio/transfers.h"

// A test of the connection to a radio before anything is written to it: the handshake, one
// read of every block a write replaces, and how quickly the radio answers.

// How a radio answered the reads of one area.
enum class AreaAccess {
  Readable,        // every read came back whole
  PartlyReadable,  // some reads came back whole, others not
  Refused,         // every read was answered with a single 15
  Unanswered,      // no read got any reply
  NotReadable,     // no read came back whole, for other replies or a mix of them
};

struct AreaProbe {
  MemoryArea area = MemoryArea::Bank0;
  AreaAccess access = AreaAccess::Readable;
  int reads = 0;
  int wholeReads = 0;
};

// A write can go on with the area as the radio answered its reads: what it cannot read
// whole a write must make from the rest.
bool WriteCanRelyOn(const AreaProbe& probe);

// What stands in the way of a write, the first that does; or nothing.
enum class ProbeVerdict {
  ReadyToWrite,
  Interrupted,       // the port did not open, or the dialogue could not go on; the end says why
  NoRadio,           // silence, or 00 00 from a cable without a radio
  UnknownIdentity,   // an identity of the radio's family, of no variant known here
  UnknownReply,      // something else answered the handshake
  AreasNotReadable,  // bank 0 or the settings not read whole, or an area read in part
  TightTiming,       // replies that leave less than kTimingMarginMs to the quiet gap
};

// A reaction or a pause inside a reply that leaves less than this to the quiet gap may
// be cut by a busy computer.
inline constexpr double kTimingMarginMs = 5;

struct ProbeOutcome : TransferResult {
  // In the order of kMemoryAreas; empty when the handshake found no radio it knows.
  std::vector<AreaProbe> areas;
  ReplyTimes times;
  ProbeVerdict verdict = ProbeVerdict::NoRadio;
};

// Runs the handshake and reads every area once, acknowledging each read as the read of the
// channels does and asking none again; writes nothing. The times come from a trace of the
// exchanges: the one attached to the link, which records the test as any transfer, or one
// of its own.
ProbeOutcome ProbeRadio(TBlockSerial& link, const std::string& portName,
                        TransferObserver& observer);
