#include "cli/radio_observer.h"

RadioObserver::RadioObserver(Context& context, const RadioId& radio, bool waitForRadios)
    : context_(context),
      label_(LineLabel(context.options, radio)),
      name_(RadioName(radio)),
      waitForRadios_(waitForRadios) {}

RadioObserver::~RadioObserver() {
  context_.console.EndProgress(name_);
}

void RadioObserver::Logged(const LogLine& line) {
  context_.console.Log(label_, line.Text());
}

// The library has said why; this says why nobody is asked.
bool RadioObserver::WriteWithoutBackup(const LogLine&) {
  context_.console.Log(label_, "The command line writes no radio without a backup of it.");
  return false;
}

void RadioObserver::Progress(int done, int total) {
  context_.console.Progress(name_, done, total);
}

bool RadioObserver::StopNow() {
  return context_.interrupts.Count() >= 2;
}

bool RadioObserver::KeepWaitingForRadio() {
  return waitForRadios_ && context_.interrupts.Count() == 0;
}
