#include "tools/radiosim/radio_simulator.h"

#include <algorithm>
#include <stdexcept>

#include "radio/hex_text.h"
#include "radio/protocol.h"
#include "tools/radiosim/memory_image.h"

namespace {

using TimePoint = RadioSimulator::TimePoint;

TimePoint::duration Milliseconds(double ms) {
  return std::chrono::duration_cast<TimePoint::duration>(
      std::chrono::duration<double, std::milli>(ms));
}

// The variants stand in the order of the radio's table of them.
static_assert(static_cast<std::size_t>(RadioVariant::T) + 1 == kKnownVariants.size());
const ByteString& IdentityOf(RadioVariant variant) {
  return kKnownVariants.at(static_cast<std::size_t>(variant)).identity;
}

}  // namespace

struct RadioSimulator::Faults {
  struct Split {
    std::size_t afterBytes;
    int gapMs;
  };
  struct ReadCut {
    std::size_t length;
    std::optional<std::uint16_t> address;
  };
  struct Delay {
    int ms;
    std::optional<std::uint16_t> address;
  };

  std::optional<int> bareAckZeros;
  bool ackToEveryProgram = false;
  std::optional<ByteString> programReply;
  bool silent = false;
  std::map<SimCommand, Split> splits;
  std::map<std::uint16_t, ByteString> writeReplies;
  std::map<std::uint16_t, ByteString> writesStoredAs;
  std::optional<std::uint16_t> writesRefusedFrom;
  std::optional<std::pair<std::uint16_t, std::uint16_t>> readsFailing;
  std::optional<std::pair<std::uint16_t, std::uint16_t>> readsRefused;
  std::optional<std::pair<std::uint16_t, std::uint16_t>> readsUnanswered;
  std::optional<ReadCut> readCut;
  bool neverQuiet = false;
  std::optional<std::size_t> neverQuietFrom;
  ByteString noise;
  std::map<SimCommand, ByteString> extraBytes;
  std::map<SimCommand, Delay> delays;
  // Commands still to be answered before the cable is pulled.
  std::optional<std::size_t> pullAfter;
};

RadioSimulator::RadioSimulator(RadioVariant variant)
    : variant_(variant), memory_(DefaultRadioMemory()), faults_(std::make_unique<Faults>()) {}

RadioSimulator::~RadioSimulator() = default;

void RadioSimulator::SetCommandObserver(std::function<void(const ByteString&)> observer) {
  std::lock_guard lock(mutex_);
  commandObserver_ = std::move(observer);
}

void RadioSimulator::SetNoteObserver(std::function<void(const std::string&)> observer) {
  std::lock_guard lock(mutex_);
  noteObserver_ = std::move(observer);
}

void RadioSimulator::SetWakeUp(std::function<void()> wakeUp) {
  std::lock_guard lock(mutex_);
  wakeUp_ = std::move(wakeUp);
}

void RadioSimulator::Wake() const {
  std::function<void()> wakeUp;
  {
    std::lock_guard lock(mutex_);
    wakeUp = wakeUp_;
  }
  if (wakeUp) {
    wakeUp();
  }
}

void RadioSimulator::Tell(const Reports& reports) const {
  std::function<void(const ByteString&)> commandObserver;
  std::function<void(const std::string&)> noteObserver;
  {
    std::lock_guard lock(mutex_);
    commandObserver = commandObserver_;
    noteObserver = noteObserver_;
  }
  for (const ByteString& command : reports.commands) {
    if (commandObserver) {
      commandObserver(command);
    }
  }
  for (const std::string& note : reports.notes) {
    if (noteObserver) {
      noteObserver(note);
    }
  }
}

void RadioSimulator::SetVariant(RadioVariant variant) {
  std::lock_guard lock(mutex_);
  variant_ = variant;
}

void RadioSimulator::SetPacing(bool realLineTime) {
  std::lock_guard lock(mutex_);
  pacing_ = realLineTime;
}

void RadioSimulator::SetReactionDelayMs(int delayMs) {
  std::lock_guard lock(mutex_);
  reactionDelayMs_ = std::max(delayMs, 0);
}

void RadioSimulator::SetBurstMs(int burstMs) {
  std::lock_guard lock(mutex_);
  burstMs_ = std::max(burstMs, 0);
}

ByteString RadioSimulator::Memory() const {
  std::lock_guard lock(mutex_);
  return memory_;
}

ByteString RadioSimulator::ReadMemory(std::uint16_t address, std::size_t count) const {
  std::lock_guard lock(mutex_);
  ByteString bytes(count, 0xFF);
  for (std::size_t i = 0; i < count && address + i < memory_.size(); ++i) {
    bytes[i] = memory_[address + i];
  }
  return bytes;
}

