#include "files/csv_plan.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "files/csv_records.h"
#include "files/quoted_value.h"
#include "files/whole_file.h"
#include "radio/hz_text.h"
#include "radio/memory_map.h"
#include "radio/mhz_text.h"
#include "radio/pmr_channels.h"
#include "radio/tables.h"
#include "radio/text_rules.h"

namespace {

// Six decimals, as CHIRP writes its frequencies.
constexpr int kMhzDecimals = 6;

enum Column : std::size_t {
  kLocation,
  kName,
  kFrequency,
  kDuplex,
  kOffset,
  kTone,
  kRToneFreq,
  kCToneFreq,
  kDtcsCode,
  kDtcsPolarity,
  kRxDtcsCode,
  kCrossMode,
  kMode,
  kTStep,
  kSkip,
  kPower,
  kComment,
  kUrCall,
  kRpt1Call,
  kRpt2Call,
  kDvCode,
  kColumnCount
};

struct CsvColumn {
  const char* name;
  // What a row holds where it has nothing to say: CHIRP's own defaults for the tone
  // columns (88.5 Hz, code 023, normal polarity), the radio's values for the others.
  // A file without the column reads as this too.
  const char* value;
};

constexpr std::array<CsvColumn, kColumnCount> kColumns = {{
    {"Location", ""},       {"Name", ""},           {"Frequency", ""},
    {"Duplex", ""},         {"Offset", "0.000000"}, {"Tone", ""},
    {"rToneFreq", "88.5"},  {"cToneFreq", "88.5"},  {"DtcsCode", "023"},
    {"DtcsPolarity", "NN"}, {"RxDtcsCode", "023"},  {"CrossMode", "Tone->Tone"},
    {"Mode", "NFM"},        {"TStep", "12.50"},     {"Skip", ""},
    {"Power", "0.5W"},      {"Comment", ""},        {"URCALL", ""},
    {"RPT1CALL", ""},       {"RPT2CALL", ""},       {"DVCODE", ""},
}};

constexpr std::int64_t kHzStep = 10;
// Nine Hz digits, as an advanced-mode Hz box holds at most.
constexpr std::int64_t kHzLimit = 1000000000;
// CHIRP files of larger radios hold many rows beyond channel 15; the notice names the
// first of them and counts the rest.
constexpr int kMaxSkippedRowLines = 10;

std::string_view WithoutLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

LogLine Number(std::size_t number) {
  return Literal(std::to_string(number));
}

// ---- Frequencies and tones as the layout writes them ----

long TenthsOfHz(int qtIndex) {
  return std::lround(ToneFrequencies[qtIndex - 1] * 10);
}

std::string QtText(int toneIndex) {
  const long tenths = TenthsOfHz(toneIndex);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// The three digits of a DQT name such as "D132N".
std::string_view DqtDigits(int toneIndex) {
  return std::string_view(DqtNames[toneIndex - kFirstDqtIndex]).substr(1, 3);
}

enum class ToneKind { None, Qt, Dqt };

// An index outside the list is sent to the radio as no tone, and so written as none.
ToneKind KindOf(int toneIndex) {
  if (toneIndex >= 1 && toneIndex < kFirstDqtIndex) {
    return ToneKind::Qt;
  }
  if (toneIndex >= kFirstDqtIndex && toneIndex < kToneListCount) {
    return ToneKind::Dqt;
  }
  return ToneKind::None;
}

const char* CrossSide(ToneKind kind) {
  switch (kind) {
    case ToneKind::Qt:
      return "Tone";
    case ToneKind::Dqt:
      return "DTCS";
    case ToneKind::None:
      break;
  }
  return "";
}

using Cells = std::array<std::string, kColumnCount>;

void WriteTones(const ChannelRow& row, Cells& cells) {
  const int tx = row.txToneIndex;
  const int rx = row.rxToneIndex;
  const ToneKind txKind = KindOf(tx);
  const ToneKind rxKind = KindOf(rx);
  if (txKind == ToneKind::None && rxKind == ToneKind::None) {
    return;
  }
  if (txKind == ToneKind::Qt && rxKind == ToneKind::None) {
    cells[kTone] = "Tone";
    cells[kRToneFreq] = QtText(tx);
  } else if (txKind == ToneKind::Qt && tx == rx) {
    cells[kTone] = "TSQL";
    cells[kCToneFreq] = QtText(tx);
  } else if (txKind == ToneKind::Dqt && tx == rx) {
    cells[kTone] = "DTCS";
    cells[kDtcsCode] = DqtDigits(tx);
  } else {
    cells[kTone] = "Cross";
    cells[kCrossMode] = std::string(CrossSide(txKind)) + "->" + CrossSide(rxKind);
    if (txKind == ToneKind::Qt) {
      cells[kRToneFreq] = QtText(tx);
    } else if (txKind == ToneKind::Dqt) {
      cells[kDtcsCode] = DqtDigits(tx);
    }
    if (rxKind == ToneKind::Qt) {
      cells[kCToneFreq] = QtText(rx);
    } else if (rxKind == ToneKind::Dqt) {
      cells[kRxDtcsCode] = DqtDigits(rx);
    }
  }
}

std::string CommentText(const ChannelRow& row) {
  std::string comment;
  if (row.shift) {
    comment = "shift";
  }
  if (row.lockout) {
    comment += comment.empty() ? "busy lockout" : " busy lockout";
  }
  return comment;
}

// The Hz of one direction, or nothing when it is not in use; `problem` tells why the
// direction's text cannot be written.
std::optional<std::int64_t> DirectionHz(const ChannelRow& row, bool rx, bool advanced,
                                        LogLine& problem) {
  std::string text;
  if (advanced) {
    const std::string& typed = rx ? row.rxHzText : row.txHzText;
    if (!IsWritableHzText(typed)) {
      problem = Line(rx ? QT_TRANSLATE_NOOP("Vexalon",
                                            "its RX frequency %1 is not a frequency in Hz (digits "
                                            "only, a multiple of 10 Hz).")
                        : QT_TRANSLATE_NOOP("Vexalon",
                                            "its TX frequency %1 is not a frequency in Hz (digits "
                                            "only, a multiple of 10 Hz)."),
                     {QuotedValue(typed)});
      return std::nullopt;
    }
    text = TrimmedHzText(typed);
  } else {
    // An index outside 1..8 is sent to the radio as not in use.
    text = PmrChannelHzText(rx ? row.rxChannelIndex : row.txChannelIndex);
  }
  if (text.empty()) {
    return std::nullopt;
  }
  std::int64_t hz = 0;
  std::from_chars(text.data(), text.data() + text.size(), hz);
  return hz;
}

// ---- Reading CSV text ----

// A record's cells of the known columns; a column the file lacks, or a short record,
// leaves the cell empty so that it reads as the column's default.
struct Record {
  std::array<std::optional<std::string>, kColumnCount> cells;
  std::size_t line = 0;

  std::string_view Get(Column column) const {
    const auto& cell = cells[column];
    return cell ? Trim(*cell, kSpacesAndTabs) : std::string_view(kColumns[column].value);
  }
  bool Blank() const {
    return std::all_of(cells.begin(), cells.end(), [](const auto& cell) {
      return !cell || Trim(*cell, kSpacesAndTabs).empty();
    });
  }
};

// Why the value is no frequency for the radio; nothing when it is one.
std::optional<LogLine> FrequencyProblem(const std::optional<MhzValue>& value) {
  if (!value) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "is not a number of MHz"));
  }
  if (value->hz < 0 || (value->hz == 0 && !value->belowHz)) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "is not above zero"));
  }
  if (value->belowHz || value->hz % kHzStep != 0) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "is not a whole multiple of 10 Hz"));
  }
  if (value->hz >= kHzLimit) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "is not below 1000 MHz"));
  }
  return std::nullopt;
}

