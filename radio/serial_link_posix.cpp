#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>

#include "radio/low_latency.h"
#include "radio/serial_link.h"
#include "radio/serial_system.h"

namespace {

constexpr std::uint8_t kXonCharacter = 0x11;
constexpr std::uint8_t kXoffCharacter = 0x13;

int Fd(SerialPortHandle port) {
  return static_cast<int>(port);
}

// The driver flags each open port had before low latency was asked for, to put back on
// close; the handle is a bare descriptor, so they are kept beside it, for every link of
// every thread.
std::map<int, int> flagsBeforeLowLatency;
std::mutex flagsBeforeLowLatencyMutex;

// What a failed call on an open port means: the device gone, or a plain refusal.
SerialError IoFailure(int error) {
  if (error == EIO || error == ENXIO || error == ENODEV) {
    return {SerialError::LineLost};
  }
  return {SerialError::System, std::strerror(error)};
}

SerialError OpenFailure(int error) {
  if (error == EWOULDBLOCK || error == EBUSY) {
    return {SerialError::PortBusy};
  }
  if (error == ENOTTY) {
    return {SerialError::NotASerialPort};
  }
  if (error == EACCES || error == EPERM) {
    return {SerialError::AccessDenied, std::strerror(error)};
  }
  return {SerialError::System, std::strerror(error)};
}

// 0, or the errno of the first check that refuses the device.
int ClaimPort(int fd) {
  if (!isatty(fd)) {
    return ENOTTY;
  }
  // Lock before taking exclusivity, so a refused open leaves the holder's tty untouched.
  // The lock is what stops a second open by root, for whom TIOCEXCL does not count.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    return errno;
  }
  return ioctl(fd, TIOCEXCL) == 0 ? 0 : errno;
}

struct SpeedCode {
  int baud;
  speed_t code;
};
constexpr SpeedCode kSpeeds[] = {{1200, B1200},   {2400, B2400},    {4800, B4800},
                                 {9600, B9600},   {19200, B19200},  {38400, B38400},
                                 {57600, B57600}, {115200, B115200}};

constexpr tcflag_t kCharacterSizes[] = {CS5, CS6, CS7, CS8};
constexpr int kFewestDataBits = 5;

// c_cflag parity bits, in the order of SerialSystem::Parity.
constexpr tcflag_t kParityFlags[] = {0, PARENB | PARODD, PARENB, PARENB | CMSPAR | PARODD,
                                     PARENB | CMSPAR};

bool HasHungUp(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, 0) > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

enum class Wait { Readable, TimedOut, HungUp, Failed };

// Poll for input until the deadline; a signal does not end the wait early. To the
// microsecond, since a wait in whole milliseconds would stretch every quiet gap.
Wait WaitForInput(int fd, SteadyClock::time_point deadline) {
  for (;;) {
    pollfd entry{fd, POLLIN, 0};
    const timespec timeout = TimespecUntil(SteadyClock::now(), deadline);
    const int ready = ppoll(&entry, 1, &timeout, nullptr);
    if (ready > 0) {
      return (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 ? Wait::HungUp : Wait::Readable;
    }
    if (ready == 0) {
      return Wait::TimedOut;
    }
    if (errno != EINTR) {
      return Wait::Failed;
    }
  }
}

// Bytes in the driver's input queue, or -1 with errno set.
int QueuedInput(int fd) {
  int count = 0;
  return ioctl(fd, FIONREAD, &count) == 0 ? count : -1;
}

}  // namespace

std::string DevicePathForName(const std::string& name) {
  const int number = ComNumber(name);
  return number >= 1 ? "/dev/ttyS" + std::to_string(number - 1) : name;
}

