#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "tools/radiosim/radio_simulator.h"

// The simulated radio on the far side of a pseudo-terminal, in real time: Start() opens the
// pty and a thread of its own hands the radio what the program writes and puts each reply
// byte on the line when the radio says it is due. The program under test opens PortPath()
// like any serial port.
class PseudoTerminalLine {
 public:
  // The radio must outlive the line.
  explicit PseudoTerminalLine(RadioSimulator& radio);
  // Stops the thread, closes the pty and removes the link.
  ~PseudoTerminalLine();
  PseudoTerminalLine(const PseudoTerminalLine&) = delete;
  PseudoTerminalLine& operator=(const PseudoTerminalLine&) = delete;

  // Before Start(): a symbolic link to the slave side at this path, replacing an older
  // link there (never a file); removed again by the destructor.
  void SetLinkPath(const std::string& path);
  // Opens the pseudo-terminal and starts answering. Throws std::system_error when no
  // pty can be had or the link cannot be made.
  void Start();
  // The device path to open as the serial port; valid after Start().
  const std::string& PortPath() const { return portPath_; }

 private:
  struct Pty;

  void Run();
  void Wake() const;
  // Closes the master once the radio's last reply before the pull has been taken.
  bool PullCableIfDue(RadioSimulator::TimePoint now);

  RadioSimulator& radio_;
  std::string linkPath_;
  std::string portPath_;
  std::unique_ptr<Pty> pty_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};