// The tone list index of a QT tone text such as "67.0" or "67"; 0 when the radio has no
// such tone.
int QtIndex(std::string_view text) {
  const std::optional<MhzValue> value = ParseMhz(text);
  // Read as MHz, 67.0 Hz is 67000000 "Hz": tenths of a Hz are whole multiples of 100000.
  constexpr std::int64_t kPerTenth = 100000;
  if (!value || value->belowHz || value->hz <= 0 || value->hz % kPerTenth != 0) {
    return 0;
  }
  for (int index = 1; index < kFirstDqtIndex; ++index) {
    if (TenthsOfHz(index) == value->hz / kPerTenth) {
      return index;
    }
  }
  return 0;
}

// The tone list index of a DQT code text such as "132" or "0132"; 0 when the radio has
// no such code.
int DqtIndex(std::string_view text) {
  if (text.empty() || !AllDigits(text)) {
    return 0;
  }
  for (int index = kFirstDqtIndex; index < kToneListCount; ++index) {
    if (WithoutLeadingZeros(text) == WithoutLeadingZeros(DqtDigits(index))) {
      return index;
    }
  }
  return 0;
}

// Where one direction's tone comes from: its kind and the column holding it.
struct ToneSource {
  ToneKind kind = ToneKind::None;
  Column column = kTone;
};

