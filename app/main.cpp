#include <QApplication>

#include "app/program_identity.h"
#include "ui/translations.h"
#include "ui/unit_mainform.h"

int main(int argc, char* argv[]) {
  // The toolkit keeps no hidden application window, so no taskbar button has to be taken
  // from one: the main window carries its own.
  QApplication application(argc, argv);
  SetProgramIdentity();
  const Translations translations(QLocale::system());
  Tmainform mainform;
  mainform.show();
  return application.exec();
}
