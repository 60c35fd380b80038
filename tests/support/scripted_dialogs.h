#pragma once

#include <QFileDialog>
#include <QStringList>

#include "ui/dialogs.h"

// Answers the window's dialogs from the test and keeps what was asked.
class ScriptedDialogs : public Dialogs {
 public:
  bool answerYes = false;
  QString fileToChoose;  // empty: the user cancels
  QStringList asked;     // warning and message texts, file dialog names
  QStringList failures;  // what went to ShowFailure, also in asked

  bool AskWarningYesNo(QWidget*, const QString& text) override {
    asked << text;
    return answerYes;
  }
  void ShowError(QWidget*, const QString& text) override { asked << text; }
  void ShowInformation(QWidget*, const QString& text) override { asked << text; }
  void ShowFailure(QWidget*, const QString& text) override {
    asked << text;
    failures << text;
  }
  QString ChooseFile(QFileDialog& dialog) override {
    asked << dialog.objectName();
    return fileToChoose;
  }
};