struct ToneSources {
  ToneSource tx;
  ToneSource rx;
};

std::optional<ToneSource> CrossSource(std::string_view side, Column qtColumn, Column dqtColumn) {
  if (side.empty()) {
    return ToneSource{};
  }
  if (EqualsIgnoringCase(side, "Tone")) {
    return ToneSource{ToneKind::Qt, qtColumn};
  }
  if (EqualsIgnoringCase(side, "DTCS")) {
    return ToneSource{ToneKind::Dqt, dqtColumn};
  }
  return std::nullopt;
}

// A channel read from a row: Hz, with the TX Hz empty when TX is not in use.
struct ChannelEntry {
  std::int64_t rxHz = 0;
  std::optional<std::int64_t> txHz;
  int rxToneIndex = 0;
  int txToneIndex = 0;
  bool shift = false;
  bool lockout = false;
};

// What one row gives: the channel, a reason to leave it not in use, or a reason to
// refuse the whole file.
struct RowReading {
  std::optional<ChannelEntry> entry;
  std::optional<LogLine> rowRefusal;
  std::optional<LogLine> fileRefusal;
};

// The tones of a row, or why the radio cannot take them.
std::optional<LogLine> ReadTones(const Record& record, ChannelEntry& entry) {
  const std::string_view mode = record.Get(kTone);
  ToneSources sources;
  if (EqualsIgnoringCase(mode, "Tone")) {
    sources.tx = {ToneKind::Qt, kRToneFreq};
  } else if (EqualsIgnoringCase(mode, "TSQL")) {
    sources.tx = sources.rx = {ToneKind::Qt, kCToneFreq};
  } else if (EqualsIgnoringCase(mode, "DTCS")) {
    sources.tx = sources.rx = {ToneKind::Dqt, kDtcsCode};
  } else if (EqualsIgnoringCase(mode, "Cross")) {
    const std::string_view cross = record.Get(kCrossMode);
    const std::size_t arrow = cross.find("->");
    std::optional<ToneSource> tx;
    std::optional<ToneSource> rx;
    if (arrow != std::string_view::npos) {
      tx = CrossSource(cross.substr(0, arrow), kRToneFreq, kDtcsCode);
      rx = CrossSource(cross.substr(arrow + 2), kCToneFreq, kRxDtcsCode);
    }
    if (!tx || !rx || (tx->kind == ToneKind::None && rx->kind == ToneKind::None)) {
      return Line(QT_TRANSLATE_NOOP("Vexalon", "the radio has no cross mode %1 (CrossMode)."),
                  {QuotedValue(cross)});
    }
    sources = {*tx, *rx};
  } else if (!mode.empty()) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "the radio has no tone mode %1 (Tone)."),
                {QuotedValue(mode)});
  }

  // The polarity pairs TX and RX; only a direction with a code has one to check.
  const std::string_view polarity = record.Get(kDtcsPolarity);
  for (const auto& [source, index, position] : {std::tuple{sources.tx, &entry.txToneIndex, 0},
                                                std::tuple{sources.rx, &entry.rxToneIndex, 1}}) {
    const std::string_view value = record.Get(source.column);
    const LogLine column = Literal(kColumns[source.column].name);
    if (source.kind == ToneKind::Qt) {
      *index = QtIndex(value);
      if (*index == 0) {
        return Line(QT_TRANSLATE_NOOP("Vexalon", "the radio has no tone %1 Hz (%2)."),
                    {QuotedValue(value), column});
      }
    } else if (source.kind == ToneKind::Dqt) {
      *index = DqtIndex(value);
      if (*index == 0) {
        return Line(QT_TRANSLATE_NOOP("Vexalon", "the radio has no DTCS code %1 (%2)."),
                    {QuotedValue(value), column});
      }
      const auto isPolarity = [](char c) { return LowerAscii(c) == 'n' || LowerAscii(c) == 'r'; };
      const bool normal = polarity.size() == 2 &&
                          std::all_of(polarity.begin(), polarity.end(), isPolarity) &&
                          LowerAscii(polarity[position]) == 'n';
      if (!normal) {
        return Line(
            QT_TRANSLATE_NOOP(
                "Vexalon", "the radio has DTCS codes of normal polarity only (DtcsPolarity %1)."),
            {QuotedValue(polarity)});
      }
    }
  }
  return std::nullopt;
}

