#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Qt's translations lie beside the program on Windows, where the folder carries its own
// Qt, and where the system keeps them elsewhere.
QString QtTranslationsFolder() {
#ifdef Q_OS_WIN
  return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

}  // namespace

Translations::Translations(const QLocale& locale) {
  if (vexalon_.load(locale, QStringLiteral("vexalon"), QStringLiteral("_"),
                    QStringLiteral(":/translations"))) {
    QCoreApplication::installTranslator(&vexalon_);
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QtTranslationsFolder())) {
      QCoreApplication::installTranslator(&qt_);
    }
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&vexalon_);
}
