#include <linux/serial.h>
#include <sys/ioctl.h>

#include "radio/low_latency.h"

std::optional<int> RequestLowLatency(int fd) {
  serial_struct serial{};
  if (ioctl(fd, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY) != 0) {
    return std::nullopt;
  }
  const int previous = serial.flags;
  serial.flags |= ASYNC_LOW_LATENCY;
  if (ioctl(fd, TIOCSSERIAL, &serial) != 0) {
    return std::nullopt;
  }
  return previous;
}

void RestoreSerialFlags(int fd, int flags) {
  serial_struct serial{};
  if (ioctl(fd, TIOCGSERIAL, &serial) == 0) {
    serial.flags = flags;
    ioctl(fd, TIOCSSERIAL, &serial);
  }
}
