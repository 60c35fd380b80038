#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "radio/byte_string.h"
#include "radio/line_format.h"
#include "radio/serial_link.h"
#include "radio/variants.h"

// A reply is what arrives until the line has been quiet this long.
inline constexpr int kQuietGapMs = 25;
// A line that never falls quiet still ends a reply after this long or this many bytes.
inline constexpr int kReplyTimeLimitMs = 1000;
inline constexpr std::size_t kReplyByteLimit = 4096;
// After a reply that did not fit its command, the line must stay quiet this long before
// the dialogue goes on, so that the rest of a paused or late reply cannot lead the next.
inline constexpr int kResyncQuietMs = 250;

extern const ByteString kProgrammingModeCommand;  // 02 "PROGRAM"
extern const ByteString kAcknowledgement;         // 06
// A radio's "no" to a command it will not carry out, a read of a block it does not let be
// read among them.
extern const ByteString kRefusal;            // 15
extern const ByteString kNotConnectedReply;  // 00 00
// 06 behind zero to three 0x00 bytes: the radio was not ready, ask once more.
extern const std::array<ByteString, 4> kBareAcknowledgements;

// Read command "R" addr_hi addr_lo count; write command "W" addr_hi addr_lo count data.
inline constexpr std::uint8_t kReadCommandCode = 0x52;
inline constexpr std::uint8_t kWriteCommandCode = 0x57;
// A read reply carries this many header bytes before the data.
inline constexpr std::size_t kReadReplyHeaderSize = 4;

struct HandshakeOutcome {
  enum Kind { Identified, RadioNotConnected, NoResponse, UnknownResponse };
  Kind kind = NoResponse;
  std::string ModelVariant;  // "E", "E2" or "T" when Identified
  ByteString reply;          // the handshake's final reply
  // The line never fell quiet: the reply is what a babbling line gave, not an answer.
  bool cutOff = false;
};

// What arrived until the line had been quiet for the asked time.
struct Collected {
  ByteString bytes;
  // The line never fell quiet: the reply limits ended the collecting.
  bool cutOff = false;
};
Collected CollectUntilQuiet(TBlockSerial& serial, int quietMs);

// Sends a command and collects the reply until the line is quiet; the wait for its first
// bytes counts from when the command can have left at line speed.
ByteString Exchange(TBlockSerial& serial, const ByteString& command);
// Programming-mode command, one resend after a bare acknowledgement, identity check and
// the acknowledgement that accepts it. A reply the reply limits cut off is an unknown one.
HandshakeOutcome EnterProgrammingMode(TBlockSerial& serial);
// The radio was not ready and the programming-mode command is to be sent once more.
bool IsBareAcknowledgement(const ByteString& reply);
// The outcome a final handshake reply stands for, by exact comparison.
HandshakeOutcome ClassifyHandshakeReply(const ByteString& reply);

ByteString ReadCommand(std::uint16_t address, std::uint8_t count);
// The count byte is the size of data, so data holds at most 255 bytes.
ByteString WriteCommand(std::uint16_t address, const ByteString& data);
// Data bytes of a read reply: reply bytes 4 .. 4 + count - 1, cut at the reply's end.
ByteString ReadReplyData(const ByteString& reply, std::size_t count);
// A write succeeded only when the reply is the single byte 06.
bool IsWriteAcknowledged(const ByteString& reply);

// Exchange of the read command; the caller acknowledges when it is done with the reply.
// A reply that the reply limits cut off came from a line that never falls quiet.
Collected BlockRead(TBlockSerial& serial, std::uint16_t address, std::uint8_t count);
// Exchange of the acknowledgement; what comes back is discarded.
void Acknowledge(TBlockSerial& serial);
// Exchange of the write command; returns the reply for IsWriteAcknowledged.
ByteString BlockWrite(TBlockSerial& serial, std::uint16_t address, const ByteString& data);
