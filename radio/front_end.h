#pragma once

#include <array>
#include <utility>
#include <vector>

#include "radio/channel_plan.h"
#include "radio/hz_text.h"
#include "radio/log_line.h"
#include "radio/transfer_observer.h"
#include "radio/transfers.h"

// What a front end that shows a plan does around a transfer, apart from its widgets: the
// window runs these steps, and so does the test harness, so the library's tests exercise
// the window's own logic.

// A front end as these steps see it.
class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  virtual bool AdvancedMode() const = 0;
  virtual void ShowChannel(int channel, const ChannelRow& row) = 0;
  virtual void ShowSettings(const RadioSettings& settings) = 0;
  // A row marked, or no longer, as one the last read could not fill.
  virtual void MarkChannelUnread(int channel, bool unread) = 0;
  virtual void ClearLog() = 0;
  virtual void Log(const LogLine& line) = 0;
  // A yes-or-no question whose answer is No unless the user says Yes.
  virtual bool Ask(const LogLine& question) = 0;
  virtual void FocusHzBox(int channel, Direction direction) = 0;
};

// Rows whose radio frequencies normal mode could not show: the window shows them as not in
// use, so a write from normal mode would clear them in the radio.
class HiddenRows {
 public:
  // What a read showed; a row it did not fill keeps what it had.
  void Remember(const ReadOutcome& outcome, bool advancedMode);
  // The user chose a frequency for the row: the radio's is no longer to keep.
  void Forget(int channel) { hidden_[channel] = false; }
  // Two rows changed places, and what is remembered of them with them.
  void Swap(int channel, int other) { std::swap(hidden_[channel], hidden_[other]); }
  // In ascending order.
  std::vector<int> Channels() const;
  bool operator==(const HiddenRows&) const = default;

 private:
  std::array<bool, kChannelCount + 1> hidden_{};
};

// Shows a transfer as it goes: each row read at once, no longer marked unread, with the
// frequencies normal mode cannot show said in the log; the log lines; the question whether
// to write without a backup.
class FrontEndObserver : public TransferObserver {
 public:
  explicit FrontEndObserver(FrontEnd& front) : front_(front) {}

  void ChannelRead(int channel, const ChannelRow& row) override;
  void Logged(const LogLine& line) override { front_.Log(line); }
  bool WriteWithoutBackup(const LogLine& why) override;

 private:
  FrontEnd& front_;
};

// After a read: what it could not fill is marked, its settings shown, its frequencies that
// normal mode cannot show remembered, and its closing lines said.
void EndRead(FrontEnd& front, const ReadOutcome& outcome, HiddenRows& hidden);

// Before a write of the plan: a Hz text that is not a frequency stops it (each is said and
// the first takes the focus); then the user is asked before the start-up defaults replace
// what the radio holds, and before frequencies normal mode could not show are cleared.
// False when nothing is to be written.
bool ReadyToWrite(FrontEnd& front, const ChannelPlan& plan, bool holdsStartupPlan,
                  const HiddenRows& hidden);

// After a write: once the radio holds what the front end shows, no row is hidden any more;
// the closing lines are said.
void EndWrite(FrontEnd& front, const WriteOutcome& outcome, HiddenRows& hidden);
