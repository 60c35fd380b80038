#include "tools/radiosim/radio_simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <stdexcept>
#include <system_error>

#include "radio/deadline.h"
#include "radio/protocol.h"
#include "tools/radiosim/hex_text.h"
#include "tools/radiosim/memory_image.h"
#include "tools/radiosim/pseudo_terminal.h"

namespace {

// While the cable is to be pulled, the program gets this long to take the last reply.
constexpr int kLastReplyGraceMs = 500;
// What a radio answers to a write it will not store.
constexpr std::uint8_t kRefusal = 0x15;
// How soon a write the pty refused (its buffer full) or a pending pull is tried again.
constexpr int kRetryMs = 2;

SteadyClock::duration Milliseconds(double ms) {
  return std::chrono::duration_cast<SteadyClock::duration>(
      std::chrono::duration<double, std::milli>(ms));
}

const ByteString& IdentityOf(RadioVariant variant) {
  switch (variant) {
    case RadioVariant::E2:
      return ModelIdE2;
    case RadioVariant::T:
      return ModelIdT;
    case RadioVariant::E:
      break;
  }
  return ModelIdE;
}

struct TimedByte {
  SteadyClock::time_point due;
  std::uint8_t byte;
};

void SendDueBytes(std::deque<TimedByte>& output, int master, SteadyClock::time_point now) {
  ByteString due;
  for (auto next = output.begin(); next != output.end() && next->due <= now; ++next) {
    due.push_back(next->byte);
  }
  if (due.empty()) {
    return;
  }
  const ssize_t written = write(master, due.data(), due.size());
  if (written > 0) {
    output.erase(output.begin(), output.begin() + written);
  }
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
  std::optional<ReadCut> readCut;
  bool neverQuiet = false;
  std::optional<std::size_t> neverQuietFrom;
  ByteString noise;
  std::map<SimCommand, ByteString> extraBytes;
  std::map<SimCommand, Delay> delays;
  // Commands still to be answered before the cable is pulled.
  std::optional<std::size_t> pullAfter;
};

// What only the simulator's thread touches once it runs.
struct RadioSimulator::Line {
  Line() {
    if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
      throw std::system_error(errno, std::generic_category(), "pipe2");
    }
  }
  ~Line() {
    close(wake[0]);
    close(wake[1]);
  }

  PseudoTerminal pty;
  std::unique_ptr<SlaveLink> link;
  int wake[2] = {-1, -1};
  ByteString input;
  // When the bytes at the front of input arrived: the command's line time counts from
  // there, since the pty delivers a whole command at once.
  SteadyClock::time_point inputStart;
  SteadyClock::time_point lastInput;
  std::deque<TimedByte> output;
  SteadyClock::time_point lineFreeAt;
  // The adapter's latency timer runs from here, whatever the line carries.
  SteadyClock::time_point burstClockStart = SteadyClock::now();
  SteadyClock::time_point nextFiller;
  std::optional<SteadyClock::time_point> pullDueSince;
  bool bareAckSent = false;
};

RadioSimulator::RadioSimulator(RadioVariant variant)
    : variant_(variant), memory_(DefaultRadioMemory()), faults_(std::make_unique<Faults>()) {}

RadioSimulator::~RadioSimulator() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  Wake();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void RadioSimulator::SetLinkPath(const std::string& path) {
  linkPath_ = path;
}

void RadioSimulator::SetCommandObserver(std::function<void(const ByteString&)> observer) {
  commandObserver_ = std::move(observer);
}

void RadioSimulator::SetNoteObserver(std::function<void(const std::string&)> observer) {
  noteObserver_ = std::move(observer);
}

void RadioSimulator::Start() {
  if (line_) {
    throw std::logic_error("the radio simulator is already running");
  }
  auto line = std::make_unique<Line>();
  line->pty.GiveToSudoUser();
  if (!linkPath_.empty()) {
    line->link = std::make_unique<SlaveLink>(linkPath_, line->pty.SlavePath());
  }
  portPath_ = line->pty.SlavePath();
  line_ = std::move(line);
  thread_ = std::thread(&RadioSimulator::Run, this);
}