void RadioSimulator::WriteMemory(std::uint16_t address, const ByteString& bytes) {
  std::lock_guard lock(mutex_);
  if (address + bytes.size() > memory_.size()) {
    throw std::out_of_range("write beyond the radio's memory");
  }
  std::copy(bytes.begin(), bytes.end(), memory_.begin() + address);
}

void RadioSimulator::LoadImage(const std::string& path) {
  ByteString image = LoadMemoryImage(path);
  std::lock_guard lock(mutex_);
  memory_ = std::move(image);
}

void RadioSimulator::SaveImage(const std::string& path) const {
  SaveMemoryImage(path, Memory());
}

std::vector<ByteString> RadioSimulator::CommandLog() const {
  std::lock_guard lock(mutex_);
  return log_;
}

std::vector<ByteString> RadioSimulator::ReplyLog() const {
  std::lock_guard lock(mutex_);
  return replies_;
}

void RadioSimulator::ClearCommandLog() {
  std::lock_guard lock(mutex_);
  log_.clear();
  replies_.clear();
}

bool RadioSimulator::WaitForCommands(std::size_t count, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  return logChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return log_.size() >= count; });
}

void RadioSimulator::ClearFaults() {
  {
    std::lock_guard lock(mutex_);
    *faults_ = Faults{};
  }
  Wake();
}

void RadioSimulator::SetBareAckBeforeIdentity(std::optional<int> leadingZeros) {
  if (leadingZeros && (*leadingZeros < 0 || *leadingZeros >= std::ssize(kBareAcknowledgements))) {
    throw std::invalid_argument("a bare acknowledgement has 0 to 3 leading zero bytes");
  }
  std::lock_guard lock(mutex_);
  faults_->bareAckZeros = leadingZeros;
}

void RadioSimulator::SetAckToEveryProgram(bool on) {
  std::lock_guard lock(mutex_);
  faults_->ackToEveryProgram = on;
}

void RadioSimulator::SetProgramReply(std::optional<ByteString> reply) {
  std::lock_guard lock(mutex_);
  faults_->programReply = std::move(reply);
}

void RadioSimulator::SetSilent(bool on) {
  std::lock_guard lock(mutex_);
  faults_->silent = on;
}

void RadioSimulator::SetReplySplit(SimCommand kind, std::size_t afterBytes, int gapMs) {
  std::lock_guard lock(mutex_);
  if (gapMs > 0) {
    faults_->splits[kind] = {afterBytes, gapMs};
  } else {
    faults_->splits.erase(kind);
  }
}

void RadioSimulator::SetWriteReply(std::uint16_t address, std::optional<ByteString> reply) {
  std::lock_guard lock(mutex_);
  if (reply) {
    faults_->writeReplies[address] = std::move(*reply);
  } else {
    faults_->writeReplies.erase(address);
  }
}

void RadioSimulator::SetWriteStoredAs(std::uint16_t address, std::optional<ByteString> stored) {
  std::lock_guard lock(mutex_);
  if (stored) {
    faults_->writesStoredAs[address] = std::move(*stored);
  } else {
    faults_->writesStoredAs.erase(address);
  }
}

void RadioSimulator::SetWritesRefusedFrom(std::optional<std::uint16_t> address) {
  std::lock_guard lock(mutex_);
  faults_->writesRefusedFrom = address;
}

void RadioSimulator::SetReadsFailing(
    std::optional<std::pair<std::uint16_t, std::uint16_t>> addresses) {
  std::lock_guard lock(mutex_);
  faults_->readsFailing = addresses;
}

void RadioSimulator::SetReadsRefused(
    std::optional<std::pair<std::uint16_t, std::uint16_t>> addresses) {
  std::lock_guard lock(mutex_);
  faults_->readsRefused = addresses;
}

void RadioSimulator::SetReadsUnanswered(
    std::optional<std::pair<std::uint16_t, std::uint16_t>> addresses) {
  std::lock_guard lock(mutex_);
  faults_->readsUnanswered = addresses;
}

void RadioSimulator::SetReadReplyLength(std::optional<std::size_t> length,
                                        std::optional<std::uint16_t> address) {
  std::lock_guard lock(mutex_);
  faults_->readCut.reset();
  if (length) {
    faults_->readCut = Faults::ReadCut{*length, address};
  }
}

void RadioSimulator::SetNeverQuiet(bool on) {
  {
    std::lock_guard lock(mutex_);
    faults_->neverQuiet = on;
  }
  Wake();
}

void RadioSimulator::SetNoiseBeforeReplies(ByteString noise) {
  std::lock_guard lock(mutex_);
  faults_->noise = std::move(noise);
}

