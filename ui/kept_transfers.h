#pragma once

#include <QDateTime>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "radio/exchange_trace.h"

// A transfer as the window keeps it for a diagnostic report: what it was, on which port and
// when, what it logged and everything that went over the line.
struct KeptTransfer {
  std::string kind;  // "read", "write", "restore", "probe"
  std::string port;
  QDateTime began;
  // The port's device as the system described it when the transfer ended.
  std::string device;
  std::vector<std::string> log;  // in English, whatever the window's language
  ExchangeTrace trace;
};

// The last transfers of the session, oldest first: the oldest goes when one more begins.
class KeptTransfers {
 public:
  static constexpr std::size_t kMost = 5;

  // The new transfer, kept until kMost others have begun after it.
  KeptTransfer& Begin(std::string kind, std::string port, QDateTime began);
  const std::deque<KeptTransfer>& All() const { return transfers_; }

 private:
  std::deque<KeptTransfer> transfers_;
};
