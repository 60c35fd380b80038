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
  return FillPlaceholders(format, texts);
}

LogLine Line(std::string format, std::vector<LogLine> args) {
  return {std::move(format), std::move(args), false};
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
