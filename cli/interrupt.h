#pragma once

#include <functional>
#include <memory>

// Counts Ctrl+C while it lives, instead of letting it end the program: the transfers under
// way decide what each press means. Made before any other thread starts, so that on POSIX
// systems every thread inherits SIGINT blocked and one thread of its own takes it.
class InterruptWatch {
 public:
  // `heard` is told the count after each press, on a thread other than the transfers'.
  explicit InterruptWatch(std::function<void(int count)> heard);
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  int Count() const;

  // Each platform's own; public so that a system handler can reach it.
  struct State;

 private:
  std::unique_ptr<State> state_;
};
