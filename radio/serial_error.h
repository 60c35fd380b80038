#pragma once

#include <string>
#include <utility>

#include "radio/log_line.h"

// Why a step of the serial link failed, in the same terms on every platform: each
// platform decodes its system's error codes into one of these kinds.
struct SerialError {
  enum Kind {
    None,
    NotOpen,
    AlreadyOpen,
    TimedOut,
    LineError,  // framing, overrun, parity or a full transmit queue
    LineLost,   // the far side vanished: cable pulled, adapter unplugged
    PortBusy,
    NotASerialPort,
    AccessDenied,
    System,  // any other refusal of the system
  };

  SerialError() = default;
  SerialError(Kind kind, std::string systemText = {})
      : kind(kind), systemText(std::move(systemText)) {}

  Kind kind = None;
  // The system's own words for AccessDenied and System; the link's own kinds have fixed texts.
  std::string systemText;

  // Why, in a line the window translates; the system's own words stay as they are.
  LogLine Reason() const;
  std::string Text() const { return Reason().Text(); }
};
