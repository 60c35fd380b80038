#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// Every modal dialog of the window goes through here, so tests can answer them without a
// modal loop.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Warning icon, caption "Warning", Yes and No (default and escape); true on Yes. A
  // hurried Enter must not agree to what the question warns of.
  virtual bool AskWarningYesNo(QWidget* parent, const QString& text) = 0;
  // Caption "Error" or "Information", one OK button.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
  // An operation that failed as a whole: caption the application's title, one OK button.
  virtual void ShowFailure(QWidget* parent, const QString& text) = 0;
  // Runs a file dialog that lives on between runs; the chosen file, or empty when the
  // user cancels.
  virtual QString ChooseFile(QFileDialog& dialog) = 0;
};

// The toolkit's message boxes and file dialogs.
class ModalDialogs : public Dialogs {
 public:
  bool AskWarningYesNo(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
  void ShowInformation(QWidget* parent, const QString& text) override;
  void ShowFailure(QWidget* parent, const QString& text) override;
  QString ChooseFile(QFileDialog& dialog) override;
};