// Shift and busy lockout, as words of the comment in any case.
void ReadComment(std::string_view comment, ChannelEntry& entry) {
  std::vector<std::string> words(1);
  for (const char c : comment) {
    const char lower = LowerAscii(c);
    if ((lower >= 'a' && lower <= 'z') || IsDigit(lower)) {
      words.back() += lower;
    } else if (!words.back().empty()) {
      words.emplace_back();
    }
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    entry.shift = entry.shift || words[i] == "shift";
    entry.lockout =
        entry.lockout || (words[i] == "busy" && i + 1 < words.size() && words[i + 1] == "lockout");
  }
}

RowReading ReadRow(const Record& record) {
  RowReading reading;
  ChannelEntry entry;
  const std::string_view frequency = record.Get(kFrequency);
  const std::optional<MhzValue> rx = ParseMhz(frequency);
  if (const std::optional<LogLine> problem = FrequencyProblem(rx)) {
    reading.fileRefusal = Line(QT_TRANSLATE_NOOP("Vexalon", "the RX frequency (Frequency %1) %2."),
                               {QuotedValue(frequency), *problem});
    return reading;
  }
  entry.rxHz = rx->hz;

  const std::string_view duplex = record.Get(kDuplex);
  const std::string_view offsetText = record.Get(kOffset);
  std::optional<MhzValue> tx;
  std::optional<LogLine> txSource;
  if (duplex.empty()) {
    entry.txHz = entry.rxHz;
  } else if (duplex == "+" || duplex == "-") {
    const std::optional<MhzValue> offset = ParseMhz(offsetText);
    if (!offset) {
      reading.fileRefusal =
          Line(QT_TRANSLATE_NOOP("Vexalon", "the offset (Offset %1) is not a number of MHz."),
               {QuotedValue(offsetText)});
      return reading;
    }
    tx = MhzValue{rx->hz + (duplex == "+" ? offset->hz : -offset->hz), offset->belowHz};
    txSource = Line(QT_TRANSLATE_NOOP("Vexalon", "Frequency %1 with Duplex %2 and Offset %3"),
                    {QuotedValue(frequency), QuotedValue(duplex), QuotedValue(offsetText)});
  } else if (EqualsIgnoringCase(duplex, "split")) {
    tx = ParseMhz(offsetText);
    txSource = Line(QT_TRANSLATE_NOOP("Vexalon", "Offset %1 with Duplex \"split\""),
                    {QuotedValue(offsetText)});
  } else if (!EqualsIgnoringCase(duplex, "off")) {
    reading.rowRefusal =
        Line(QT_TRANSLATE_NOOP("Vexalon",
                               "Duplex %1 is none of \"\", \"+\", \"-\", \"split\" and \"off\"."),
             {QuotedValue(duplex)});
    return reading;
  }
  if (txSource) {
    if (const std::optional<LogLine> problem = FrequencyProblem(tx)) {
      reading.fileRefusal =
          Line(QT_TRANSLATE_NOOP("Vexalon", "the TX frequency (%1) %2."), {*txSource, *problem});
      return reading;
    }
    entry.txHz = tx->hz;
  }

  reading.rowRefusal = ReadTones(record, entry);
  if (reading.rowRefusal) {
    return reading;
  }
  ReadComment(record.Get(kComment), entry);
  reading.entry = entry;
  return reading;
}

