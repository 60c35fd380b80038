#pragma once

#include <string>

// A pseudo-terminal pair standing in for a serial cable: the program under test opens
// the slave side by its path, the simulated radio talks on the master side.
class PseudoTerminal {
 public:
  // Throws std::system_error when the system has no pseudo-terminal to give.
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // Non-blocking; -1 once the cable has been pulled.
  int Master() const { return master_; }
  const std::string& SlavePath() const { return slavePath_; }
  // Bytes written by the radio wait on the slave side, unread by the program.
  bool SlaveInputPending() const;
  // Hangs up the slave side, as a pulled cable or unplugged adapter does.
  void CloseMaster();
  // Under sudo, hands the slave device to the invoking user so a desktop program run by
  // that user can open it.
  void GiveToSudoUser() const;

 private:
  int master_ = -1;
  // Held open for the simulator's whole life: without it the master reads EIO whenever
  // the program under test has closed the port between two transfers.
  int slave_ = -1;
  std::string slavePath_;
};

// A symbolic link at a path of the user's choice to the slave side. It replaces an older
// symbolic link there but never a file, and is removed on destruction if it still points
// to the same target.
class SlaveLink {
 public:
  // Throws std::system_error when the link cannot be made.
  SlaveLink(std::string path, std::string target);
  ~SlaveLink();
  SlaveLink(const SlaveLink&) = delete;
  SlaveLink& operator=(const SlaveLink&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string target_;
};
