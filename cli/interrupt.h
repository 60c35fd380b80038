#pragma once

#include <functional>
#include <memory>

// How often Ctrl+C was pressed while the commands ran; the transfers under way decide what
// each press means.
class Interrupts {
 public:
  virtual ~Interrupts() = default;
  virtual int Count() const = 0;
};

// Counts Ctrl+C while it lives, instead of letting it end the program. Made before any other
// thread starts, so that on POSIX systems every thread inherits SIGINT blocked and one
// thread of its own takes it.
class InterruptWatch : public Interrupts {
 public:
  // `heard` is told the count after each press, on a thread other than the transfers'.
  explicit InterruptWatch(std::function<void(int count)> heard);
  ~InterruptWatch() override;
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  int Count() const override;

  // Each platform's own; public so that a system handler can reach it.
  struct State;

 private:
  std::unique_ptr<State> state_;
};
