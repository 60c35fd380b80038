#include "radio/log_line.h"

std::string LogLine::Text() const {
  if (literal) {
    return format;
  }
  std::vector<std::string> texts;
  texts.reserve(args.size());
  for (const LogLine& arg : args) {
    texts.push_back(arg.Text());
  }
  if (!count) {
    return FillPlaceholders(format, texts);
  }
  return FillPlaceholders(FillCount(*count == 1 ? one : format, *count), texts);
}

LogLine Line(std::string format, std::vector<LogLine> args) {
  return {std::move(format), std::move(args)};
}

LogLine Counted(int count, std::string format, std::string one, std::vector<LogLine> args) {
  LogLine line(std::move(format), std::move(args));
  line.count = count;
  line.one = std::move(one);
  return line;
}

LogLine JoinedLine(const std::vector<LogLine>& items) {
  LogLine joined = items.front();
  for (std::size_t i = 1; i < items.size(); ++i) {
    joined = Line(i + 1 == items.size() ? QT_TRANSLATE_NOOP("Vexalon", "%1 and %2")
                                        : QT_TRANSLATE_NOOP("Vexalon", "%1, %2"),
                  {joined, items[i]});
  }
  return joined;
}

LogLine Literal(std::string text) {
  return {std::move(text), {}, true};
}

LogLine Literal(int number) {
  return Literal(std::to_string(number));
}

std::string FillPlaceholders(const std::string& format, const std::vector<std::string>& args) {
  std::string filled;
  filled.reserve(format.size());
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char next = i + 1 < format.size() ? format[i + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (format[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
      filled += args[index];
      ++i;
    } else {
      filled += format[i];
    }
  }
  return filled;
}

std::string FillCount(const std::string& format, int count) {
  const std::string number = std::to_string(count);
  std::string filled;
  filled.reserve(format.size());
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'n') {
      filled += number;
      ++i;
    } else {
      filled += format[i];
    }
  }
  return filled;
}
