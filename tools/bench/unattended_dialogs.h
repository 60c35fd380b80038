#pragma once

#include <QFileDialog>
#include <QStringList>

#include "ui/dialogs.h"

// Dialogs that never wait for a person. A benchmark that meets one has gone wrong; what it
// showed is kept to say so.
class UnattendedDialogs : public Dialogs {
 public:
  QStringList shown;

  bool AskWarningYesNo(QWidget*, const QString& text) override {
    shown << text;
    return false;
  }
  void ShowError(QWidget*, const QString& text) override { shown << text; }
  void ShowInformation(QWidget*, const QString& text) override { shown << text; }
  void ShowFailure(QWidget*, const QString& text) override { shown << text; }
  QString ChooseFile(QFileDialog& dialog) override {
    shown << dialog.objectName();
    return {};
  }
};
