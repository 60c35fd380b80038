#include "ui/shown_text.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The format in the window's language. Without a translation of a sentence that depends on
// a number, Qt gives back the source, the English for any number but one: the line's own
// English then says it right for one as well.
std::string Translated(const LogLine& line) {
  if (!line.count) {
    return QCoreApplication::translate(kTextContext, line.format.c_str()).toStdString();
  }
  const std::string translated =
      QCoreApplication::translate(kTextContext, line.format.c_str(), nullptr, *line.count)
          .toStdString();
  if (translated == FillCount(line.format, *line.count)) {
    return FillCount(*line.count == 1 ? line.one : line.format, *line.count);
  }
  return translated;
}

}  // namespace

QString Shown(const LogLine& line) {
  // A literal is most often a file name, in the 8-bit encoding the system gives those.
  if (line.literal) {
    return QFile::decodeName(QByteArray::fromStdString(line.format));
  }
  std::vector<std::string> args;
  args.reserve(line.args.size());
  for (const LogLine& arg : line.args) {
    args.push_back(Shown(arg).toStdString());
  }
  return QString::fromStdString(FillPlaceholders(Translated(line), args));
}
