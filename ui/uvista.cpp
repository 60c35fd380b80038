#include "ui/uvista.h"

#include <QFontDatabase>
#include <QWidget>

#ifdef Q_OS_WIN
#include "ui/uvista_win32.h"
#endif

namespace {

std::optional<bool> forcedAnswer;

const QString kVistaFamily = QStringLiteral("Segoe UI");
const QString kDesignedFamily = QStringLiteral("Tahoma");

// Outside Windows there is no version to ask: the window switches wherever it still uses
// the designed font, so it looks the same as on a current Windows.
bool SwitchesToVistaFont(const QWidget& window) {
#ifdef Q_OS_WIN
  Q_UNUSED(window);
  return IsVistaOrLater();
#else
  return IsVistaOrLater() ||
         window.font().family().compare(kDesignedFamily, Qt::CaseInsensitive) == 0;
#endif
}

// The font's size in whole points, also when it was given in pixels.
int PointSize(const QFont& font, const QWidget& window) {
  if (font.pointSize() > 0) {
    return font.pointSize();
  }
  return qRound(font.pixelSize() * 72.0 / window.logicalDpiY());
}

}  // namespace

bool IsVistaOrLater() {
  if (forcedAnswer) {
    return *forcedAnswer;
  }
#ifdef Q_OS_WIN
  return WindowsMajorVersion() > 5;
#else
  return false;
#endif
}

void ForceVistaOrLaterForTesting(std::optional<bool> answer) {
  forcedAnswer = answer;
}

void ApplyVistaFont(QWidget* window) {
  ApplyVistaFont(window, QFontDatabase::families());
}

void ApplyVistaFont(QWidget* window, const QStringList& installedFamilies) {
  if (!SwitchesToVistaFont(*window)) {
    return;
  }
  QFont font = window->font();
  if (font.family().compare(kVistaFamily, Qt::CaseInsensitive) == 0 ||
      !installedFamilies.contains(kVistaFamily, Qt::CaseInsensitive)) {
    return;
  }
  font.setPointSize(PointSize(font, *window) + 1);
  font.setFamily(kVistaFamily);
  window->setFont(font);
}
