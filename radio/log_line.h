#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Marks a format as text to translate, so that Qt's lupdate finds it; the window looks it
// up in the context given. Without Qt it is the text itself, which is all radio/ needs;
// defined exactly as Qt does, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
// The same for a sentence whose words depend on a number: translators give it a form for
// each plural class of their language.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

// The context of every text radio/ and files/ give the user.
inline constexpr char kTextContext[] = "Vexalon";

// One line for the log, kept as its English text with the placeholders %1 to %9 and what
// goes into each, so that a front end can show the line in the user's language: it looks
// the format up and puts the same arguments in place.
struct LogLine {
  LogLine() = default;
  LogLine(std::string format, std::vector<LogLine> args = {}, bool literal = false)
      : format(std::move(format)), args(std::move(args)), literal(literal) {}

  std::string format;
  // Numbers, file names and hex dumps are literal; words are lines of their own.
  std::vector<LogLine> args;
  bool literal = false;
  // For a sentence whose words depend on a number: that number, which also takes the place
  // of %n. The format is then the English for any other number than one, `one` the English
  // for exactly one.
  std::optional<int> count;
  std::string one;

  // The line in English.
  std::string Text() const;
  bool operator==(const LogLine&) const = default;
};

// A line to translate: the format marked with QT_TRANSLATE_NOOP, and what goes into it.
LogLine Line(std::string format, std::vector<LogLine> args = {});

// A sentence that depends on a number: the format marked with QT_TRANSLATE_N_NOOP, its
// English for one, and what goes into it.
LogLine Counted(int count, std::string format, std::string one, std::vector<LogLine> args = {});

// "4", "4 and 9", "4, 7 and 9".
LogLine JoinedLine(const std::vector<LogLine>& items);

// A text that is shown as it is, never translated.
LogLine Literal(std::string text);
LogLine Literal(int number);

// Puts args[k - 1] in place of each %k of the format, in one pass, so an argument that
// holds a % sign is never replaced again. A placeholder without an argument stays.
std::string FillPlaceholders(const std::string& format, const std::vector<std::string>& args);

// Puts the number in place of each %n.
std::string FillCount(const std::string& format, int count);
