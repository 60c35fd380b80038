#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// Texts keep the CR LF line breaks they were written with; the message box wants LF alone.
QString ShownText(const QString& text) {
  QString shown = text;
  return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text) {
  QMessageBox box(icon, caption, ShownText(text), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

bool ModalDialogs::AskWarningYesNo(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Vexalon", "Warning"),
                  ShownText(text), QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void ModalDialogs::ShowError(QWidget* parent, const QString& text) {
  ShowMessage(parent, QMessageBox::Critical, QCoreApplication::translate("Vexalon", "Error"), text);
}

void ModalDialogs::ShowInformation(QWidget* parent, const QString& text) {
  ShowMessage(parent, QMessageBox::Information,
              QCoreApplication::translate("Vexalon", "Information"), text);
}

void ModalDialogs::ShowFailure(QWidget* parent, const QString& text) {
  ShowMessage(parent, QMessageBox::Critical, QCoreApplication::applicationName(), text);
}

QString ModalDialogs::ChooseFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  const QString file = dialog.selectedFiles().constFirst();
  // So the dialog opens with this name the next time.
  dialog.selectFile(file);
  return file;
}
