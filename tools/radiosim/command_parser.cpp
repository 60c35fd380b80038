#include "tools/radiosim/command_parser.h"

#include <algorithm>

#include "radio/protocol.h"

namespace {

ParsedCommand Complete(SimCommand kind, std::size_t length) {
  ParsedCommand command;
  command.status = ParsedCommand::Complete;
  command.kind = kind;
  command.length = length;
  return command;
}

ParsedCommand Incomplete() {
  ParsedCommand command;
  command.status = ParsedCommand::Incomplete;
  return command;
}

ParsedCommand ProgrammingMode(const ByteString& buffer) {
  const std::size_t seen = std::min(buffer.size(), kProgrammingModeCommand.size());
  if (!std::equal(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(seen),
                  kProgrammingModeCommand.begin())) {
    return {};
  }
  return seen < kProgrammingModeCommand.size()
             ? Incomplete()
             : Complete(SimCommand::Program, kProgrammingModeCommand.size());
}

// "R" or "W", address high and low byte, count; a write carries count data bytes.
ParsedCommand Block(const ByteString& buffer, SimCommand kind) {
  constexpr std::size_t kHeaderSize = 4;
  if (buffer.size() < kHeaderSize) {
    return Incomplete();
  }
  const std::uint8_t count = buffer[3];
  const std::size_t length = kind == SimCommand::Write ? kHeaderSize + count : kHeaderSize;
  if (buffer.size() < length) {
    return Incomplete();
  }
  ParsedCommand command = Complete(kind, length);
  command.address = static_cast<std::uint16_t>(buffer[1] << 8 | buffer[2]);
  command.count = count;
  return command;
}

}  // namespace

ParsedCommand ParseCommand(const ByteString& buffer) {
  if (buffer.empty()) {
    return Incomplete();
  }
  const std::uint8_t first = buffer.front();
  if (first == kProgrammingModeCommand.front()) {
    return ProgrammingMode(buffer);
  }
  if (first == kAcknowledgement.front()) {
    return Complete(SimCommand::Acknowledge, kAcknowledgement.size());
  }
  if (first == kReadCommandCode) {
    return Block(buffer, SimCommand::Read);
  }
  if (first == kWriteCommandCode) {
    return Block(buffer, SimCommand::Write);
  }
  return {};
}