// The channel 1..15 a Location text names; 0 for any other text.
int LocationChannel(std::string_view location) {
  const std::string_view digits = WithoutLeadingZeros(location);
  if (location.empty() || !AllDigits(location) || digits.size() > 2) {
    return 0;
  }
  int channel = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), channel);
  return channel <= kChannelCount ? channel : 0;
}

ChannelPlan PlanOf(const std::array<std::optional<ChannelEntry>, kChannelCount>& entries,
                   bool advancedMode) {
  const auto onPmrChannels = [](const std::optional<ChannelEntry>& entry) {
    return !entry || (PmrChannelAt(entry->rxHz, kPmrChannelCount) != 0 &&
                      (!entry->txHz || PmrChannelAt(*entry->txHz, kPmrChannelCount) != 0));
  };
  ChannelPlan plan;
  plan.advancedMode = advancedMode || !std::all_of(entries.begin(), entries.end(), onPmrChannels);
  for (int n = 0; n < kChannelCount; ++n) {
    if (!entries[n]) {
      continue;
    }
    const ChannelEntry& entry = *entries[n];
    ChannelRow& row = plan.channels[n];
    if (plan.advancedMode) {
      row.rxHzText = std::to_string(entry.rxHz);
      row.txHzText = entry.txHz ? std::to_string(*entry.txHz) : "";
    } else {
      row.rxChannelIndex = PmrChannelAt(entry.rxHz, kPmrChannelCount);
      row.txChannelIndex = entry.txHz ? PmrChannelAt(*entry.txHz, kPmrChannelCount) : 0;
    }
    row.rxToneIndex = entry.rxToneIndex;
    row.txToneIndex = entry.txToneIndex;
    row.shift = entry.shift;
    row.lockout = entry.lockout;
  }
  return plan;
}

// The first record with anything in it names the columns; the first of equal names counts.
struct Header {
  bool found = false;
  std::map<Column, std::size_t> columnAt;
  std::map<std::size_t, Column> columnOf;
};

Header ReadHeader(CsvRecords& records) {
  Header header;
  const auto name = [&](std::size_t index, std::string&& text) {
    const std::string_view trimmed = Trim(text, kSpacesAndTabs);
    if (trimmed.empty()) {
      return;
    }
    header.found = true;
    for (std::size_t column = 0; column < kColumnCount; ++column) {
      const auto known = static_cast<Column>(column);
      if (EqualsIgnoringCase(trimmed, kColumns[column].name) &&
          header.columnAt.emplace(known, index).second) {
        header.columnOf[index] = known;
      }
    }
  };
  while (!header.found && records.Next(name)) {
  }
  return header;
}

LoadedPlan Refused(const LogLine& reason) {
  return {std::nullopt, {reason, {}}, {}};
}

}  // namespace

