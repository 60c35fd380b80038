#pragma once

#include <string>

#include "cli/context.h"
#include "radio/transfer_observer.h"

// One radio's transfer as the command line follows it: its log lines and progress, and
// Ctrl+C. The first press ends any wait for a radio, the second stops the transfer after
// the exchange under way. It cannot ask whether to write without a backup, so it does not.
class RadioObserver : public TransferObserver {
 public:
  // waitForRadios: a silent port is one whose radio is still to come (--repeat).
  RadioObserver(Context& context, const RadioId& radio, bool waitForRadios);
  ~RadioObserver() override;
  RadioObserver(const RadioObserver&) = delete;
  RadioObserver& operator=(const RadioObserver&) = delete;

  void Logged(const LogLine& line) override;
  bool WriteWithoutBackup(const LogLine& why) override;
  void Progress(int done, int total) override;
  bool StopNow() override;
  bool KeepWaitingForRadio() override;

 private:
  Context& context_;
  const std::string label_;
  const std::string name_;
  const bool waitForRadios_;
};
