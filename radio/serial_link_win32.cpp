#include <windows.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string>
#include <utility>

#include "radio/serial_link.h"
#include "radio/serial_system.h"

namespace {

constexpr char kXonCharacter = 0x11;
constexpr char kXoffCharacter = 0x13;
// Reads are only ever asked for bytes already queued; the interval time-out just keeps a
// read from returning between two of them.
constexpr DWORD kReadIntervalTimeoutMs = 65535;
constexpr DWORD kLineErrors = CE_FRAME | CE_OVERRUN | CE_RXPARITY | CE_TXFULL;
constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;

// DCB parity codes, in the order of SerialSystem::Parity.
constexpr BYTE kParityCodes[] = {NOPARITY, ODDPARITY, EVENPARITY, MARKPARITY, SPACEPARITY};

HANDLE Native(SerialPortHandle port) {
  return reinterpret_cast<HANDLE>(port);
}

std::string SystemMessage(DWORD error) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() &&
         (std::isspace(static_cast<unsigned char>(message.back())) || message.back() == '.')) {
    message.pop_back();
  }
  return message.empty() ? "system error " + std::to_string(error) : message;
}

// What a USB adapter pulled out, or a driver that gave up, answers on an open handle.
// Wine answers "not ready" once the far side of a pseudo-terminal has gone.
SerialError IoFailure(DWORD error) {
  if (error == ERROR_ACCESS_DENIED || error == ERROR_BAD_COMMAND || error == ERROR_GEN_FAILURE ||
      error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_DEVICE_REMOVED ||
      error == ERROR_OPERATION_ABORTED || error == ERROR_NOT_READY) {
    return {SerialError::LineLost};
  }
  return {SerialError::System, SystemMessage(error)};
}

SerialError OpenFailure(DWORD error) {
  // Windows refuses a port that another program holds with "access denied"; Wine, for a
  // device that a Linux program holds exclusively, with a lock violation.
  if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
      error == ERROR_LOCK_VIOLATION) {
    return {SerialError::PortBusy};
  }
  if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED) {
    return {SerialError::NotASerialPort};
  }
  return {SerialError::System, SystemMessage(error)};
}

// No write time-out, and reads that return what is queued without waiting.
void SetQueuedBytesTimeouts(HANDLE handle) {
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = kReadIntervalTimeoutMs;
  SetCommTimeouts(handle, &timeouts);
}

struct InputQueue {
  int count = -1;  // -1 when the driver could not be asked
  DWORD error = 0;
  bool lineError = false;  // framing, overrun, parity or full transmit queue
};

// Also clears the driver's line-error flags, as reading them does.
InputQueue QueuedInput(HANDLE handle) {
  InputQueue queue;
  DWORD errors = 0;
  COMSTAT status{};
  if (!ClearCommError(handle, &errors, &status)) {
    queue.error = GetLastError();
    return queue;
  }
  queue.count = static_cast<int>(status.cbInQue);
  queue.lineError = (errors & kLineErrors) != 0;
  return queue;
}

// Wine may fill in a finished or cancelled transfer's status, and a read's bytes, some time
// after it has set the transfer's event. An OVERLAPPED on the stack would have that write land
// in a later frame, and a read buffer on the heap in memory given to something else by then
// (the heap's own lists once, and malloc crashed), so each transfer takes the next of a ring
// that lives as long as the thread and comes round again only after many other transfers.
struct TransferSlot {
  OVERLAPPED overlapped{};
  DWORD events = 0;
  std::array<std::uint8_t, TBlockSerial::kInputQueueSize> bytes{};
};
constexpr std::size_t kTransferSlots = 16;
thread_local std::array<TransferSlot, kTransferSlots> transferSlots;
thread_local std::size_t nextTransferSlot = 0;
// How long a transfer whose event is set may still show as pending before it counts as done.
constexpr int kLateFillWaitsMs = 50;

TransferSlot& NextTransferSlot(HANDLE event) {
  TransferSlot& slot = transferSlots[nextTransferSlot++ % kTransferSlots];
  slot.overlapped = OVERLAPPED{};
  slot.overlapped.hEvent = event;
  slot.events = 0;
  return slot;
}

// Waits up to timeoutMs for the received-character event; true when a byte is queued.
bool WaitForData(HANDLE handle, int timeoutMs) {
  const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  SetCommMask(handle, EV_RXCHAR);
  TransferSlot& wait = NextTransferSlot(event);
  bool arrived = QueuedInput(handle).count > 0;
  if (!arrived && WaitCommEvent(handle, &wait.events, &wait.overlapped)) {
    arrived = (wait.events & EV_RXCHAR) != 0;
  } else if (!arrived && GetLastError() == ERROR_IO_PENDING) {
    WaitForSingleObject(event, static_cast<DWORD>(timeoutMs));
    // An empty mask ends the pending wait.
    SetCommMask(handle, 0);
    DWORD unused = 0;
    arrived = GetOverlappedResult(handle, &wait.overlapped, &unused, TRUE) &&
              (wait.events & EV_RXCHAR) != 0;
  }
  SetCommMask(handle, 0);
  CloseHandle(event);
  // A byte may have come just as the wait ended.
  return arrived || QueuedInput(handle).count > 0;
}