CsvText CsvPlanText(const ChannelPlan& plan) {
  Cells names;
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    names[column] = kColumns[column].name;
  }
  std::string text = CsvRecordText(names);
  LogLine problems;
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow& row = plan.channels[n - 1];
    LogLine rxProblem;
    LogLine txProblem;
    const std::optional<std::int64_t> rxHz = DirectionHz(row, true, plan.advancedMode, rxProblem);
    const std::optional<std::int64_t> txHz = DirectionHz(row, false, plan.advancedMode, txProblem);
    const auto add = [&](const LogLine& problem) {
      AddNoticeLine(problems,
                    Line(QT_TRANSLATE_NOOP("Vexalon", "Channel %1: %2"), {Literal(n), problem}));
    };
    for (const LogLine& problem : {rxProblem, txProblem}) {
      if (!problem.format.empty()) {
        add(problem);
      }
    }
    if (!rxProblem.format.empty() || !txProblem.format.empty()) {
      continue;
    }
    if (!rxHz) {
      if (txHz) {
        add(Line(QT_TRANSLATE_NOOP("Vexalon",
                                   "its TX frequency is set while its RX frequency is not in use; "
                                   "a row holds a TX frequency only beside an RX frequency.")));
      }
      continue;
    }
    Cells cells;
    for (std::size_t column = 0; column < kColumnCount; ++column) {
      cells[column] = kColumns[column].value;
    }
    cells[kLocation] = std::to_string(n);
    cells[kFrequency] = MhzText(*rxHz, kMhzDecimals, ".");
    if (!txHz) {
      cells[kDuplex] = "off";
    } else if (*txHz != *rxHz) {
      cells[kDuplex] = "split";
      cells[kOffset] = MhzText(*txHz, kMhzDecimals, ".");
    }
    WriteTones(row, cells);
    cells[kComment] = CommentText(row);
    text += CsvRecordText(cells);
  }
  if (!problems.format.empty()) {
    return {{},
            Line(QT_TRANSLATE_NOOP("Vexalon", "The CSV layout cannot hold these channels:\n%1"),
                 {problems})};
  }
  return {text, {}};
}

LoadedPlan CsvPlanFromText(std::string_view text, bool advancedMode) {
  if (text.starts_with(kUtf8ByteOrderMark)) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  CsvRecords records(text);

  const Header header = ReadHeader(records);
  const auto notAPlan = [](const LogLine& reason) {
    return Refused(
        Line(QT_TRANSLATE_NOOP("Vexalon", "This is not a CSV channel plan: %1"), {reason}));
  };
  if (records.UnclosedQuoteLine()) {
    return notAPlan(Line(
        QT_TRANSLATE_NOOP("Vexalon", "the quoted field that starts on line %1 is never closed."),
        {Number(*records.UnclosedQuoteLine())}));
  }
  if (!header.found) {
    return notAPlan(Line(QT_TRANSLATE_NOOP("Vexalon", "it is empty.")));
  }
  for (const Column needed : {kLocation, kFrequency}) {
    if (!header.columnAt.contains(needed)) {
      return notAPlan(Line(QT_TRANSLATE_NOOP("Vexalon", "it has no %1 column."),
                           {Literal(kColumns[needed].name)}));
    }
  }

  std::array<std::optional<ChannelEntry>, kChannelCount> entries;
  std::array<std::size_t, kChannelCount> rowLine{};
  LogLine notice;
  std::vector<PlanProblem> problems;
  int skippedRows = 0;
  const auto skip = [&](const LogLine& line) {
    if (++skippedRows <= kMaxSkippedRowLines) {
      AddNoticeLine(notice, line);
    }
  };
  Record record;
  while (records.Next([&](std::size_t index, std::string&& field) {
    if (const auto column = header.columnOf.find(index); column != header.columnOf.end()) {
      record.cells[column->second] = std::move(field);
    }
  })) {
    record.line = records.RecordLine();
    if (!record.Blank()) {
      const LogLine line = Number(record.line);
      const std::string_view location = record.Get(kLocation);
      const int channel = LocationChannel(location);
      if (channel == 0) {
        skip(
            Line(QT_TRANSLATE_NOOP(
                     "Vexalon", "Line %1: location %2 is skipped; the radio has channels 1 to 15."),
                 {line, QuotedValue(location)}));
      } else if (rowLine[channel - 1] != 0) {
        skip(Line(QT_TRANSLATE_NOOP(
                      "Vexalon", "Line %1: another row for channel %2 (after line %3) is skipped."),
                  {line, Literal(channel), Number(rowLine[channel - 1])}));
      } else {
        rowLine[channel - 1] = record.line;
        const RowReading reading = ReadRow(record);
        if (reading.fileRefusal) {
          return Refused(Line(QT_TRANSLATE_NOOP("Vexalon", "Channel %1 (line %2): %3"),
                              {Literal(channel), line, *reading.fileRefusal}));
        }
        if (reading.rowRefusal) {
          const LogLine leftUnused =
              Line(QT_TRANSLATE_NOOP("Vexalon", "Channel %1 (line %2) is left not in use: %3"),
                   {Literal(channel), line, *reading.rowRefusal});
          AddNoticeLine(notice, leftUnused);
          problems.push_back({leftUnused, false});
        }
        entries[channel - 1] = reading.entry;
      }
    }
    record = Record{};
  }
  if (records.UnclosedQuoteLine()) {
    return Refused(Line(QT_TRANSLATE_NOOP("Vexalon",
                                          "The quoted field that starts on line %1 is never "
                                          "closed: the file may have been cut short."),
                        {Number(*records.UnclosedQuoteLine())}));
  }
  if (skippedRows > kMaxSkippedRowLines) {
    AddNoticeLine(
        notice, Line(QT_TRANSLATE_NOOP("Vexalon",
                                       "%1 more rows for other locations or repeated channels are "
                                       "skipped."),
                     {Literal(skippedRows - kMaxSkippedRowLines)}));
  }
  return {PlanOf(entries, advancedMode), {{}, notice}, problems};
}

