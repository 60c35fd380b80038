#include "ui/shown_text.h"

#include <QCoreApplication>
#include <QFile>

QString Shown(const LogLine& line) {
  // A literal is most often a file name, in the 8-bit encoding the system gives those.
  if (line.literal) {
    return QFile::decodeName(QByteArray::fromStdString(line.format));
  }
  const QString format = QCoreApplication::translate(kTextContext, line.format.c_str());
  std::vector<std::string> args;
  args.reserve(line.args.size());
  for (const LogLine& arg : line.args) {
    args.push_back(Shown(arg).toStdString());
  }
  return QString::fromStdString(FillPlaceholders(format.toStdString(), args));
}
