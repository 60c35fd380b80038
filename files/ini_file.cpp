#include "files/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "radio/text_rules.h"

namespace {

constexpr std::string_view kWhitespace = " \t\r\v\f";

enum class LineKind { Other, Header, BrokenHeader, Key };

struct Line {
  std::size_t next = 0;  // start of the following line
  LineKind kind = LineKind::Other;
  std::string_view name;  // section or key name, trimmed
  std::size_t valueBegin = 0;
  std::size_t valueEnd = 0;
};

// Lines end at LF; a CR before it belongs to the line ending, not to the content.
Line ParseLine(std::string_view text, std::size_t begin) {
  Line line;
  std::size_t contentEnd = text.find('\n', begin);
  if (contentEnd == std::string_view::npos) {
    contentEnd = text.size();
    line.next = contentEnd;
  } else {
    line.next = contentEnd + 1;
    if (contentEnd > begin && text[contentEnd - 1] == '\r') {
      --contentEnd;
    }
  }
  const std::string_view content = text.substr(begin, contentEnd - begin);
  const std::size_t first = content.find_first_not_of(kWhitespace);
  if (first == std::string_view::npos || content[first] == ';') {
    return line;
  }
  if (content[first] == '[') {
    const std::size_t close = content.find(']', first);
    line.kind = close == std::string_view::npos ? LineKind::BrokenHeader : LineKind::Header;
    if (close != std::string_view::npos) {
      line.name = Trim(content.substr(first + 1, close - first - 1), kWhitespace);
    }
    return line;
  }
  const std::size_t equals = content.find('=', first);
  if (equals == std::string_view::npos) {
    return line;
  }
  line.kind = LineKind::Key;
  line.name = Trim(content.substr(first, equals - first), kWhitespace);
  const std::size_t valueFirst = content.find_first_not_of(kWhitespace, equals + 1);
  const std::string_view value = Trim(content.substr(equals + 1), kWhitespace);
  line.valueBegin = begin + (valueFirst == std::string_view::npos ? content.size() : valueFirst);
  line.valueEnd = line.valueBegin + value.size();
  return line;
}

std::string DetectNewline(std::string_view text) {
  const std::size_t newline = text.find('\n');
  if (newline == std::string_view::npos) {
    // Windows' own line ending: plan files travel between Windows and other systems.
    return "\r\n";
  }
  return newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

// text ends with a line ending.
bool EndsWithBlankLine(std::string_view text) {
  text.remove_suffix(1);
  const std::size_t previous = text.rfind('\n');
  return Trim(text.substr(previous == std::string_view::npos ? 0 : previous + 1), kWhitespace)
      .empty();
}

}  // namespace

std::optional<int> IniInteger(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) {
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  }
  std::uint32_t magnitude = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
  if (error != std::errc() || stop != end) {
    return std::nullopt;
  }
  if (base == 16) {
    // Hexadecimal gives the 32-bit pattern, so "$FFFFFFFF" is -1.
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
  }
  const std::int64_t value = negative ? -std::int64_t{magnitude} : std::int64_t{magnitude};
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

IniWriteError::IniWriteError(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName) {}

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)), replacement_(fileName_) {
  WholeFile file = ReadWholeFile(fileName_);
  state_ = file.state;
  text_ = std::move(file.bytes);
  if (text_.starts_with(kUtf8ByteOrderMark)) {
    byteOrderMark_ = kUtf8ByteOrderMark;
    text_.erase(0, kUtf8ByteOrderMark.size());
  }
  newline_ = DetectNewline(text_);
}

