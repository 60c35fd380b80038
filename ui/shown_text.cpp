#include "ui/shown_text.h"

#include <QCoreApplication>

QString Shown(const LogLine& line) {
  if (line.literal) {
    return QString::fromStdString(line.format);
  }
  const QString format = QCoreApplication::translate(kTextContext, line.format.c_str());
  std::vector<std::string> args;
  args.reserve(line.args.size());
  for (const LogLine& arg : line.args) {
    args.push_back(Shown(arg).toStdString());
  }
  return QString::fromStdString(FillPlaceholders(format.toStdString(), args));
}