std::optional<LogLine> CsvPlanOutputRefusal(const std::string& fileName) {
  const WholeFile file = ReadWholeFile(fileName);
  if (file.state != FileState::Read || IsBlank(file.bytes) ||
      CsvPlanFromText(file.bytes, false).plan) {
    return std::nullopt;
  }
  return Line(
      QT_TRANSLATE_NOOP("Vexalon",
                        "%1 is not a CSV channel plan; it is not replaced. Choose another file."),
      {Literal(fileName)});
}

PlanFileOutcome SaveCsvPlanFile(const std::string& fileName, const ChannelPlan& plan) {
  const CsvText csv = CsvPlanText(plan);
  if (!csv.failure.format.empty()) {
    return {Line(QT_TRANSLATE_NOOP("Vexalon", "%1 was not written. %2"),
                 {Literal(fileName), csv.failure}),
            {}};
  }
  FileReplacement replacement(fileName);
  if (!replacement.Begin()) {
    return {Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to write to %1."), {Literal(fileName)}), {}};
  }
  if (const auto refusal = CsvPlanOutputRefusal(fileName)) {
    return {*refusal, {}};
  }
  if (!replacement.Commit(csv.text)) {
    return {Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to write to %1."), {Literal(fileName)}), {}};
  }
  return {};
}

LoadedPlan LoadCsvPlanFile(const std::string& fileName, bool settings, bool advancedMode) {
  const WholeFile file = ReadWholeFile(fileName);
  if (file.state != FileState::Read) {
    return Refused(Line(QT_TRANSLATE_NOOP("Vexalon", "Unable to read %1."), {Literal(fileName)}));
  }
  LoadedPlan loaded = CsvPlanFromText(file.bytes, advancedMode);
  if (!loaded.plan) {
    loaded.outcome.failure = Line(QT_TRANSLATE_NOOP("Vexalon", "%1 was not loaded. %2"),
                                  {Literal(fileName), loaded.outcome.failure});
  } else if (settings) {
    AddNoticeLine(loaded.outcome.notice, Line(kNoSettingsInFile));
  }
  return loaded;
}

bool IsCsvPlanFileName(const std::string& fileName) {
  constexpr std::string_view kExtension = ".csv";
  return fileName.size() >= kExtension.size() &&
         EqualsIgnoringCase(std::string_view(fileName).substr(fileName.size() - kExtension.size()),
                            kExtension);
}