struct ReadOutcome {
  ByteString bytes;
  DWORD error = 0;  // a failed read's system error
  bool timedOut = false;
};

// An overlapped transfer with an event of its own. The port handle would be signalled by
// any of its transfers, and a wait on it could end while this one still runs; it would
// then go on writing into a buffer that is gone.
class PendingTransfer {
 public:
  PendingTransfer()
      : slot_(NextTransferSlot(CreateEventA(nullptr, TRUE, FALSE, nullptr))),
        overlapped_(slot_.overlapped) {}
  ~PendingTransfer() { CloseHandle(overlapped_.hEvent); }
  PendingTransfer(const PendingTransfer&) = delete;
  PendingTransfer& operator=(const PendingTransfer&) = delete;

  OVERLAPPED* get() { return &overlapped_; }
  // Where a read puts its bytes.
  std::uint8_t* Bytes() { return slot_.bytes.data(); }
  static constexpr std::size_t kMaxBytes = TBlockSerial::kInputQueueSize;
  // Waits up to the deadlock time-out; a transfer still pending then is aborted as `abort`
  // says. Either way it has finished when this returns: the bytes it moved.
  DWORD Finish(HANDLE handle, DWORD abort, bool& timedOut) {
    if (WaitForSingleObject(overlapped_.hEvent, TBlockSerial::kDeadlockTimeoutMs) == WAIT_TIMEOUT) {
      PurgeComm(handle, abort);
      timedOut = true;
    }
    // Wine fills in what its event already announced at this thread's next wait; read too
    // early, a finished read would show no bytes.
    for (int waited = 0; !HasOverlappedIoCompleted(&overlapped_) && waited < kLateFillWaitsMs;
         ++waited) {
      Sleep(1);
    }
    DWORD moved = 0;
    GetOverlappedResult(handle, &overlapped_, &moved, TRUE);
    return moved;
  }

 private:
  TransferSlot& slot_;
  OVERLAPPED& overlapped_;
};

// One overlapped read of up to count bytes; a read left pending is abandoned after the
// deadlock time-out with what it got so far.
ReadOutcome ReadOverlapped(HANDLE handle, std::size_t count) {
  ReadOutcome outcome;
  PendingTransfer transfer;
  // What stays queued beyond a full buffer is read the next time.
  count = std::min(count, PendingTransfer::kMaxBytes);
  if (!ReadFile(handle, transfer.Bytes(), static_cast<DWORD>(count), nullptr, transfer.get()) &&
      GetLastError() != ERROR_IO_PENDING) {
    outcome.error = GetLastError();
    return outcome;
  }
  const std::size_t moved =
      std::min<std::size_t>(transfer.Finish(handle, PURGE_RXABORT, outcome.timedOut), count);
  outcome.bytes.assign(transfer.Bytes(), transfer.Bytes() + moved);
  return outcome;
}

// The wait for data without line events: a read of one byte with a total time-out of
// timeoutMs (at least 1; 0 would mean none), then everything queued by then. Wine's and
// Windows' drivers agree on this form; the "return at the first byte" form with MAXDWORD
// multipliers is not honoured by Wine for overlapped reads.
ReadOutcome ReadWhenAvailable(HANDLE handle, int timeoutMs) {
  COMMTIMEOUTS firstByte{};
  firstByte.ReadTotalTimeoutConstant = static_cast<DWORD>(std::max(timeoutMs, 1));
  SetCommTimeouts(handle, &firstByte);
  ReadOutcome outcome = ReadOverlapped(handle, 1);
  SetQueuedBytesTimeouts(handle);
  if (outcome.bytes.empty() || outcome.error != 0) {
    return outcome;
  }
  if (const InputQueue queue = QueuedInput(handle); queue.count > 0) {
    ReadOutcome rest = ReadOverlapped(handle, static_cast<std::size_t>(queue.count));
    outcome.bytes.insert(outcome.bytes.end(), rest.bytes.begin(), rest.bytes.end());
    outcome.error = rest.error;
    outcome.timedOut = rest.timedOut;
  }
  return outcome;
}

}  // namespace

std::string DevicePathForName(const std::string& name) {
  // The device namespace reaches ports above COM9 as well.
  const int number = ComNumber(name);
  return number >= 1 ? "\\\\.\\COM" + std::to_string(number) : name;
}

