#include "tools/radiosim/pseudo_terminal_line.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "radio/deadline.h"
#include "tools/radiosim/pseudo_terminal.h"

namespace {

// While the cable is to be pulled, the program gets this long to take the last reply.
constexpr int kLastReplyGraceMs = 500;
// How soon a write the pty refused (its buffer full) or a pending pull is tried again.
constexpr int kRetryMs = 2;

}  // namespace

// What only the line's thread touches once it runs.
struct PseudoTerminalLine::Pty {
  Pty() {
    if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
      throw std::system_error(errno, std::generic_category(), "pipe2");
    }
  }
  ~Pty() {
    close(wake[0]);
    close(wake[1]);
  }

  PseudoTerminal terminal;
  std::unique_ptr<SlaveLink> link;
  int wake[2] = {-1, -1};
  // Reply bytes due that the pty's full buffer did not take yet.
  ByteString pending;
  std::optional<RadioSimulator::TimePoint> pullDueSince;
};

PseudoTerminalLine::PseudoTerminalLine(RadioSimulator& radio) : radio_(radio) {}

PseudoTerminalLine::~PseudoTerminalLine() {
  radio_.SetWakeUp(nullptr);
  stopping_ = true;
  Wake();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void PseudoTerminalLine::SetLinkPath(const std::string& path) {
  linkPath_ = path;
}

void PseudoTerminalLine::Start() {
  if (pty_) {
    throw std::logic_error("the radio simulator is already running");
  }
  auto pty = std::make_unique<Pty>();
  pty->terminal.GiveToSudoUser();
  if (!linkPath_.empty()) {
    pty->link = std::make_unique<SlaveLink>(linkPath_, pty->terminal.SlavePath());
  }
  portPath_ = pty->terminal.SlavePath();
  pty_ = std::move(pty);
  radio_.SetWakeUp([this] { Wake(); });
  thread_ = std::thread(&PseudoTerminalLine::Run, this);
}

void PseudoTerminalLine::Wake() const {
  if (pty_) {
    const char byte = 0;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t ignored = write(pty_->wake[1], &byte, 1);
  }
}

void PseudoTerminalLine::Run() {
  Pty& pty = *pty_;
  for (;;) {
    const auto now = SteadyClock::now();
    std::optional<RadioSimulator::TimePoint> wake = radio_.NextEvent();
    // A byte the pty refused, or a pull waiting for the program to take the last reply, is
    // tried again a little later rather than in a spin.
    if (!pty.pending.empty() || radio_.CableDueToBePulled()) {
      const auto retry = now + std::chrono::milliseconds(kRetryMs);
      wake = wake ? std::min(*wake, retry) : retry;
    }
    pollfd ready[2] = {{pty.terminal.Master(), POLLIN, 0}, {pty.wake[0], POLLIN, 0}};
    // To the microsecond: a wait in whole milliseconds would send each byte up to a
    // millisecond late, and the line would look slower than it is.
    std::optional<timespec> timeout;
    if (wake) {
      timeout = TimespecUntil(now, *wake);
    }
    ppoll(ready, 2, timeout ? &*timeout : nullptr, nullptr);
    char drained[64];
    while (read(pty.wake[0], drained, sizeof drained) > 0) {
    }
    if (stopping_) {
      return;
    }
    const auto heard = SteadyClock::now();
    std::uint8_t received[256];
    ssize_t got = 0;
    while ((ready[0].revents & POLLIN) != 0 &&
           (got = read(pty.terminal.Master(), received, sizeof received)) > 0) {
      radio_.Hear(ByteString(received, received + got), heard);
    }

    const RadioSimulator::Output output = radio_.Speak(heard);
    pty.pending.insert(pty.pending.end(), output.reply.begin(), output.reply.end());
    if (!pty.pending.empty()) {
      const ssize_t written = write(pty.terminal.Master(), pty.pending.data(), pty.pending.size());
      if (written > 0) {
        pty.pending.erase(pty.pending.begin(), pty.pending.begin() + written);
      }
    }
    if (output.filler) {
      // A full pty buffer just loses the filler byte.
      [[maybe_unused]] const ssize_t ignored =
          write(pty.terminal.Master(), &RadioSimulator::kFillerByte, 1);
    }
    if (PullCableIfDue(heard)) {
      return;
    }
  }
}

bool PseudoTerminalLine::PullCableIfDue(RadioSimulator::TimePoint now) {
  Pty& pty = *pty_;
  if (!radio_.CableDueToBePulled() || !pty.pending.empty()) {
    pty.pullDueSince.reset();
    return false;
  }
  if (!pty.pullDueSince) {
    pty.pullDueSince = now;
  }
  // Closing the master flushes what the program has not read yet; give it the last reply.
  if (pty.terminal.SlaveInputPending() &&
      now - *pty.pullDueSince < std::chrono::milliseconds(kLastReplyGraceMs)) {
    return false;
  }
  // Marked first: whoever sees the hang-up must find the cable pulled.
  radio_.CableWasPulled();
  pty.terminal.CloseMaster();
  return true;
}