void RadioSimulator::SetExtraBytes(SimCommand kind, ByteString extra) {
  std::lock_guard lock(mutex_);
  if (extra.empty()) {
    faults_->extraBytes.erase(kind);
  } else {
    faults_->extraBytes[kind] = std::move(extra);
  }
}

void RadioSimulator::SetExtraDelay(SimCommand kind, int delayMs,
                                   std::optional<std::uint16_t> address) {
  std::lock_guard lock(mutex_);
  if (delayMs > 0) {
    faults_->delays[kind] = {delayMs, address};
  } else {
    faults_->delays.erase(kind);
  }
}

void RadioSimulator::SetNeverQuietFrom(std::size_t commands) {
  {
    std::lock_guard lock(mutex_);
    faults_->neverQuietFrom = commands;
  }
  Wake();
}

void RadioSimulator::PullCableAfter(std::size_t commands) {
  {
    std::lock_guard lock(mutex_);
    faults_->pullAfter = commands;
  }
  Wake();
}

bool RadioSimulator::CablePulled() const {
  std::lock_guard lock(mutex_);
  return cablePulled_;
}

bool RadioSimulator::CableDueToBePulled() const {
  std::lock_guard lock(mutex_);
  return faults_->pullAfter == 0u && output_.empty();
}

void RadioSimulator::CableWasPulled() {
  {
    std::lock_guard lock(mutex_);
    faults_->pullAfter.reset();
    cablePulled_ = true;
  }
  Tell({{}, {"cable pulled"}});
}

void RadioSimulator::Hear(const ByteString& bytes, TimePoint at) {
  Reports reports;
  {
    std::lock_guard lock(mutex_);
    if (input_.empty()) {
      inputStart_ = at;
    }
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    lastInput_ = at;
    ParseInput(reports);
  }
  Tell(reports);
}

RadioSimulator::Output RadioSimulator::Speak(TimePoint now) {
  Output output;
  Reports reports;
  {
    std::lock_guard lock(mutex_);
    if (!input_.empty() &&
        now - lastInput_ >= std::chrono::milliseconds(kIncompleteCommandTimeoutMs)) {
      reports.notes.push_back("dropped incomplete command " + HexBytes(input_, " "));
      input_.clear();
    }
    while (!output_.empty() && output_.front().due <= now) {
      output.reply.push_back(output_.front().byte);
      output_.pop_front();
    }
    if (faults_->neverQuiet && now >= nextFiller_) {
      output.filler = true;
      nextFiller_ = now + std::chrono::milliseconds(kNeverQuietIntervalMs);
    }
  }
  Tell(reports);
  return output;
}

std::optional<TimePoint> RadioSimulator::NextEvent() const {
  std::lock_guard lock(mutex_);
  std::optional<TimePoint> next;
  const auto consider = [&next](TimePoint at) {
    if (!next || at < *next) {
      next = at;
    }
  };
  if (!output_.empty()) {
    consider(output_.front().due);
  }
  if (!input_.empty()) {
    consider(lastInput_ + std::chrono::milliseconds(kIncompleteCommandTimeoutMs));
  }
  if (faults_->neverQuiet) {
    consider(nextFiller_);
  }
  return next;
}

void RadioSimulator::ParseInput(Reports& reports) {
  ByteString skipped;
  for (;;) {
    const ParsedCommand command = ParseCommand(input_);
    if (command.status == ParsedCommand::NoCommand) {
      skipped.push_back(input_.front());
      input_.erase(input_.begin());
      continue;
    }
    if (!skipped.empty()) {
      reports.notes.push_back("skipped " + HexBytes(skipped, " "));
      skipped.clear();
    }
    if (command.status == ParsedCommand::Incomplete) {
      return;
    }
    const auto end = input_.begin() + static_cast<std::ptrdiff_t>(command.length);
    const ByteString bytes(input_.begin(), end);
    input_.erase(input_.begin(), end);
    HandleCommand(command, bytes, reports);
    inputStart_ = lastInput_;
  }
}

void RadioSimulator::HandleCommand(const ParsedCommand& command, const ByteString& bytes,
                                   Reports& reports) {
  log_.push_back(bytes);
  replies_.emplace_back();
  logChanged_.notify_all();
  reports.commands.push_back(bytes);
  if (faults_->pullAfter > 0u) {
    --*faults_->pullAfter;
  }
  if (faults_->neverQuietFrom && --*faults_->neverQuietFrom == 0u) {
    faults_->neverQuiet = true;
    faults_->neverQuietFrom.reset();
  }
  if (faults_->silent) {
    bareAckSent_ = false;
    return;
  }
  Schedule(command, ReplyTo(command, bytes, reports));
}

