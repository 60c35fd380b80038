#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "radio/byte_string.h"
#include "radio/line_format.h"
#include "tools/radiosim/command_parser.h"

// In the order of kKnownVariants.
enum class RadioVariant { E, E2, T };

// An HT-446 as its cable sees it: memory, identity and faults, and the time at which each
// byte of a reply goes out on the line. A line brings it what the program sends and takes
// its replies back when they are due: PseudoTerminalLine does so in real time for a program
// that opens a device, SimulatedLine in simulated time for a link in the same process. No
// system calls here, so that tests on every platform have the same radio.
//
// Every setter is thread-safe and takes effect from the next command on, so a test can
// change the radio's behaviour between two transfers. Fault setters state one case in
// one line, e.g. `radio.SetProgramReply(ByteString{0x00, 0x00})` or
// `radio.SetReplySplit(SimCommand::Program, 4, 80)`; ClearFaults() ends them all.
class RadioSimulator {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  // One byte on the line, unrounded.
  static constexpr double kByteTimeMs = 1000.0 * kLineBitsPerByte / kRadioLine.baudRate;
  static constexpr int kDefaultReactionDelayMs = 2;
  // Bytes that might still become a command are dropped after this long without more.
  static constexpr int kIncompleteCommandTimeoutMs = 200;
  // A line that never falls quiet carries a filler byte this often.
  static constexpr int kNeverQuietIntervalMs = 2;
  static constexpr std::uint8_t kFillerByte = 0x55;

  explicit RadioSimulator(RadioVariant variant = RadioVariant::E);
  ~RadioSimulator();
  RadioSimulator(const RadioSimulator&) = delete;
  RadioSimulator& operator=(const RadioSimulator&) = delete;

  // Called on the line's thread for every command received and for every note (skipped
  // bytes, dropped incomplete commands, addresses outside memory, the pulled cable), without
  // the simulator's lock: they may change the radio's behaviour for the commands that follow.
  void SetCommandObserver(std::function<void(const ByteString&)> observer);
  void SetNoteObserver(std::function<void(const std::string&)> observer);

  void SetVariant(RadioVariant variant);
  // Real line pacing (on by default): the command's own line time and the reaction delay
  // pass before the reply, whose bytes follow one byte time apart. Off, replies go out
  // at once after the reaction delay.
  void SetPacing(bool realLineTime);
  void SetReactionDelayMs(int delayMs);
  // Replies reach the program in bursts every burstMs, as through a USB adapter that
  // passes on what it received when its latency timer runs out (16 ms for an FTDI chip
  // by default); 0, the default, hands over each byte as it arrives.
  void SetBurstMs(int burstMs);

  // Memory, addresses 0x000 to 0x3FF.
  ByteString Memory() const;
  ByteString ReadMemory(std::uint16_t address, std::size_t count) const;
  void WriteMemory(std::uint16_t address, const ByteString& bytes);
  // Throw std::runtime_error when the image file cannot be used; memory stays as it was.
  void LoadImage(const std::string& path);
  void SaveImage(const std::string& path) const;

  // Every command received, in order, as the bytes that made it.
  std::vector<ByteString> CommandLog() const;
  // The bytes sent in answer to each command of CommandLog(), at the same index, noise
  // included; empty for a command left unanswered.
  std::vector<ByteString> ReplyLog() const;
  // Clears both logs.
  void ClearCommandLog();
  // Waits until the log holds at least count commands; false when the time ran out.
  bool WaitForCommands(std::size_t count, int timeoutMs) const;