void RadioSimulator::Wake() const {
  if (line_) {
    const char byte = 0;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t ignored = write(line_->wake[1], &byte, 1);
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

struct RadioSimulator::Reports {
  std::vector<ByteString> commands;
  std::vector<std::string> notes;
};

void RadioSimulator::Run() {
  Line& line = *line_;
  for (;;) {
    std::optional<SteadyClock::time_point> wake;
    {
      std::lock_guard lock(mutex_);
      wake = NextWake(line);
    }
    pollfd ready[2] = {{line.pty.Master(), POLLIN, 0}, {line.wake[0], POLLIN, 0}};
    // To the microsecond: a wait in whole milliseconds would send each byte up to a
    // millisecond late, and the line would look slower than it is.
    std::optional<timespec> timeout;
    if (wake) {
      timeout = TimespecUntil(SteadyClock::now(), *wake);
    }
    ppoll(ready, 2, timeout ? &*timeout : nullptr, nullptr);
    char drained[64];
    while (read(line.wake[0], drained, sizeof drained) > 0) {
    }
    const auto now = SteadyClock::now();
    std::uint8_t received[256];
    ssize_t got = 0;
    while ((ready[0].revents & POLLIN) != 0 &&
           (got = read(line.pty.Master(), received, sizeof received)) > 0) {
      if (line.input.empty()) {
        line.inputStart = now;
      }
      line.input.insert(line.input.end(), received, received + got);
      line.lastInput = now;
    }

    Reports reports;
    bool pulled = false;
    {
      std::lock_guard lock(mutex_);
      if (stopping_) {
        return;
      }
      ParseInput(line, reports);
      if (!line.input.empty() &&
          now - line.lastInput >= std::chrono::milliseconds(kIncompleteCommandTimeoutMs)) {
        reports.notes.push_back("dropped incomplete command " + HexText(line.input));
        line.input.clear();
      }
      SendDueBytes(line.output, line.pty.Master(), now);
      SendFiller(line);
      pulled = PullCableIfDue(line, reports);
    }
    for (const ByteString& command : reports.commands) {
      if (commandObserver_) {
        commandObserver_(command);
      }
    }
    for (const std::string& note : reports.notes) {
      if (noteObserver_) {
        noteObserver_(note);
      }
    }
    if (pulled) {
      return;
    }
  }
}

std::optional<SteadyClock::time_point> RadioSimulator::NextWake(const Line& line) const {
  const auto now = SteadyClock::now();
  std::optional<SteadyClock::time_point> next;
  const auto consider = [&next](SteadyClock::time_point at) {
    if (!next || at < *next) {
      next = at;
    }
  };
  if (!line.output.empty()) {
    // A byte still due after a send found the pty's buffer full: try again a little later
    // rather than spin. Any other byte goes out when it is due.
    const auto due = line.output.front().due;
    consider(due <= now ? now + std::chrono::milliseconds(kRetryMs) : due);
  }
  if (!line.input.empty()) {
    consider(line.lastInput + std::chrono::milliseconds(kIncompleteCommandTimeoutMs));
  }
  if (faults_->neverQuiet) {
    consider(line.nextFiller);
  }
  if (faults_->pullAfter == 0u) {
    consider(now + std::chrono::milliseconds(kRetryMs));
  }
  return next;
}

void RadioSimulator::ParseInput(Line& line, Reports& reports) {
  ByteString skipped;
  for (;;) {
    const ParsedCommand command = ParseCommand(line.input);
    if (command.status == ParsedCommand::NoCommand) {
      skipped.push_back(line.input.front());
      line.input.erase(line.input.begin());
      continue;
    }
    if (!skipped.empty()) {
      reports.notes.push_back("skipped " + HexText(skipped));
      skipped.clear();
    }
    if (command.status == ParsedCommand::Incomplete) {
      return;
    }
    const auto end = line.input.begin() + static_cast<std::ptrdiff_t>(command.length);
    const ByteString bytes(line.input.begin(), end);
    line.input.erase(line.input.begin(), end);
    HandleCommand(line, command, bytes, reports);
    line.inputStart = line.lastInput;
  }
}

void RadioSimulator::HandleCommand(Line& line, const ParsedCommand& command,
                                   const ByteString& bytes, Reports& reports) {
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
    line.bareAckSent = false;
    return;
  }
  Schedule(line, command, ReplyTo(command, bytes, line, reports));
}

ByteString RadioSimulator::ReplyTo(const ParsedCommand& command, const ByteString& bytes,
                                   Line& line, Reports& reports) {
  const bool resend = line.bareAckSent;
  line.bareAckSent = false;
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
        line.bareAckSent = true;
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
    reply = {kRefusal};
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

void RadioSimulator::Schedule(Line& line, const ParsedCommand& command, const ByteString& reply) {
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
  // The pty hands over a command at once; a real line would still be carrying it.
  double delayMs = static_cast<double>(command.length) * byteTimeMs + reactionDelayMs_;
  if (const auto extra = faults_->delays.find(command.kind);
      extra != faults_->delays.end() &&
      (!extra->second.address || *extra->second.address == command.address)) {
    delayMs += extra->second.ms;
  }
  const auto start = std::max(line.inputStart + Milliseconds(delayMs), line.lineFreeAt);
  const auto split = faults_->splits.find(command.kind);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // Each byte from the reply's start, not from the byte before, so no drift adds up.
    double atMs = static_cast<double>(i + 1) * byteTimeMs;
    if (split != faults_->splits.end() && i >= split->second.afterBytes) {
      atMs += split->second.gapMs;
    }
    line.lineFreeAt = start + Milliseconds(atMs);
    line.output.push_back({NextBurst(line, line.lineFreeAt), bytes[i]});
  }
}

SteadyClock::time_point RadioSimulator::NextBurst(const Line& line,
                                                  SteadyClock::time_point arrival) const {
  if (burstMs_ == 0 || arrival <= line.burstClockStart) {
    return arrival;
  }
  const auto period = std::chrono::milliseconds(burstMs_);
  const auto periods =
      (arrival - line.burstClockStart + period - SteadyClock::duration(1)) / period;
  return line.burstClockStart + periods * period;
}

void RadioSimulator::SendFiller(Line& line) {
  const auto now = SteadyClock::now();
  if (!faults_->neverQuiet || now < line.nextFiller) {
    return;
  }
  // A full pty buffer just loses the filler byte.
  [[maybe_unused]] const ssize_t ignored = write(line.pty.Master(), &kFillerByte, 1);
  line.nextFiller = now + std::chrono::milliseconds(kNeverQuietIntervalMs);
}

bool RadioSimulator::PullCableIfDue(Line& line, Reports& reports) {
  if (faults_->pullAfter != 0u || !line.output.empty()) {
    line.pullDueSince.reset();
    return false;
  }
  const auto now = SteadyClock::now();
  if (!line.pullDueSince) {
    line.pullDueSince = now;
  }
  // Closing the master flushes what the program has not read yet; give it the last reply.
  if (line.pty.SlaveInputPending() &&
      now - *line.pullDueSince < std::chrono::milliseconds(kLastReplyGraceMs)) {
    return false;
  }
  line.pty.CloseMaster();
  faults_->pullAfter.reset();
  cablePulled_ = true;
  reports.notes.push_back("cable pulled");
  return true;
}
