// The running program as the desktop sees it, against the desktop entry that launches it.
#include "app/program_identity.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMap>
#include <QTextStream>

#include "ui/unit_mainform.h"

namespace {

QMap<QString, QString> DesktopEntry() {
  QMap<QString, QString> keys;
  QFile file(QStringLiteral(DESKTOP_ENTRY));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << DESKTOP_ENTRY;
  QTextStream lines(&file);
  while (!lines.atEnd()) {
    const QString line = lines.readLine();
    if (const qsizetype equals = line.indexOf('='); equals > 0) {
      keys.insert(line.left(equals), line.mid(equals + 1));
    }
  }
  return keys;
}

}  // namespace

TEST(ProgramIdentity, MatchesTheDesktopEntryAndCarriesItsIconAtEverySize) {
  SetProgramIdentity();
  // The window renames the application after its caption; the desktop must still match.
  Tmainform window;
  const QMap<QString, QString> entry = DesktopEntry();
  EXPECT_EQ(entry.value("StartupWMClass"), QGuiApplication::applicationName());
  EXPECT_EQ(entry.value("Name"), QGuiApplication::applicationName());
  EXPECT_EQ(entry.value("Icon"), QGuiApplication::desktopFileName());
  EXPECT_EQ(entry.value("Exec"), QStringLiteral("vexalon"));

  const QIcon icon = window.windowIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
  }
  EXPECT_EQ(icon.pixmap(48).size(), QSize(48, 48));
}
