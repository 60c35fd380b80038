#include <windows.h>

#include <atomic>

#include "cli/interrupt.h"

struct InterruptWatch::State {
  std::function<void(int)> heard;
  std::atomic<int> count{0};
};

namespace {

// The console's handler gets no context of its own; one watch lives at a time.
std::atomic<InterruptWatch::State*> watching{nullptr};

// Windows calls it on a thread it starts for the event.
BOOL WINAPI OnConsoleControl(DWORD event) {
  InterruptWatch::State* state = watching;
  if (state == nullptr || (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)) {
    return FALSE;
  }
  state->heard(++state->count);
  return TRUE;
}

}  // namespace

InterruptWatch::InterruptWatch(std::function<void(int count)> heard)
    : state_(std::make_unique<State>()) {
  state_->heard = std::move(heard);
  watching = state_.get();
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

InterruptWatch::~InterruptWatch() {
  SetConsoleCtrlHandler(OnConsoleControl, FALSE);
  watching = nullptr;
}

int InterruptWatch::Count() const {
  return state_->count;
}
