#include "files/csv_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReadRecord {
  std::vector<std::string> fields;
  std::size_t line = 0;
  bool operator==(const ReadRecord&) const = default;
};

std::vector<ReadRecord> Records(std::string_view text) {
  CsvRecords records(text);
  std::vector<ReadRecord> read;
  ReadRecord record;
  while (records.Next([&](std::size_t index, std::string&& field) {
    EXPECT_EQ(index, record.fields.size());
    record.fields.push_back(std::move(field));
  })) {
    record.line = records.RecordLine();
    read.push_back(std::move(record));
    record = {};
  }
  return read;
}

}  // namespace

TEST(CsvRecords, QuotesLineEndsAndTheLinesRecordsStartOn) {
  EXPECT_EQ(Records("a,b\r\n\"x\r\ny\",\"say \"\"hi\"\"\"\rlast, \"q,r\" ,"),
            (std::vector<ReadRecord>{
                {{"a", "b"}, 1}, {{"x\r\ny", "say \"hi\""}, 2}, {{"last", "q,r ", ""}, 4}}));
  // A quote inside an unquoted field is an ordinary character.
  EXPECT_EQ(Records("ab\"c\n"), (std::vector<ReadRecord>{{{"ab\"c"}, 1}}));
  EXPECT_TRUE(Records("").empty());
}

TEST(CsvRecords, ATextEndingInsideQuotesTellsWhereTheyOpened) {
  CsvRecords records("a\nb,\"c\nd");
  while (records.Next([](std::size_t, std::string&&) {})) {
  }
  EXPECT_EQ(records.UnclosedQuoteLine(), 2u);
}

// What the writer puts out, the reader gives back field for field.
TEST(CsvRecords, WrittenRecordsReadBackAsTheyWere) {
  const std::vector<std::string> fields = {"1", "", "a,b", "say \"hi\"", "two\r\nlines", " x "};
  const std::string text = CsvRecordText(fields);
  EXPECT_EQ(CsvRecordText(std::vector<std::string>{"Location", "446.006250", ""}),
            "Location,446.006250,\r\n");
  EXPECT_EQ(Records(text), (std::vector<ReadRecord>{{fields, 1}}));
}
