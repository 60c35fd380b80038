#include "ui/plan_history.h"

#include <utility>

#include "ui/unit_mainform.h"

PlanStep::PlanStep(Tmainform& window, PlanState before, PlanState after)
    : window_(window), before_(std::move(before)), after_(std::move(after)) {}

void PlanStep::undo() {
  window_.ShowPlanState(before_);
}

void PlanStep::redo() {
  if (std::exchange(made_, false)) {
    return;
  }
  window_.ShowPlanState(after_);
}