  // Faults.
  void ClearFaults();
  // The programming-mode command is answered with a bare acknowledgement: 06 behind
  // leadingZeros (0 to 3) bytes 00. The resend that follows it gets the identity.
  void SetBareAckBeforeIdentity(std::optional<int> leadingZeros);
  // Every programming-mode command is answered with a bare 06, resends included.
  void SetAckToEveryProgram(bool on);
  // This reply instead of the identity, e.g. 00 00, 00 00 00, identity plus a byte.
  void SetProgramReply(std::optional<ByteString> reply);
  // Commands are logged but never answered.
  void SetSilent(bool on);
  // Replies to this kind of command pause gapMs after their first afterBytes bytes;
  // a gap of 0 ends the fault for that kind.
  void SetReplySplit(SimCommand kind, std::size_t afterBytes, int gapMs);
  // A write to this address is stored as usual but answered with this reply (any bytes,
  // empty for none); nullopt restores the 06.
  void SetWriteReply(std::uint16_t address, std::optional<ByteString> reply);
  // A write to this address is acknowledged as usual but stores these bytes instead of
  // its own; nullopt ends the fault for that address.
  void SetWriteStoredAs(std::uint16_t address, std::optional<ByteString> stored);
  // Writes to this address and above are not stored and answered with 15 (NAK), as by a
  // radio that keeps its upper memory locked; nullopt ends the fault.
  void SetWritesRefusedFrom(std::optional<std::uint16_t> address);
  // Reads of the addresses first to last are answered with the 4-byte header alone, as
  // by a radio that cannot read those blocks; nullopt ends the fault.
  void SetReadsFailing(std::optional<std::pair<std::uint16_t, std::uint16_t>> addresses);
  // Reads of the addresses first to last are refused with a single 15, as by a radio that
  // does not let those blocks be read; nullopt ends the fault.
  void SetReadsRefused(std::optional<std::pair<std::uint16_t, std::uint16_t>> addresses);
  // Reads of the addresses first to last get no reply at all; nullopt ends the fault.
  void SetReadsUnanswered(std::optional<std::pair<std::uint16_t, std::uint16_t>> addresses);
  // Read replies (or only the one for this address) are cut to length bytes; nullopt
  // ends the fault.
  void SetReadReplyLength(std::optional<std::size_t> length,
                          std::optional<std::uint16_t> address = std::nullopt);
  // The line carries a filler byte every few milliseconds, whatever else happens.
  void SetNeverQuiet(bool on);
  // As SetNeverQuiet(true), from when the commands-th command from now is received, ahead
  // of its reply.
  void SetNeverQuietFrom(std::size_t commands);
  // These bytes go out ahead of every reply.
  void SetNoiseBeforeReplies(ByteString noise);
  // These bytes follow every reply to this kind of command, as from a radio that sends
  // more than the protocol asks for; empty ends the fault for that kind.
  void SetExtraBytes(SimCommand kind, ByteString extra);
  // Replies to this kind of command (or only the one for this address) come delayMs
  // later than the reaction delay; a delay of 0 ends the fault for that kind.
  void SetExtraDelay(SimCommand kind, int delayMs,
                     std::optional<std::uint16_t> address = std::nullopt);
  // The cable is pulled once the reply to the commands-th command from now has been
  // taken by the program (0: at once). The line then reports the loss to the program, as a
  // hang-up; the simulator answers nothing more.
  void PullCableAfter(std::size_t commands);
  bool CablePulled() const;

  // The line's side: what the program sent, as it reached the radio.
  void Hear(const ByteString& bytes, TimePoint at);
  struct Output {
    ByteString reply;     // reply bytes due by then, in order
    bool filler = false;  // a filler byte of a line that never falls quiet
  };
  // What goes out on the line by `now`; a command left incomplete too long is dropped then.
  Output Speak(TimePoint now);
  // When the radio next has something to do without more input; none while it only waits.
  std::optional<TimePoint> NextEvent() const;
  // A line that waits on a thread of its own is told when a setter may have moved the next
  // event or made the pull due; empty: nobody is told.
  void SetWakeUp(std::function<void()> wakeUp);
  // The reply before the pull is out: the line is to be pulled once the program took it.
  bool CableDueToBePulled() const;
  // The line has gone, as the program sees it; the radio answers nothing more.
  void CableWasPulled();

 private:
  struct Faults;
  struct TimedByte {
    TimePoint due;
    std::uint8_t byte;
  };
  struct Reports {
    std::vector<ByteString> commands;
    std::vector<std::string> notes;
  };

  // Steps taken under the lock.
  void ParseInput(Reports& reports);
  void HandleCommand(const ParsedCommand& command, const ByteString& bytes, Reports& reports);
  ByteString ReplyTo(const ParsedCommand& command, const ByteString& bytes, Reports& reports);
  void Schedule(const ParsedCommand& command, const ByteString& reply);
  // When a byte that reaches the adapter at arrival is handed on to the program.
  TimePoint NextBurst(TimePoint arrival) const;
  // Tells the observers, without the lock.
  void Tell(const Reports& reports) const;
  void Wake() const;

  mutable std::mutex mutex_;
  mutable std::condition_variable logChanged_;
  std::function<void(const ByteString&)> commandObserver_;
  std::function<void(const std::string&)> noteObserver_;
  std::function<void()> wakeUp_;
  RadioVariant variant_;
  bool pacing_ = true;
  int reactionDelayMs_ = kDefaultReactionDelayMs;
  int burstMs_ = 0;
  ByteString memory_;
  std::vector<ByteString> log_;
  std::vector<ByteString> replies_;
  std::unique_ptr<Faults> faults_;
  bool cablePulled_ = false;

  ByteString input_;
  // When the bytes at the front of input arrived: the command's line time counts from
  // there, since a line may hand over a whole command at once.
  TimePoint inputStart_;
  TimePoint lastInput_;
  std::deque<TimedByte> output_;
  TimePoint lineFreeAt_;
  TimePoint nextFiller_;
  bool bareAckSent_ = false;
};
