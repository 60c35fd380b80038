// The window's plan files: INI files in the designed format, CHIRP CSV files for other radio
// programs, and the channel card to print.
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "files/csv_plan.h"
#include "files/plan_by_name.h"
#include "ui/channel_card.h"
#include "ui/shown_text.h"
#include "ui/unit_mainform.h"

namespace {

// Looked up when needed: the translations are installed after static objects are made.
QString CsvHoldsNoSettings() {
  return QCoreApplication::translate(
      "Vexalon",
      "A CSV file holds no settings: only the channels were saved. Save to an INI file to keep "
      "the settings too.");
}

std::string FileName(const QString& file) {
  return QFile::encodeName(file).toStdString();
}

}  // namespace

void Tmainform::LoadChosenFile(bool settings) {
  const QString file = dialogs->ChooseFile(*Find<QFileDialog>("opendialog"));
  if (file.isEmpty()) {
    return;
  }
  LoadFromFile(FileName(file), settings);
}

void Tmainform::LoadFromFile(const std::string& fileName, bool settings) {
  SetControlsEnabled(false);
  const LoadedPlan loaded = LoadPlan(fileName, settings, advancedMode);
  if (loaded.plan) {
    RecordStep();
    ShowPlan(*loaded.plan);
    hiddenRows = {};
    unsavedEdits = false;
    RecordStep();
    planFileName = Shown(Literal(fileName));
  }
  if (!loaded.outcome.failure.format.empty()) {
    dialogs->ShowError(this, Shown(loaded.outcome.failure));
  }
  if (!loaded.outcome.notice.format.empty()) {
    dialogs->ShowInformation(this, Shown(loaded.outcome.notice));
  }
  SetControlsEnabled(true);
}

void Tmainform::SaveChosenFile(bool settings) {
  const QString file = dialogs->ChooseFile(*Find<QFileDialog>("savedialog"));
  if (file.isEmpty()) {
    return;
  }
  SaveToFile(FileName(file), settings);
}

void Tmainform::SaveToFile(const std::string& fileName, bool settings) {
  const PlanFileOutcome saved = SavePlan(fileName, Plan(settings));
  if (!saved.failure.format.empty()) {
    dialogs->ShowFailure(this, Shown(saved.failure));
    return;
  }
  planFileName = Shown(Literal(fileName));
  unsavedEdits = false;
  if (settings && IsCsvPlanFileName(fileName)) {
    dialogs->ShowInformation(this, CsvHoldsNoSettings());
  }
}

void Tmainform::Savechannelcard1Click() {
  const QString file = dialogs->ChooseFile(*Find<QFileDialog>("carddialog"));
  if (file.isEmpty()) {
    return;
  }
  const QString failure =
      WriteChannelCard(file, Plan(true), QFileInfo(planFileName).fileName(), QDate::currentDate());
  if (!failure.isEmpty()) {
    dialogs->ShowFailure(this, failure);
  }
}
