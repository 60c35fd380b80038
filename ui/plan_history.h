#pragma once

#include <QUndoCommand>
#include <array>

#include "radio/channel_plan.h"
#include "radio/front_end.h"

class Tmainform;

// What an undo step gives back: the plan the window shows and what it remembers of its rows.
struct PlanState {
  ChannelPlan plan;
  HiddenRows hidden;
  std::array<bool, kChannelCount + 1> unread{};
  bool operator==(const PlanState&) const = default;
};

// One change of the window's plan, however large: a list choice, or a whole read or load.
// It is pushed once made, so its first redo has nothing to do.
class PlanStep : public QUndoCommand {
 public:
  PlanStep(Tmainform& window, PlanState before, PlanState after);
  void undo() override;
  void redo() override;

 private:
  Tmainform& window_;
  PlanState before_;
  PlanState after_;
  bool made_ = true;
};