ByteString RadioSimulator::ReplyTo(const ParsedCommand& command, const ByteString& bytes,
                                   Reports& reports) {
  const bool resend = bareAckSent_;
  bareAckSent_ = false;
  const bool beyondMemory = command.address + command.count > memory_.size();
  switch (command.kind) {
    case SimCommand::Program:
      if (faults_->programReply) {
        return *faults_->programReply;
      }
      if (faults_->ackToEveryProgram) {
        return kAcknowledgement;
      }
      if (faults_->bareAckZeros && !resend) {
        bareAckSent_ = true;
        return kBareAcknowledgements.at(static_cast<std::size_t>(*faults_->bareAckZeros));
      }
      return IdentityOf(variant_);
    case SimCommand::Acknowledge:
      return {};
    case SimCommand::Read: {
      if (beyondMemory) {
        reports.notes.push_back("read beyond memory at " + HexAddress(command.address) +
                                ", answered with FF");
      }
      ByteString reply = {kWriteCommandCode, bytes[1], bytes[2], command.count};
      for (std::size_t i = 0; i < command.count; ++i) {
        const std::size_t at = command.address + i;
        reply.push_back(at < memory_.size() ? memory_[at] : 0xFF);
      }
      const auto& cut = faults_->readCut;
      if (cut && (!cut->address || *cut->address == command.address)) {
        reply.resize(std::min(reply.size(), cut->length));
      }
      const auto& failing = faults_->readsFailing;
      if (failing && command.address >= failing->first && command.address <= failing->second) {
        reply.resize(kReadReplyHeaderSize);
      }
      const auto& refused = faults_->readsRefused;
      if (refused && command.address >= refused->first && command.address <= refused->second) {
        reply = kRefusal;
      }
      const auto& unanswered = faults_->readsUnanswered;
      if (unanswered && command.address >= unanswered->first &&
          command.address <= unanswered->second) {
        reply.clear();
      }
      return reply;
    }
    case SimCommand::Write:
      break;
  }
  ByteString reply = kAcknowledgement;
  const auto storedAs = faults_->writesStoredAs.find(command.address);
  if (beyondMemory) {
    // Nothing there to store to; no acknowledgement shows the program a failed write.
    reports.notes.push_back("write beyond memory at " + HexAddress(command.address) + " ignored");
    reply.clear();
  } else if (faults_->writesRefusedFrom && command.address >= *faults_->writesRefusedFrom) {
    reply = kRefusal;
  } else if (storedAs != faults_->writesStoredAs.end()) {
    std::copy(storedAs->second.begin(), storedAs->second.end(), memory_.begin() + command.address);
  } else {
    std::copy(bytes.begin() + 4, bytes.end(), memory_.begin() + command.address);
  }
  if (const auto wrong = faults_->writeReplies.find(command.address);
      wrong != faults_->writeReplies.end()) {
    reply = wrong->second;
  }
  return reply;
}

void RadioSimulator::Schedule(const ParsedCommand& command, const ByteString& reply) {
  ByteString bytes = faults_->noise;
  bytes.insert(bytes.end(), reply.begin(), reply.end());
  if (const auto extra = faults_->extraBytes.find(command.kind);
      extra != faults_->extraBytes.end() && !reply.empty()) {
    bytes.insert(bytes.end(), extra->second.begin(), extra->second.end());
  }
  if (bytes.empty()) {
    return;
  }
  replies_.back() = bytes;
  const double byteTimeMs = pacing_ ? kByteTimeMs : 0.0;
  // A line may hand over a whole command at once; a real one would still be carrying it.
  double delayMs = static_cast<double>(command.length) * byteTimeMs + reactionDelayMs_;
  if (const auto extra = faults_->delays.find(command.kind);
      extra != faults_->delays.end() &&
      (!extra->second.address || *extra->second.address == command.address)) {
    delayMs += extra->second.ms;
  }
  const auto start = std::max(inputStart_ + Milliseconds(delayMs), lineFreeAt_);
  const auto split = faults_->splits.find(command.kind);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // Each byte from the reply's start, not from the byte before, so no drift adds up.
    double atMs = static_cast<double>(i + 1) * byteTimeMs;
    if (split != faults_->splits.end() && i >= split->second.afterBytes) {
      atMs += split->second.gapMs;
    }
    lineFreeAt_ = start + Milliseconds(atMs);
    output_.push_back({NextBurst(lineFreeAt_), bytes[i]});
  }
}

// The adapter's latency timer runs freely, its periods counted from the clock's epoch.
TimePoint RadioSimulator::NextBurst(TimePoint arrival) const {
  if (burstMs_ == 0) {
    return arrival;
  }
  const auto period =
      std::chrono::duration_cast<TimePoint::duration>(std::chrono::milliseconds(burstMs_));
  const auto sinceEpoch = arrival.time_since_epoch();
  const auto periods = (sinceEpoch + period - TimePoint::duration(1)) / period;
  return TimePoint(periods * period);
}
