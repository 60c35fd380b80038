#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A program under test in a process of its own, as a user starts it: stdin empty, stdout
// and stderr taken through pipes as they come, so that a test can wait for a line before
// it acts, and signals sent to it.
class ChildProcess {
 public:
  // Starts argv[0] with the rest as its arguments, in this environment plus `environment`;
  // throws std::runtime_error when it cannot be started.
  explicit ChildProcess(const std::vector<std::string>& argv,
                        const std::map<std::string, std::string>& environment = {});
  // Kills a child still running.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void Interrupt();
  // Waits until stderr (or stdout) holds the text `times` times; false when the time ran
  // out or the child ended first.
  bool WaitForStderr(const std::string& text, int timeoutMs, int times = 1);
  bool WaitForStdout(const std::string& text, int timeoutMs, int times = 1);
  // The exit status, or 128 + the signal that ended it; a child that outlives the time is
  // killed and gives -1.
  int Wait(int timeoutMs = 120000);

  std::string Stdout() const;
  std::string Stderr() const;

 private:
  bool WaitFor(const std::string& stream, const std::string& text, int timeoutMs, int times);
  void ReadPipes(int out, int err);

  pid_t pid_ = -1;
  bool reaped_ = false;
  int status_ = -1;
  mutable std::mutex mutex_;
  std::condition_variable grown_;
  std::string out_;
  std::string err_;
  bool closed_ = false;
  std::thread reader_;
};
