#include "app/program_identity.h"

#include <QApplication>
#include <QIcon>

namespace {

// Bitmaps only: the toolkit would need an extra plugin to draw the scalable icon.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/vexalon.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

void SetProgramIdentity() {
  // On X11 this also becomes the window class that the desktop entry's StartupWMClass names.
  QApplication::setApplicationName(QStringLiteral("Vexalon"));
  // Wayland finds the program's icon and name by this, and lists it once.
  QGuiApplication::setDesktopFileName(QStringLiteral("vexalon"));
  QApplication::setWindowIcon(ProgramIcon());
}
