#include "files/csv_records.h"

#include "radio/text_rules.h"

namespace {

// CHIRP writes its CSV files with CRLF line ends, as RFC 4180 asks and as the INI plans
// are written here; spreadsheet programs on every system read them, and the reader
// takes LF alone as well.
constexpr char kLineEnd[] = "\r\n";

bool NeedsQuotes(std::string_view field) {
  return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

}  // namespace

bool CsvRecords::Next(const FieldSink& sink) {
  if (pos_ >= text_.size()) {
    return false;
  }
  recordLine_ = line_;
  std::size_t index = 0;
  std::string field;
  bool quoted = false;
  while (pos_ < text_.size()) {
    const char c = text_[pos_++];
    if (c == '"' && !quoted && Trim(field, kSpacesAndTabs).empty()) {
      field.clear();
      quoted = true;
      ReadQuoted(field);
    } else if (c == ',') {
      sink(index++, std::move(field));
      field.clear();
      quoted = false;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
      }
      ++line_;
      break;
    } else {
      field += c;
    }
  }
  sink(index, std::move(field));
  return true;
}

void CsvRecords::ReadQuoted(std::string& field) {
  const std::size_t openedOnLine = line_;
  while (pos_ < text_.size()) {
    const char c = text_[pos_++];
    if (c == '"') {
      if (pos_ < text_.size() && text_[pos_] == '"') {
        field += '"';
        ++pos_;
        continue;
      }
      return;
    }
    if (c == '\n' || (c == '\r' && (pos_ == text_.size() || text_[pos_] != '\n'))) {
      ++line_;
    }
    field += c;
  }
  unclosedQuoteLine_ = openedOnLine;
}

std::string CsvRecordText(std::span<const std::string> fields) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    text += i == 0 ? "" : ",";
    if (!NeedsQuotes(fields[i])) {
      text += fields[i];
      continue;
    }
    text += '"';
    for (const char c : fields[i]) {
      text += c == '"' ? "\"\"" : std::string(1, c);
    }
    text += '"';
  }
  return text + kLineEnd;
}
