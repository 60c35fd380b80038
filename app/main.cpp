#include <QApplication>

#include "ui/unit_mainform.h"

int main(int argc, char* argv[]) {
  // The toolkit keeps no hidden application window, so no taskbar button has to be taken
  // from one: the main window carries its own.
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vexalon"));
  // Wayland finds the program's icon and name by this, and lists it once.
  QGuiApplication::setDesktopFileName(QStringLiteral("vexalon"));
  Tmainform mainform;
  mainform.show();
  return application.exec();
}