namespace {

class PosixSerialSystem final : public SerialSystem {
 public:
  SerialError Open(const std::string& devicePath, SerialPortHandle& port) override;
  SerialError SetModemLine(SerialPortHandle port, ModemLine line, bool asserted) override;
  SerialError Configure(SerialPortHandle port, const LineSettings& settings) override;
  SerialError Send(SerialPortHandle port, const ByteString& bytes) override;
  SerialError Receive(SerialPortHandle port, SteadyClock::time_point deadline,
                      ByteString& received) override;
  SerialError Purge(SerialPortHandle port) override;
  void Release(SerialPortHandle port) override;
};

SerialError PosixSerialSystem::Open(const std::string& devicePath, SerialPortHandle& port) {
  // Non-blocking so that the open never waits for carrier on a modem line.
  const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  const int error = fd < 0 ? errno : ClaimPort(fd);
  if (error != 0) {
    if (fd >= 0) {
      close(fd);
    }
    return OpenFailure(error);
  }
  port = fd;
  if (const auto flags = RequestLowLatency(fd)) {
    const std::lock_guard lock(flagsBeforeLowLatencyMutex);
    flagsBeforeLowLatency[fd] = *flags;
  }
  return {};
}

SerialError PosixSerialSystem::SetModemLine(SerialPortHandle port, ModemLine line, bool asserted) {
  int bits = line == ModemLine::Rts ? TIOCM_RTS : TIOCM_DTR;
  if (ioctl(Fd(port), asserted ? TIOCMBIS : TIOCMBIC, &bits) != 0) {
    return {SerialError::System, std::strerror(errno)};
  }
  return {};
}

SerialError PosixSerialSystem::Configure(SerialPortHandle port, const LineSettings& settings) {
  termios line{};
  if (tcgetattr(Fd(port), &line) != 0) {
    return IoFailure(errno);
  }
  const auto speed =
      std::find_if(std::begin(kSpeeds), std::end(kSpeeds),
                   [&settings](const SpeedCode& entry) { return entry.baud == settings.baud; });
  const int sizeIndex = settings.dataBits - kFewestDataBits;
  if (speed == std::end(kSpeeds) || sizeIndex < 0 || sizeIndex >= std::ssize(kCharacterSizes)) {
    return IoFailure(EINVAL);
  }
  cfsetispeed(&line, speed->code);
  cfsetospeed(&line, speed->code);

  // Every byte passes through unchanged: no line editing, echo, signals or translation.
  line.c_iflag &= ~(IGNBRK | BRKINT | IGNPAR | PARMRK | INPCK | ISTRIP | INLCR | IGNCR | ICRNL |
                    IXON | IXOFF | IXANY);
  line.c_oflag &= ~OPOST;
  line.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
  line.c_cflag &= ~(CSIZE | CSTOPB | CRTSCTS);
  line.c_cflag |= kCharacterSizes[sizeIndex] | CLOCAL | CREAD;
  if (settings.parity) {
    line.c_cflag = (line.c_cflag & ~(PARENB | PARODD | CMSPAR)) |
                   kParityFlags[static_cast<int>(*settings.parity)];
  }
  if ((line.c_cflag & PARENB) != 0) {
    line.c_iflag |= INPCK;
  }
  // Stop-bit codes 1 (one and a half) and 2 (two) both need CSTOPB; the driver gives one
  // and a half only with five data bits.
  if (settings.stopBits == 1 || settings.stopBits == 2) {
    line.c_cflag |= CSTOPB;
  }
  if (settings.softwareFlow) {
    line.c_iflag |= IXON | IXOFF;
  }
  if (settings.hardwareFlow) {
    line.c_cflag |= CRTSCTS;
  }
  line.c_cc[VSTART] = kXonCharacter;
  line.c_cc[VSTOP] = kXoffCharacter;
  // Reads only ever take what is queued; the waiting is done with poll.
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  if (tcsetattr(Fd(port), TCSANOW, &line) != 0) {
    return IoFailure(errno);
  }
  return {};
}

SerialError PosixSerialSystem::Send(SerialPortHandle port, const ByteString& bytes) {
  const int fd = Fd(port);
  const auto deadline = DeadlineAfterMs(SteadyLinkClock(), TBlockSerial::kDeadlockTimeoutMs);
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + sent, bytes.size() - sent);
    if (written > 0) {
      sent += static_cast<std::size_t>(written);
      continue;
    }
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written < 0 && errno != EAGAIN) {
      return IoFailure(errno);
    }
    // The driver's output queue is full: wait for room, but not for ever.
    pollfd entry{fd, POLLOUT, 0};
    const int ready = poll(&entry, 1, MillisecondsUntil(SteadyClock::now(), deadline));
    if (ready == 0) {
      tcflush(fd, TCOFLUSH);
      return {SerialError::TimedOut};
    }
    if (ready > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      return IoFailure(EIO);
    }
  }
  // Return only once the bytes are on the line, so the caller's quiet gap starts after
  // the command has gone out rather than when it was queued.
  while (tcdrain(fd) != 0) {
    if (errno != EINTR) {
      return IoFailure(errno);
    }
  }
  return {};
}

SerialError PosixSerialSystem::Receive(SerialPortHandle port, SteadyClock::time_point deadline,
                                       ByteString& received) {
  const int fd = Fd(port);
  int queued = QueuedInput(fd);
  bool hungUp = false;
  if (queued == 0) {
    switch (WaitForInput(fd, deadline)) {
      case Wait::TimedOut:
        return {SerialError::TimedOut};
      case Wait::Failed:
        return IoFailure(errno);
      case Wait::HungUp:
        hungUp = true;
        break;
      case Wait::Readable:
        break;
    }
    queued = QueuedInput(fd);
  }
  if (queued < 0) {
    // A hung-up tty refuses even the count.
    return IoFailure(hungUp ? EIO : errno);
  }

  received.resize(static_cast<std::size_t>(queued));
  std::size_t taken = 0;
  int error = 0;
  while (taken < received.size()) {
    const ssize_t got = read(fd, received.data() + taken, received.size() - taken);
    if (got > 0) {
      taken += static_cast<std::size_t>(got);
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      // With VMIN and VTIME at 0 a read of an empty queue also returns 0, so only a
      // hang-up reported by poll makes that a lost line.
      if (got < 0 && errno != EAGAIN) {
        error = errno;
      } else if (HasHungUp(fd)) {
        hungUp = true;
      }
      break;
    }
  }
  received.resize(taken);
  if (hungUp) {
    error = EIO;
  }
  if (error != 0) {
    return IoFailure(error);
  }
  return received.empty() ? SerialError{SerialError::TimedOut} : SerialError{};
}

SerialError PosixSerialSystem::Purge(SerialPortHandle port) {
  return tcflush(Fd(port), TCIOFLUSH) == 0 ? SerialError{} : IoFailure(errno);
}

void PosixSerialSystem::Release(SerialPortHandle port) {
  // Exclusivity belongs to the tty, not to this descriptor: left set, it outlives this
  // link wherever the tty stays open (a simulator's own slave side), and no other user
  // could open the port again.
  ioctl(Fd(port), TIOCNXCL);
  std::optional<int> saved;
  {
    const std::lock_guard lock(flagsBeforeLowLatencyMutex);
    if (const auto entry = flagsBeforeLowLatency.extract(Fd(port))) {
      saved = entry.mapped();
    }
  }
  if (saved) {
    RestoreSerialFlags(Fd(port), *saved);
  }
  close(Fd(port));
}

}  // namespace

SerialSystem& PlatformSerialSystem() {
  static PosixSerialSystem system;
  return system;
}
