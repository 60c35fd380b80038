#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "radio/deadline.h"
#include "radio/serial_link.h"

struct TBlockSerial::Platform {
  int fd = -1;
};

namespace {

constexpr std::uint8_t kXonCharacter = 0x11;
constexpr std::uint8_t kXoffCharacter = 0x13;

bool MeansLineLost(int error) {
  return error == EIO || error == ENXIO || error == ENODEV;
}

std::string OpenFailureText(int error) {
  if (error == EWOULDBLOCK || error == EBUSY) {
    return "the port is in use by another program";
  }
  if (error == ENOTTY) {
    return "not a serial port";
  }
  return std::strerror(error);
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

int SetModemLine(int fd, unsigned long request, int line) {
  return ioctl(fd, request, &line) == 0 ? 0 : errno;
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

// Parity bits of c_cflag for a parity letter; false for a letter that names none, which
// leaves the line's parity as it is.
bool ParityFlagsFor(char parity, tcflag_t& flags) {
  switch (std::toupper(static_cast<unsigned char>(parity))) {
    case 'N':
      flags = 0;
      return true;
    case 'O':
      flags = PARENB | PARODD;
      return true;
    case 'E':
      flags = PARENB;
      return true;
    case 'M':
      flags = PARENB | CMSPAR | PARODD;
      return true;
    case 'S':
      flags = PARENB | CMSPAR;
      return true;
    default:
      return false;
  }
}

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
    const timespec timeout = TimespecUntil(deadline);
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

TBlockSerial::TBlockSerial() : platform_(std::make_unique<Platform>()) {}

TBlockSerial::~TBlockSerial() {
  ClosePort();
}

void TBlockSerial::RecordIoError(int error) {
  if (MeansLineLost(error)) {
    lineLost_ = true;
    lastError_ = kErrLineLost;
  } else {
    lastError_ = error;
  }
}

void TBlockSerial::OpenPort(const std::string& name) {
  if (isOpen_) {
    lastError_ = kErrAlreadyOpen;
    return;
  }
  deviceName_ = DevicePathForName(name);
  // Non-blocking so that the open never waits for carrier on a modem line.
  const int fd = open(deviceName_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  const int error = fd < 0 ? errno : ClaimPort(fd);
  if (error != 0) {
    if (fd >= 0) {
      close(fd);
    }
    lastError_ = error;
    portNumber_ = -1;
    openFailureReason_ = OpenFailureText(error);
    openFailedForPermission_ = error == EACCES || error == EPERM;
    return;
  }
  platform_->fd = fd;
  portNumber_ = PortNumberForName(name);
  openFailureReason_.clear();
  openFailedForPermission_ = false;
  lineLost_ = false;
  isOpen_ = true;
  // A pseudo-terminal has no modem lines; these then only set the last-error code.
  lastError_ = SetModemLine(fd, TIOCMBIS, TIOCM_RTS);
  lastError_ = SetModemLine(fd, TIOCMBIS, TIOCM_DTR);
  PurgeBuffers();
}

void TBlockSerial::ConfigureLine(int baud, int dataBits, char parity, int stopBits,
                                 bool softwareFlow, bool hardwareFlow) {
  if (!isOpen_) {
    lastError_ = kErrNotOpen;
    return;
  }
  termios line{};
  if (tcgetattr(platform_->fd, &line) != 0) {
    RecordIoError(errno);
    return;
  }
  const auto speed = std::find_if(std::begin(kSpeeds), std::end(kSpeeds),
                                  [baud](const SpeedCode& entry) { return entry.baud == baud; });
  const int sizeIndex = dataBits - kFewestDataBits;
  if (speed == std::end(kSpeeds) || sizeIndex < 0 || sizeIndex >= std::ssize(kCharacterSizes)) {
    lastError_ = EINVAL;
    return;
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
  if (tcflag_t parityFlags = 0; ParityFlagsFor(parity, parityFlags)) {
    line.c_cflag = (line.c_cflag & ~(PARENB | PARODD | CMSPAR)) | parityFlags;
  }
  if ((line.c_cflag & PARENB) != 0) {
    line.c_iflag |= INPCK;
  }
  // Stop-bit codes 1 (one and a half) and 2 (two) both need CSTOPB; the driver gives one
  // and a half only with five data bits.
  if (stopBits == 1 || stopBits == 2) {
    line.c_cflag |= CSTOPB;
  }
  if (softwareFlow) {
    line.c_iflag |= IXON | IXOFF;
  }
  if (hardwareFlow) {
    line.c_cflag |= CRTSCTS;
  }
  line.c_cc[VSTART] = kXonCharacter;
  line.c_cc[VSTOP] = kXoffCharacter;
  // Reads only ever take what is queued; the waiting is done with poll.
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  if (tcsetattr(platform_->fd, TCSANOW, &line) != 0) {
    RecordIoError(errno);
    return;
  }
  lastError_ = 0;
}

void TBlockSerial::SendBytes(const ByteString& bytes) {
  if (!ReadyForTransfer()) {
    return;
  }
  const int fd = platform_->fd;
  const auto deadline = DeadlineAfterMs(kDeadlockTimeoutMs);
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
      RecordIoError(errno);
      return;
    }
    // The driver's output queue is full: wait for room, but not for ever.
    pollfd entry{fd, POLLOUT, 0};
    const int ready = poll(&entry, 1, MillisecondsUntil(deadline));
    if (ready == 0) {
      tcflush(fd, TCOFLUSH);
      lastError_ = kErrTimeout;
      return;
    }
    if (ready > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      RecordIoError(EIO);
      return;
    }
  }
  // Return only once the bytes are on the line, so the caller's quiet gap starts after
  // the command has gone out rather than when it was queued.
  while (tcdrain(fd) != 0) {
    if (errno != EINTR) {
      RecordIoError(errno);
      return;
    }
  }
  lastError_ = 0;
}

ByteString TBlockSerial::ReceiveBefore(SteadyClock::time_point deadline) {
  if (!ReadyForTransfer()) {
    return {};
  }
  const int fd = platform_->fd;
  int queued = QueuedInput(fd);
  bool hungUp = false;
  if (queued == 0) {
    switch (WaitForInput(fd, deadline)) {
      case Wait::TimedOut:
        lastError_ = kErrTimeout;
        return {};
      case Wait::Failed:
        RecordIoError(errno);
        return {};
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
    RecordIoError(hungUp ? EIO : errno);
    return {};
  }

  ByteString received(static_cast<std::size_t>(queued));
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
    RecordIoError(error);
  } else {
    lastError_ = received.empty() ? kErrTimeout : 0;
  }
  return received;
}

void TBlockSerial::PurgeBuffers() {
  if (!isOpen_) {
    lastError_ = kErrNotOpen;
    return;
  }
  if (tcflush(platform_->fd, TCIOFLUSH) != 0) {
    RecordIoError(errno);
    return;
  }
  lastError_ = 0;
}

void TBlockSerial::ClosePort() {
  if (const int fd = platform_->fd; fd >= 0) {
    tcflush(fd, TCIOFLUSH);
    SetModemLine(fd, TIOCMBIC, TIOCM_RTS);
    SetModemLine(fd, TIOCMBIC, TIOCM_DTR);
    // Exclusivity belongs to the tty, not to this descriptor: left set, it outlives this
    // link wherever the tty stays open (a simulator's own slave side), and no other user
    // could open the port again.
    ioctl(fd, TIOCNXCL);
    close(fd);
    platform_->fd = -1;
  }
  isOpen_ = false;
  portNumber_ = -1;
  lastError_ = 0;
}
