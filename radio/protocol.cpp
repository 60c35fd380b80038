#include "radio/protocol.h"

#include <algorithm>
#include <array>

const ByteString kProgrammingModeCommand = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
const ByteString kAcknowledgement = {0x06};
const ByteString kRefusal = {0x15};
const ByteString kNotConnectedReply = {0x00, 0x00};
const std::array<ByteString, 4> kBareAcknowledgements = {{
    {0x06},
    {0x00, 0x06},
    {0x00, 0x00, 0x06},
    {0x00, 0x00, 0x00, 0x06},
}};

namespace {

ByteString CommandHeader(std::uint8_t code, std::uint16_t address, std::uint8_t count) {
  return {code, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
          count};
}

// As CollectUntilQuiet, with a wait of its own for the first bytes. Every time is the link's.
Collected Collect(TBlockSerial& serial, SteadyClock::time_point firstBytesBy, int quietMs) {
  Collected collected;
  const auto limit = serial.Now() + std::chrono::milliseconds(kReplyTimeLimitMs);
  for (bool first = true;; first = false) {
    const ByteString chunk =
        first ? serial.ReceiveChunkUntil(firstBytesBy) : serial.ReceiveChunk(quietMs);
    collected.bytes.insert(collected.bytes.end(), chunk.begin(), chunk.end());
    if (chunk.empty() || serial.LineLost()) {
      return collected;
    }
    if (collected.bytes.size() >= kReplyByteLimit || serial.Now() >= limit) {
      collected.cutOff = true;
      return collected;
    }
  }
}

}  // namespace

Collected CollectUntilQuiet(TBlockSerial& serial, int quietMs) {
  return Collect(serial, serial.Now() + std::chrono::milliseconds(quietMs), quietMs);
}

namespace {

Collected ExchangeCollected(TBlockSerial& serial, const ByteString& command) {
  const SteadyClock::time_point lineFree =
      serial.Now() + kLineByteTime * static_cast<long>(command.size());
  serial.SendBytes(command);
  // Many drivers report a write done once the adapter holds the bytes (a pty, several USB
  // adapters), while the command still takes its time on the line: the radio's 25 ms
  // count from when it can have heard the whole command.
  return Collect(serial, std::max(lineFree, serial.Now()) + std::chrono::milliseconds(kQuietGapMs),
                 kQuietGapMs);
}

}  // namespace

ByteString Exchange(TBlockSerial& serial, const ByteString& command) {
  return ExchangeCollected(serial, command).bytes;
}

HandshakeOutcome EnterProgrammingMode(TBlockSerial& serial) {
  Collected reply = ExchangeCollected(serial, kProgrammingModeCommand);
  if (!reply.cutOff && IsBareAcknowledgement(reply.bytes)) {
    reply = ExchangeCollected(serial, kProgrammingModeCommand);
  }
  HandshakeOutcome outcome = ClassifyHandshakeReply(reply.bytes);
  if (reply.cutOff) {
    outcome.kind = HandshakeOutcome::UnknownResponse;
    outcome.cutOff = true;
  } else if (outcome.kind == HandshakeOutcome::Identified) {
    Acknowledge(serial);
  }
  return outcome;
}

bool IsBareAcknowledgement(const ByteString& reply) {
  return std::find(kBareAcknowledgements.begin(), kBareAcknowledgements.end(), reply) !=
         kBareAcknowledgements.end();
}

HandshakeOutcome ClassifyHandshakeReply(const ByteString& reply) {
  HandshakeOutcome outcome;
  outcome.reply = reply;
  for (const KnownVariant& variant : kKnownVariants) {
    if (reply == variant.identity) {
      outcome.kind = HandshakeOutcome::Identified;
      outcome.ModelVariant = variant.name;
      return outcome;
    }
  }
  if (reply == kNotConnectedReply) {
    outcome.kind = HandshakeOutcome::RadioNotConnected;
  } else if (reply.empty()) {
    outcome.kind = HandshakeOutcome::NoResponse;
  } else {
    outcome.kind = HandshakeOutcome::UnknownResponse;
  }
  return outcome;
}

ByteString ReadCommand(std::uint16_t address, std::uint8_t count) {
  return CommandHeader(kReadCommandCode, address, count);
}

ByteString WriteCommand(std::uint16_t address, const ByteString& data) {
  ByteString command =
      CommandHeader(kWriteCommandCode, address, static_cast<std::uint8_t>(data.size()));
  command.insert(command.end(), data.begin(), data.end());
  return command;
}

ByteString ReadReplyData(const ByteString& reply, std::size_t count) {
  if (reply.size() <= kReadReplyHeaderSize) {
    return {};
  }
  const std::size_t available = std::min(count, reply.size() - kReadReplyHeaderSize);
  const auto first = reply.begin() + kReadReplyHeaderSize;
  return ByteString(first, first + static_cast<std::ptrdiff_t>(available));
}

bool IsWriteAcknowledged(const ByteString& reply) {
  return reply == kAcknowledgement;
}

Collected BlockRead(TBlockSerial& serial, std::uint16_t address, std::uint8_t count) {
  return ExchangeCollected(serial, ReadCommand(address, count));
}

void Acknowledge(TBlockSerial& serial) {
  Exchange(serial, kAcknowledgement);
}

ByteString BlockWrite(TBlockSerial& serial, std::uint16_t address, const ByteString& data) {
  return Exchange(serial, WriteCommand(address, data));
}
