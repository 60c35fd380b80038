#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// All the program's output, from any thread: lines for the eye on stderr, each after the
// label of the radio it is about (none when there is one radio), data on stdout. While
// stderr is a terminal each radio at work has a progress line, redrawn below the log.
class Console {
 public:
  // Where a text for stdout or stderr goes, whole.
  using Stream = std::function<void(const std::string&)>;

  Console(bool quiet, bool progressLines, Stream out, Stream err)
      : quiet_(quiet), progressLines_(progressLines), out_(std::move(out)), err_(std::move(err)) {}

  // A line as things happen; --quiet leaves it out.
  void Log(const std::string& label, const std::string& text);
  // A line --quiet keeps: how a radio ended, what is wrong, an answer to Ctrl+C.
  void Say(const std::string& label, const std::string& text);
  // Data on stdout, written whole.
  void Out(const std::string& text);

  void Progress(const std::string& radio, int done, int total);
  void EndProgress(const std::string& radio);

 private:
  void Print(const std::string& label, const std::string& text);
  void EraseProgress();
  void DrawProgress();

  const bool quiet_;
  const bool progressLines_;
  const Stream out_;
  const Stream err_;
  std::mutex mutex_;
  // Each radio's progress line as shown, in the order the radios began.
  std::vector<std::pair<std::string, std::string>> progress_;
};