IniFile::IniFile() : replacement_(fileName_), inMemory_(true) {
  newline_ = DetectNewline(text_);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  return Value(section, key).value_or(std::string(defaultValue));
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const std::optional<Section> found = FindSection(section);
  const KeyLookup lookup = found ? FindKey(*found, key) : KeyLookup{};
  if (!lookup.found) {
    return std::nullopt;
  }
  std::string_view value(text_);
  value = value.substr(lookup.valueBegin, lookup.valueEnd - lookup.valueBegin);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  // The Windows reader hands back a C string.
  value = value.substr(0, value.find('\0'));
  return std::string(value.substr(0, kMaxIniValueLength));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  return IniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // An unreadable file cannot be rewritten without losing what it holds.
  if (!inMemory_ && (state_ == FileState::Unreadable || !replacement_.Begin())) {
    throw IniWriteError(fileName_);
  }
  value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
  std::string line(key);
  line += '=';
  line += value;
  const std::optional<Section> found = FindSection(section);
  if (!found) {
    AppendSection(section, line);
  } else if (const KeyLookup lookup = FindKey(*found, key); lookup.found) {
    Splice(lookup.valueBegin, lookup.valueEnd - lookup.valueBegin, value, LowerAscii(section));
  } else {
    const std::size_t pos = lookup.afterLastKey;
    if (text_[pos - 1] != '\n') {
      line.insert(0, newline_);
    }
    line += newline_;
    Splice(pos, 0, line, LowerAscii(section));
  }
  changed_ = true;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::Commit() {
  if (!changed_ || inMemory_) {
    return;
  }
  if (!replacement_.Commit(byteOrderMark_ + text_)) {
    throw IniWriteError(fileName_);
  }
  changed_ = false;
}

std::optional<IniFile::Section> IniFile::FindSection(std::string_view name) const {
  std::string lowerName = LowerAscii(name);
  if (const auto known = sections_.find(lowerName); known != sections_.end()) {
    return known->second;
  }
  std::optional<Section> found;
  const std::string_view text(text_);
  for (std::size_t pos = 0; pos < text.size();) {
    // Most lines are keys; skipping them unparsed keeps a scan of a huge file quick.
    const std::size_t first = text.find_first_not_of(kWhitespace, pos);
    if (first == std::string_view::npos) {
      break;
    }
    if (text[first] != '[') {
      const std::size_t newline = text.find('\n', first);
      pos = newline == std::string_view::npos ? text.size() : newline + 1;
      continue;
    }
    const Line line = ParseLine(text, pos);
    // A header without "]" names no section, but it still ends the one before, so the
    // keys under it are never taken for that section's.
    if (line.kind == LineKind::Header || line.kind == LineKind::BrokenHeader) {
      if (found) {
        found->end = pos;
        break;
      }
      if (line.kind == LineKind::Header && EqualsIgnoringCase(line.name, name)) {
        found = Section{line.next, text.size()};
      }
    }
    pos = line.next;
  }
  sections_.emplace(std::move(lowerName), found);
  return found;
}

IniFile::KeyLookup IniFile::FindKey(const Section& section, std::string_view key) const {
  KeyLookup lookup;
  lookup.afterLastKey = section.bodyBegin;
  const std::string_view text(text_);
  for (std::size_t pos = section.bodyBegin; pos < section.end;) {
    const Line line = ParseLine(text, pos);
    if (line.kind == LineKind::Key) {
      if (EqualsIgnoringCase(line.name, key)) {
        lookup.found = true;
        lookup.valueBegin = line.valueBegin;
        lookup.valueEnd = line.valueEnd;
        return lookup;
      }
      lookup.afterLastKey = line.next;
    }
    pos = line.next;
  }
  return lookup;
}

void IniFile::Splice(std::size_t pos, std::size_t length, std::string_view replacement,
                     const std::string& owner) {
  text_.replace(pos, length, replacement);
  // Sections lie wholly before or wholly after the owner's; unsigned wrap-around makes
  // the arithmetic right for a shorter replacement too.
  const std::size_t grown = replacement.size() - length;
  for (auto& [name, section] : sections_) {
    if (!section) {
      continue;
    }
    if (name == owner) {
      section->end += grown;
    } else if (section->bodyBegin > pos) {
      section->bodyBegin += grown;
      section->end += grown;
    }
  }
}

void IniFile::AppendSection(std::string_view name, std::string_view line) {
  const std::size_t oldSize = text_.size();
  if (!text_.empty() && text_.back() != '\n') {
    text_ += newline_;
  }
  if (!text_.empty() && !EndsWithBlankLine(text_)) {
    text_ += newline_;
  }
  const std::size_t headerBegin = text_.size();
  text_ += '[';
  text_ += name;
  text_ += ']';
  text_ += newline_;
  const std::size_t bodyBegin = text_.size();
  text_ += line;
  text_ += newline_;
  for (auto& [known, section] : sections_) {
    if (section && section->end == oldSize) {
      section->end = headerBegin;
    }
  }
  sections_[LowerAscii(name)] = Section{bodyBegin, text_.size()};
}