namespace {

class Win32SerialSystem final : public SerialSystem {
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

SerialError Win32SerialSystem::Open(const std::string& devicePath, SerialPortHandle& port) {
  SetLastError(0);
  const HANDLE handle = CreateFileA(devicePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return OpenFailure(GetLastError());
  }
  DCB line{};
  line.DCBlength = sizeof line;
  if (!GetCommState(handle, &line)) {
    // Opened, but it is no serial port (a file, a printer).
    const DWORD error = GetLastError();
    CloseHandle(handle);
    return OpenFailure(error);
  }
  SetCommMask(handle, 0);
  SetupComm(handle, TBlockSerial::kInputQueueSize, 0);
  SetQueuedBytesTimeouts(handle);
  port = reinterpret_cast<SerialPortHandle>(handle);
  return {};
}

SerialError Win32SerialSystem::SetModemLine(SerialPortHandle port, ModemLine line, bool asserted) {
  const DWORD function =
      line == ModemLine::Rts ? (asserted ? SETRTS : CLRRTS) : (asserted ? SETDTR : CLRDTR);
  return EscapeCommFunction(Native(port), function) ? SerialError{} : IoFailure(GetLastError());
}

SerialError Win32SerialSystem::Configure(SerialPortHandle port, const LineSettings& settings) {
  DCB line{};
  line.DCBlength = sizeof line;
  if (!GetCommState(Native(port), &line)) {
    return IoFailure(GetLastError());
  }
  line.BaudRate = static_cast<DWORD>(settings.baud);
  line.ByteSize = static_cast<BYTE>(settings.dataBits);
  if (settings.parity) {
    line.Parity = kParityCodes[static_cast<int>(*settings.parity)];
  }
  line.StopBits = static_cast<BYTE>(settings.stopBits);
  line.XonChar = kXonCharacter;
  line.XoffChar = kXoffCharacter;
  line.XonLim = TBlockSerial::kInputQueueSize / 4;
  line.XoffLim = TBlockSerial::kInputQueueSize / 4;

  line.fBinary = TRUE;
  line.fParity = line.Parity != NOPARITY;
  line.fOutxCtsFlow = settings.hardwareFlow;
  line.fOutxDsrFlow = FALSE;
  line.fDtrControl = DTR_CONTROL_ENABLE;
  line.fDsrSensitivity = FALSE;
  line.fTXContinueOnXoff = FALSE;
  line.fOutX = settings.softwareFlow;
  line.fInX = settings.softwareFlow;
  line.fErrorChar = FALSE;
  line.fNull = FALSE;
  line.fRtsControl = settings.hardwareFlow ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
  line.fAbortOnError = FALSE;
  return SetCommState(Native(port), &line) ? SerialError{} : IoFailure(GetLastError());
}

SerialError Win32SerialSystem::Send(SerialPortHandle port, const ByteString& bytes) {
  const HANDLE handle = Native(port);
  PendingTransfer transfer;
  if (!WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, transfer.get()) &&
      GetLastError() != ERROR_IO_PENDING) {
    return IoFailure(GetLastError());
  }
  bool timedOut = false;
  transfer.Finish(handle, PURGE_TXABORT, timedOut);
  const SerialError result = timedOut ? SerialError{SerialError::TimedOut} : SerialError{};
  if (const InputQueue queue = QueuedInput(handle); queue.count < 0) {
    return IoFailure(queue.error);
  } else if (queue.lineError) {
    return {SerialError::LineError};
  }
  return result;
}

SerialError Win32SerialSystem::Receive(SerialPortHandle port, SteadyClock::time_point deadline,
                                       ByteString& received) {
  const HANDLE handle = Native(port);
  Sleep(0);
  InputQueue queue = QueuedInput(handle);
  if (queue.count == 0 && WaitForData(handle, MillisecondsUntil(SteadyClock::now(), deadline))) {
    queue = QueuedInput(handle);
  }
  ReadOutcome outcome;
  if (queue.count == 0 && SteadyClock::now() < deadline) {
    // The line events gave up early: under Wine on a pseudo-terminal WaitCommEvent fails
    // at once, and some USB adapters' drivers report them unreliably. The rest of the
    // time-out is waited out on the read itself.
    outcome = ReadWhenAvailable(handle, MillisecondsUntil(SteadyClock::now(), deadline));
  } else if (queue.count > 0) {
    outcome = ReadOverlapped(handle, static_cast<std::size_t>(queue.count));
  } else if (queue.count < 0) {
    return IoFailure(queue.error);
  }
  if (outcome.error != 0) {
    return IoFailure(outcome.error);
  }
  received = std::move(outcome.bytes);
  if (outcome.timedOut || received.empty()) {
    return {SerialError::TimedOut};
  }
  // A line error is only recorded; the bytes read stay.
  if (QueuedInput(handle).lineError) {
    return {SerialError::LineError};
  }
  return {};
}

SerialError Win32SerialSystem::Purge(SerialPortHandle port) {
  return PurgeComm(Native(port), kPurgeAll) ? SerialError{} : IoFailure(GetLastError());
}

void Win32SerialSystem::Release(SerialPortHandle port) {
  CloseHandle(Native(port));
}

}  // namespace

SerialSystem& PlatformSerialSystem() {
  static Win32SerialSystem system;
  return system;
}
