#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

#include "cli/interrupt.h"

struct InterruptWatch::State {
  std::function<void(int)> heard;
  std::atomic<int> count{0};
  std::atomic<bool> ending{false};
  sigset_t signals{};
  std::thread waiter;
};

InterruptWatch::InterruptWatch(std::function<void(int count)> heard)
    : state_(std::make_unique<State>()) {
  state_->heard = std::move(heard);
  sigemptyset(&state_->signals);
  sigaddset(&state_->signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &state_->signals, nullptr);
  state_->waiter = std::thread([state = state_.get()] {
    for (;;) {
      int signal = 0;
      sigwait(&state->signals, &signal);
      if (state->ending) {
        return;
      }
      state->heard(++state->count);
    }
  });
}

// SIGINT stays blocked: one that came meanwhile must not end the program after all.
InterruptWatch::~InterruptWatch() {
  state_->ending = true;
  pthread_kill(state_->waiter.native_handle(), SIGINT);
  state_->waiter.join();
}

int InterruptWatch::Count() const {
  return state_->count;
}
