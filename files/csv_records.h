#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// CSV text as RFC 4180 has it: records of fields separated by commas, a field in quotes
// when it holds commas, quotes or line ends.

// Splits CSV text into records and fields, taking LF alone and CR alone as line ends too
// and blanks before an opening quote as nothing. A quote inside an unquoted field is an
// ordinary character.
class CsvRecords {
 public:
  using FieldSink = std::function<void(std::size_t index, std::string&& field)>;

  explicit CsvRecords(std::string_view text) : text_(text) {}

  // Hands each field of the next record to the sink; false when the text has no more.
  bool Next(const FieldSink& sink);

  // The line the last record read starts on, counted from 1.
  std::size_t RecordLine() const { return recordLine_; }
  // Where a quoted field starts that the text ends inside of.
  std::optional<std::size_t> UnclosedQuoteLine() const { return unclosedQuoteLine_; }

 private:
  void ReadQuoted(std::string& field);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
  std::size_t recordLine_ = 1;
  std::optional<std::size_t> unclosedQuoteLine_;
};

// One record with its line end, each field quoted only when it must be.
std::string CsvRecordText(std::span<const std::string> fields);
