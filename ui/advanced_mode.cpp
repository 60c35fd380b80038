// Advanced mode: Hz edit boxes in place of the channel lists, for the rest of the run.
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "ui/channel_grid.h"
#include "ui/unit_mainform.h"

namespace {

// Looked up when needed: the translations are installed after static objects are made.
QString AdvancedModeWarning() {
  return QCoreApplication::translate(
      "Vexalon",
      "To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed "
      "radio amateur. You can render your radio illegal for you to operate, or damage the radio "
      "with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.\r\n\r\n"
      "Are you sure you want to continue?");
}

void SetCaption(QLabel* label, const QString& caption) {
  label->setText(caption);
  label->adjustSize();
}

}  // namespace

void Tmainform::cmdAdvancedModeClick() {
  if (dialogs->AskWarningYesNo(this, AdvancedModeWarning())) {
    EnterAdvancedMode();
  }
}

void Tmainform::EnterAdvancedMode() {
  // There is no way back, and a second switch would find no lists to replace.
  if (advancedMode) {
    return;
  }
  // An edit not yet a step becomes one while it can still be told apart from the switch.
  RecordStep();
  advancedMode = true;
  setWindowTitle(windowTitle() + QCoreApplication::translate("Vexalon", " - Advanced mode"));
  Find<QPushButton>("cmdAdvancedMode")->setEnabled(false);
  SetCaption(Find<QLabel>("Label2"), QCoreApplication::translate("Vexalon", "RX frequency (Hz)"));
  SetCaption(Find<QLabel>("Label4"), QCoreApplication::translate("Vexalon", "TX frequency (Hz)"));
  ReplaceFrequencyListsByHzEdits(this, Find<QWidget>("tab_channelbank_A"));
  TrackHzEdits();
  // The switch itself is no step: there is no going back from it.
  if (history != nullptr && !showingStep) {
    recorded = CurrentPlanState();
  }
}
