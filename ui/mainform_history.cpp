// The window's undo history: each change of the plan, from a list choice to a whole read,
// is one step that gives back the plan and what the window remembered of its rows.
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QUndoStack>

#include "radio/tables.h"
#include "ui/grid_names.h"
#include "ui/plan_history.h"
#include "ui/settings_page.h"
#include "ui/unit_mainform.h"

namespace {

// Well beyond the fifty steps a user may want to go back.
constexpr int kHistorySteps = 100;

// A text box keeps its own undo for its text.
QLineEdit* FocusedTextBox(const QWidget* window) {
  return qobject_cast<QLineEdit*>(window->focusWidget());
}

}  // namespace

void Tmainform::ConnectHistory() {
  history = new QUndoStack(this);
  history->setUndoLimit(kHistorySteps);
  recorded = CurrentPlanState();
  connect(Find<QAction>("Undo1"), &QAction::triggered, this, &Tmainform::Undo1Click);
  connect(Find<QAction>("Redo1"), &QAction::triggered, this, &Tmainform::Redo1Click);
  connect(history, &QUndoStack::indexChanged, this, &Tmainform::EnableHistory);
  EnableHistory();
}

void Tmainform::EnableHistory() {
  Find<QAction>("Undo1")->setEnabled(!transferRunning && history->canUndo());
  Find<QAction>("Redo1")->setEnabled(!transferRunning && history->canRedo());
}

void Tmainform::Undo1Click() {
  if (QLineEdit* box = FocusedTextBox(this)) {
    box->undo();
  } else if (!transferRunning) {
    RecordStep();
    history->undo();
  }
}

void Tmainform::Redo1Click() {
  if (QLineEdit* box = FocusedTextBox(this)) {
    box->redo();
  } else if (!transferRunning) {
    history->redo();
  }
}

PlanState Tmainform::CurrentPlanState() const {
  return {Plan(true), hiddenRows, unreadRows};
}

void Tmainform::ShowPlanState(const PlanState& state) {
  showingStep = true;
  ChannelPlan plan = state.plan;
  if (advancedMode && !plan.advancedMode) {
    for (ChannelRow& row : plan.channels) {
      row.rxHzText = PmrChannelHzText(row.rxChannelIndex);
      row.txHzText = PmrChannelHzText(row.txChannelIndex);
    }
    plan.advancedMode = true;
  }
  ShowPlan(plan);
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    MarkChannelUnread(channel, state.unread[channel]);
  }
  hiddenRows = state.hidden;
  recorded = CurrentPlanState();
  unsavedEdits = true;
  showingStep = false;
}

void Tmainform::RecordStep() {
  if (showingStep || history == nullptr) {
    return;
  }
  PlanState now = CurrentPlanState();
  if (now == recorded) {
    return;
  }
  history->push(new PlanStep(*this, recorded, now));
  recorded = std::move(now);
}

void Tmainform::RecordStepSoon() {
  QTimer::singleShot(0, this, &Tmainform::RecordStep);
}
