#include "files/csv_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <random>
#include <sstream>
#include <vector>

#include "radio/hz_text.h"
#include "radio/tables.h"
#include "tests/support/temp_folder.h"

using namespace std::string_literals;

// Readable failures: a row as the fields a designated initializer names.
void PrintTo(const ChannelRow& row, std::ostream* out) {
  *out << "{rx " << row.rxChannelIndex << "/\"" << row.rxHzText << "\", tx " << row.txChannelIndex
       << "/\"" << row.txHzText << "\", tones rx " << row.rxToneIndex << " tx " << row.txToneIndex
       << (row.shift ? ", shift" : "") << (row.lockout ? ", lockout" : "") << "}";
}

namespace {

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// Tone list indexes used below by name.
constexpr int k67_0 = 1, k71_9 = 2, k74_4 = 3, k77_0 = 4, k79_7 = 5, k82_5 = 6, k88_5 = 8,
              k100_0 = 12, k162_2 = 26;
constexpr int kD132 = 27, kD155 = 28, kD134 = 29, kD243 = 30, kD311 = 31, kD346 = 32, kD315 = 33,
              kD723 = 38;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

ChannelPlan NormalPlan(const std::array<ChannelRow, kChannelCount>& channels) {
  return {.advancedMode = false, .channels = channels, .settings = std::nullopt};
}

// Every tone mode the layout has, split and off duplex, shift and lockout; channels 14
// and 15 not in use.
ChannelPlan EveryToneModePlan() {
  return NormalPlan({{
      {.rxChannelIndex = 1, .txChannelIndex = 1},
      {.rxChannelIndex = 2, .txChannelIndex = 1, .txToneIndex = k67_0, .shift = true},
      {.rxChannelIndex = 3, .txChannelIndex = 5, .rxToneIndex = k100_0, .txToneIndex = k100_0},
      {.rxChannelIndex = 4, .txChannelIndex = 0, .rxToneIndex = kD132, .txToneIndex = kD132},
      {.rxChannelIndex = 5, .txChannelIndex = 5, .rxToneIndex = k74_4, .txToneIndex = k71_9},
      {.rxChannelIndex = 6, .txChannelIndex = 6, .rxToneIndex = kD155, .txToneIndex = k77_0},
      {.rxChannelIndex = 7, .txChannelIndex = 7, .rxToneIndex = k79_7, .txToneIndex = kD134},
      {.rxChannelIndex = 8, .txChannelIndex = 1, .rxToneIndex = kD311, .txToneIndex = kD243},
      {.rxChannelIndex = 1, .txChannelIndex = 1, .rxToneIndex = k82_5, .lockout = true},
      {.rxChannelIndex = 2, .txChannelIndex = 0, .rxToneIndex = kD346},
      {.rxChannelIndex = 3,
       .txChannelIndex = 3,
       .txToneIndex = kD315,
       .shift = true,
       .lockout = true},
      {.rxChannelIndex = 4, .txChannelIndex = 4, .rxToneIndex = k162_2, .txToneIndex = k162_2},
      {.rxChannelIndex = 8, .txChannelIndex = 8, .rxToneIndex = kD723, .txToneIndex = kD723},
      {},
      {},
  }});
}

// A CHIRP-style file: the full header, then the rows.
std::string ChirpFile(const std::vector<std::string>& rows, const std::string& lineEnd = "\r\n") {
  std::string text = kHeader + lineEnd;
  for (const std::string& row : rows) {
    text += row + lineEnd;
  }
  return text;
}

}  // namespace

// ---- Writing ----

TEST(CsvPlanWrite, WritesChirpsGenericLayout) {
  ChannelPlan plan;
  plan.channels[0] = {.rxChannelIndex = 1, .txChannelIndex = 1};
  plan.channels[1] = {.rxChannelIndex = 2,
                      .txChannelIndex = 3,
                      .rxToneIndex = k100_0,
                      .txToneIndex = k100_0,
                      .shift = true};
  // Not in use: no row, whatever its tones.
  plan.channels[2] = {.rxToneIndex = k67_0, .txToneIndex = k67_0, .lockout = true};
  plan.channels[3] = {.rxChannelIndex = 8,
                      .rxToneIndex = k162_2,
                      .txToneIndex = kD132,
                      .shift = true,
                      .lockout = true};
  plan.channels[14] = {
      .rxChannelIndex = 4, .txChannelIndex = 4, .txToneIndex = k67_0, .lockout = true};
  EXPECT_EQ(CsvPlanText(plan).text,
            kHeader + "\r\n" +
                "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,\r\n"
                "2,,446.018750,split,446.031250,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,12.50,,"
                "0.5W,shift,,,,\r\n"
                "4,,446.093750,off,0.000000,Cross,88.5,162.2,132,NN,023,DTCS->Tone,NFM,12.50,,0.5W,"
                "shift busy lockout,,,,\r\n"
                "15,,446.043750,,0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,"
                "busy lockout,,,,\r\n");
  EXPECT_EQ(CsvPlanText(ChannelPlan{}).text, kHeader + "\r\n");
}

TEST(CsvPlanWrite, WritesAdvancedHzTextsAsMegahertz) {
  ChannelPlan plan;
  plan.advancedMode = true;
  plan.channels[0] = {.rxHzText = "145500000", .txHzText = " 145500000 "};
  plan.channels[1] = {.rxHzText = " 438987500", .txHzText = "431387500"};
  plan.channels[2] = {.rxHzText = "10"};
  const std::vector<std::string> lines = Lines(CsvPlanText(plan).text);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[1].starts_with("1,,145.500000,,0.000000,,")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("2,,438.987500,split,431.387500,,")) << lines[2];
  EXPECT_TRUE(lines[3].starts_with("3,,0.000010,off,0.000000,,")) << lines[3];
}

TEST(CsvPlanWrite, RefusesWhatTheLayoutCannotHoldAndWritesNothing) {
  ChannelPlan normal;
  normal.channels[3] = {.rxChannelIndex = 0, .txChannelIndex = 2};
  normal.channels[4] = {.rxChannelIndex = 1, .txChannelIndex = 1};
  const CsvText refused = CsvPlanText(normal);
  EXPECT_TRUE(refused.text.empty());
  EXPECT_EQ(refused.failure.Text(),
            "The CSV layout cannot hold these channels:\n"
            "Channel 4: its TX frequency is set while its RX frequency is not in use; a row holds "
            "a TX frequency only beside an RX frequency.");

  ChannelPlan advanced;
  advanced.advancedMode = true;
  advanced.channels[0] = {.rxHzText = "446006255", .txHzText = "446006250"};
  advanced.channels[6] = {.rxHzText = "", .txHzText = "446006250"};
  advanced.channels[9] = {.rxHzText = "446006250", .txHzText = "4460062500"};
  advanced.channels[14] = {.rxHzText = "446.00625"};
  EXPECT_EQ(Lines(CsvPlanText(advanced).failure.Text()),
            (std::vector<std::string>{
                "The CSV layout cannot hold these channels:",
                "Channel 1: its RX frequency \"446006255\" is not a frequency in Hz (digits only, "
                "a multiple of 10 Hz).",
                "Channel 7: its TX frequency is set while its RX frequency is not in use; a row "
                "holds a TX frequency only beside an RX frequency.",
                "Channel 10: its TX frequency \"4460062500\" is not a frequency in Hz (digits "
                "only, a multiple of 10 Hz).",
                "Channel 15: its RX frequency \"446.00625\" is not a frequency in Hz (digits "
                "only, a multiple of 10 Hz).",
            }));

  TempFolder folder;
  const std::string existing = folder / "existing.csv";
  WriteBytes(existing, "kept");
  const PlanFileOutcome saved = SaveCsvPlanFile(existing, advanced);
  EXPECT_TRUE(saved.failure.Text().starts_with(existing + " was not written. The CSV layout cannot "
                                                          "hold these channels:\nChannel 1: "))
      << saved.failure.Text();
  EXPECT_EQ(ReadBytes(existing), "kept");
  EXPECT_FALSE(SaveCsvPlanFile(folder / "new.csv", normal).failure.Text().empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "new.csv"));
}

TEST(CsvPlanWrite, FileThatCannotBeWrittenStaysAsItWas) {
  TempFolder folder;
  const std::string readOnly = folder / "read-only.csv";
  WriteBytes(readOnly, "old");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  EXPECT_EQ(SaveCsvPlanFile(readOnly, EveryToneModePlan()).failure.Text(),
            "Unable to write to " + readOnly + ".");
  EXPECT_EQ(ReadBytes(readOnly), "old");
  EXPECT_EQ(SaveCsvPlanFile(folder.Path().string() + "/", EveryToneModePlan()).failure.Text(),
            "Unable to write to " + folder.Path().string() + "/.");
}

// ---- Round trips ----

TEST(CsvPlanRoundTrip, NormalPlanComesBackWhole) {
  TempFolder folder;
  const ChannelPlan plan = EveryToneModePlan();
  ASSERT_TRUE(SaveCsvPlanFile(folder / "plan.csv", plan).failure.Text().empty());
  const LoadedPlan loaded = LoadCsvPlanFile(folder / "plan.csv", false, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_FALSE(loaded.plan->advancedMode);
  EXPECT_EQ(loaded.plan->channels, plan.channels);
  EXPECT_EQ(loaded.outcome.failure.Text(), "");
  EXPECT_EQ(loaded.outcome.notice.Text(), "");
}

TEST(CsvPlanRoundTrip, EveryToneAndCodeInEveryPairing) {
  for (int k = 0; k < kToneListCount; ++k) {
    ChannelPlan plan;
    for (int n = 1; n <= kChannelCount; ++n) {
      plan.channels[n - 1] = {.rxChannelIndex = 1 + n % 8,
                              .txChannelIndex = n % 4 == 0 ? 0 : 1 + (n + k) % 8,
                              .rxToneIndex = (k + 2 * n) % kToneListCount,
                              .txToneIndex = (k + n) % kToneListCount};
    }
    const CsvText csv = CsvPlanText(plan);
    ASSERT_EQ(csv.failure.Text(), "");
    const LoadedPlan loaded = CsvPlanFromText(csv.text, false);
    ASSERT_TRUE(loaded.plan);
    EXPECT_EQ(loaded.plan->channels, plan.channels) << csv.text;
    EXPECT_EQ(loaded.outcome.notice.Text(), "") << csv.text;
  }
}

TEST(CsvPlanRoundTrip, AdvancedPlanComesBackInEitherWindow) {
  ChannelPlan plan = EveryToneModePlan();
  plan.advancedMode = true;
  for (ChannelRow& row : plan.channels) {
    row.rxHzText = PmrChannelHzText(row.rxChannelIndex);
    row.txHzText = PmrChannelHzText(row.txChannelIndex);
    row.rxChannelIndex = row.txChannelIndex = 0;
  }
  plan.channels[13] = {.rxHzText = "145500000", .txHzText = "145500000", .txToneIndex = k88_5};
  plan.channels[14] = {.rxHzText = "438987500", .txHzText = "431387500", .shift = true};
  plan.channels[0].txHzText = "999999990";
  plan.channels[1].rxHzText = "10";
  TempFolder folder;
  ASSERT_TRUE(SaveCsvPlanFile(folder / "advanced.csv", plan).failure.Text().empty());
  for (const bool advancedWindow : {false, true}) {
    const LoadedPlan loaded = LoadCsvPlanFile(folder / "advanced.csv", false, advancedWindow);
    ASSERT_TRUE(loaded.plan);
    EXPECT_TRUE(loaded.plan->advancedMode);
    EXPECT_EQ(loaded.plan->channels, plan.channels);
  }
}

TEST(CsvPlanRoundTrip, SettingsAreNotHeldAndTheUserIsToldAsForAnIniFile) {
  TempFolder folder;
  ChannelPlan plan = EveryToneModePlan();
  plan.settings = RadioSettings{.beepTones = true, .squelchLevel = 7};
  SaveCsvPlanFile(folder / "plan.csv", plan);
  plan.settings.reset();
  SavePlanFile(folder / "plan.ini", plan);

  const LoadedPlan csv = LoadCsvPlanFile(folder / "plan.csv", true, false);
  ASSERT_TRUE(csv.plan);
  EXPECT_FALSE(csv.plan->settings);
  EXPECT_EQ(csv.outcome.notice.Text(),
            LoadPlanFile(folder / "plan.ini", true, false).outcome.notice.Text());
  EXPECT_FALSE(csv.outcome.notice.Text().empty());
  EXPECT_EQ(LoadCsvPlanFile(folder / "plan.csv", false, false).outcome.notice.Text(), "");
}

// ---- Reading files CHIRP and people write ----

TEST(CsvPlanRead, ReadsAChirpFileWithEveryToneModeAndDuplex) {
  const std::string text = ChirpFile({
      "1,PMR 1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,S,0.5W,"
      "Busy on Sundays; shifted,,,,",
      "2,,446.018750,-,0.012500,Tone,67.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,shift,,,,",
      "3,,446.031250,+,0.025000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,",
      "4,,446.043750,off,0.000000,DTCS,88.5,88.5,132,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
      "5,,446.056250,,0.000000,Cross,71.9,74.4,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
      "6,,446.068750,,0.000000,Cross,77.0,88.5,023,NN,155,Tone->DTCS,NFM,12.50,,0.5W,,,,,",
      "7,,446.081250,,0.000000,Cross,88.5,79.7,134,NN,023,DTCS->Tone,NFM,12.50,,0.5W,,,,,",
      "8,,446.093750,split,446.006250,Cross,88.5,88.5,243,NN,311,DTCS->DTCS,NFM,12.50,,0.5W,,,,,",
      "9,,446.006250,,0.000000,Cross,88.5,82.5,023,NN,023,->Tone,NFM,12.50,,0.5W,Busy Lockout,,,,",
      "10,,446.018750,off,0.000000,Cross,88.5,88.5,023,NN,346,->DTCS,NFM,12.50,,0.5W,,,,,",
      "11,,446.031250,,0.000000,Cross,88.5,88.5,315,NN,023,DTCS->,NFM,12.50,,0.5W,"
      "\"Net, shift busy lockout\",,,,",
      "12,Club,446.04375,,0.0,TSQL,88.5,162.2,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
      "13,,446.093750,,0.000000,DTCS,88.5,88.5,723,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
  });
  const LoadedPlan loaded = CsvPlanFromText(text, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(loaded.outcome.notice.Text(), "");
  EXPECT_FALSE(loaded.plan->advancedMode);
  EXPECT_EQ(loaded.plan->channels, EveryToneModePlan().channels);
}

TEST(CsvPlanRead, ByteOrderMarkLineEndsColumnOrderAndMissingColumnsDoNotMatter) {
  const std::vector<std::string> rows = {
      "2,,446.018750,-,0.012500,Tone,67.0,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,shift,,,,",
      "8,,446.093750,split,446.006250,Cross,88.5,88.5,243,NN,311,DTCS->DTCS,NFM,12.50,,0.5W,,,,,",
  };
  const LoadedPlan reference = CsvPlanFromText(ChirpFile(rows), false);
  ASSERT_TRUE(reference.plan);
  ASSERT_EQ(reference.plan->channels[7].txToneIndex, kD243);
  for (const std::string& text : {"\xEF\xBB\xBF" + ChirpFile(rows), ChirpFile(rows, "\n"),
                                  "\xEF\xBB\xBF" + ChirpFile(rows, "\n")}) {
    const LoadedPlan loaded = CsvPlanFromText(text, false);
    ASSERT_TRUE(loaded.plan);
    EXPECT_EQ(loaded.plan->channels, reference.plan->channels);
  }

  // The columns in reverse, each row ending without a line break.
  std::string reversed;
  for (const std::string& line : Lines(ChirpFile(rows, "\n"))) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
      fields.push_back(field);
    }
    fields.resize(21);
    std::reverse(fields.begin(), fields.end());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      reversed += (i ? "," : "") + fields[i];
    }
    reversed += "\r";
  }
  const LoadedPlan loaded = CsvPlanFromText(reversed, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(loaded.plan->channels, reference.plan->channels);

  // Only the two columns a plan needs; names in any case, blanks around values.
  const LoadedPlan minimal = CsvPlanFromText(" frequency , LOCATION\n 446.00625 , 3 \n", false);
  ASSERT_TRUE(minimal.plan);
  EXPECT_EQ(minimal.plan->channels[2], (ChannelRow{.rxChannelIndex = 1, .txChannelIndex = 1}));
  // A missing tone column reads as CHIRP's default: 88.5 Hz, which the radio has, and
  // code 023, which it has not.
  const LoadedPlan defaults =
      CsvPlanFromText("Location,Frequency,Tone\n1,446.00625,TSQL\n2,446.00625,DTCS\n", false);
  ASSERT_TRUE(defaults.plan);
  EXPECT_EQ(defaults.plan->channels[0].rxToneIndex, k88_5);
  EXPECT_EQ(defaults.plan->channels[1], ChannelRow{});
  EXPECT_EQ(defaults.outcome.notice.Text(),
            "Channel 2 (line 3) is left not in use: the radio has no DTCS code \"023\" "
            "(DtcsCode).");
}

TEST(CsvPlanRead, QuotedFieldsAsCsvAllows) {
  const LoadedPlan loaded = CsvPlanFromText(
      "\"Location\",\"Name\",\"Frequency\",Comment\r\n"
      "\"1\",\"Two\r\nlines, and \"\"quotes\"\"\",\"446.006250\",\"\"\"busy\"\" lockout\"\r\n"
      "2, \"A, B\" ,446.018750,shift\r\n"
      "0,,446.00625,\r\n",
      false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(loaded.plan->channels[0],
            (ChannelRow{.rxChannelIndex = 1, .txChannelIndex = 1, .lockout = true}));
  // Blanks before an opening quote are nothing, so its comma stays inside.
  EXPECT_EQ(loaded.plan->channels[1],
            (ChannelRow{.rxChannelIndex = 2, .txChannelIndex = 2, .shift = true}));
  // The rows after the two-line field start on line 4.
  EXPECT_EQ(loaded.outcome.notice.Text(),
            "Line 5: location \"0\" is skipped; the radio has channels 1 to 15.");
}

TEST(CsvPlanRead, FrequenciesAreExactDecimals) {
  const auto rxHz = [](const std::string& mhz) {
    const LoadedPlan loaded = CsvPlanFromText("Location,Frequency\n1," + mhz + "\n", true);
    return loaded.plan ? loaded.plan->channels[0].rxHzText : "refused";
  };
  EXPECT_EQ(rxHz("446.00625"), "446006250");
  EXPECT_EQ(rxHz("446.0062500000"), "446006250");
  EXPECT_EQ(rxHz("446.1"), "446100000");
  EXPECT_EQ(rxHz("446"), "446000000");
  EXPECT_EQ(rxHz("0446.01"), "446010000");
  EXPECT_EQ(rxHz(".00001"), "10");
  EXPECT_EQ(rxHz("999.99999"), "999999990");
  EXPECT_EQ(rxHz("446.0062501"), "refused");
}

// ---- Which mode the plan comes in ----

TEST(CsvPlanRead, PmrOnlyFileIsNormalUnlessTheWindowIsAdvanced) {
  const std::string pmr = ChirpFile({
      "1,,446.006250,split,446.093750,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
      "15,,446.043750,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
  });
  const LoadedPlan normal = CsvPlanFromText(pmr, false);
  ASSERT_TRUE(normal.plan);
  EXPECT_FALSE(normal.plan->advancedMode);
  EXPECT_EQ(normal.plan->channels[0], (ChannelRow{.rxChannelIndex = 1, .txChannelIndex = 8}));
  EXPECT_EQ(normal.plan->channels[14], (ChannelRow{.rxChannelIndex = 4}));

  const LoadedPlan advanced = CsvPlanFromText(pmr, true);
  ASSERT_TRUE(advanced.plan);
  EXPECT_TRUE(advanced.plan->advancedMode);
  EXPECT_EQ(advanced.plan->channels[0],
            (ChannelRow{.rxHzText = "446006250", .txHzText = "446093750"}));
  EXPECT_EQ(advanced.plan->channels[14], (ChannelRow{.rxHzText = "446043750"}));
  EXPECT_EQ(advanced.plan->channels[1], ChannelRow{});

  // One frequency off the PMR446 channels, even a TX one reached by an offset, makes the
  // whole plan advanced.
  for (const std::string& row : {"2,,446.006250,+,0.006250"s, "2,,446.10000,,"s}) {
    const LoadedPlan switched =
        CsvPlanFromText("Location,Name,Frequency,Duplex,Offset\n1,,446.00625,,\n" + row, false);
    ASSERT_TRUE(switched.plan) << row;
    EXPECT_TRUE(switched.plan->advancedMode) << row;
    EXPECT_EQ(switched.plan->channels[0].rxHzText, "446006250");
  }
}

// ---- Rows the radio cannot take ----

TEST(CsvPlanRead, RowWithWhatTheRadioLacksLeavesItsChannelNotInUse) {
  const LoadedPlan loaded = CsvPlanFromText(
      ChirpFile({
          "1,,446.006250,,0.000000,TSQL,88.5,69.3,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
          "2,,446.006250,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
          "3,,446.006250,,0.000000,DTCS,88.5,88.5,132,RN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
          "4,,446.006250,,0.000000,Cross,88.5,88.5,023,NR,155,->DTCS,NFM,12.50,,0.5W,,,,,",
          "5,,446.006250,,0.000000,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
          "6,,446.006250,,0.000000,Cross,88.5,88.5,023,NN,023,Tone->DCS,NFM,12.50,,0.5W,,,,,",
          "7,,446.006250,reverse,0.6,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
          "8,,446.006250,,0.000000,Tone,67.05,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
          // What the tone mode does not use may hold anything.
          "9,,446.006250,,0.000000,Cross,69.3,88.5,023,RN,155,->DTCS,NFM,12.50,,0.5W,,,,,",
          "10,,446.006250,,0.000000,,1.0,2.0,999,XX,777,Bad,NFM,12.50,,0.5W,,,,,",
      }),
      false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_EQ(Lines(loaded.outcome.notice.Text()),
            (std::vector<std::string>{
                "Channel 1 (line 2) is left not in use: the radio has no tone \"69.3\" Hz "
                "(cToneFreq).",
                "Channel 2 (line 3) is left not in use: the radio has no DTCS code \"023\" "
                "(DtcsCode).",
                "Channel 3 (line 4) is left not in use: the radio has DTCS codes of normal "
                "polarity only (DtcsPolarity \"RN\").",
                "Channel 4 (line 5) is left not in use: the radio has DTCS codes of normal "
                "polarity only (DtcsPolarity \"NR\").",
                "Channel 5 (line 6) is left not in use: the radio has no tone mode \"TSQL-R\" "
                "(Tone).",
                "Channel 6 (line 7) is left not in use: the radio has no cross mode \"Tone->DCS\" "
                "(CrossMode).",
                "Channel 7 (line 8) is left not in use: Duplex \"reverse\" is none of \"\", "
                "\"+\", \"-\", \"split\" and \"off\".",
                "Channel 8 (line 9) is left not in use: the radio has no tone \"67.05\" Hz "
                "(rToneFreq).",
            }));
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(loaded.plan->channels[n - 1], ChannelRow{}) << "channel " << n;
  }
  EXPECT_EQ(loaded.plan->channels[8],
            (ChannelRow{.rxChannelIndex = 1, .txChannelIndex = 1, .rxToneIndex = kD155}));
  EXPECT_EQ(loaded.plan->channels[9], (ChannelRow{.rxChannelIndex = 1, .txChannelIndex = 1}));
}

TEST(CsvPlanRead, RowsForOtherLocationsAreSkippedWithANotice) {
  TempFolder folder;
  WriteBytes(folder / "chirp.csv",
             ChirpFile({
                 "0,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
                 "3,,446.031250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
                 ",,,,,,,,,,,,,,,,,,,,",
                 "16,,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,",
                 "3,,446.093750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
                 "A1,,bad,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
                 ",,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,,,,,",
             }));
  const LoadedPlan loaded = LoadCsvPlanFile(folder / "chirp.csv", true, false);
  ASSERT_TRUE(loaded.plan);
  EXPECT_FALSE(loaded.plan->advancedMode);
  EXPECT_EQ(loaded.plan->channels[2], (ChannelRow{.rxChannelIndex = 3, .txChannelIndex = 3}));
  EXPECT_EQ(Lines(loaded.outcome.notice.Text()),
            (std::vector<std::string>{
                "Line 2: location \"0\" is skipped; the radio has channels 1 to 15.",
                "Line 5: location \"16\" is skipped; the radio has channels 1 to 15.",
                "Line 6: another row for channel 3 (after line 3) is skipped.",
                "Line 7: location \"A1\" is skipped; the radio has channels 1 to 15.",
                "Line 8: location \"\" is skipped; the radio has channels 1 to 15.",
                "The configuration file did not have settings included, but frequencies had "
                "been loaded.",
            }));

  // A large radio's file: the first rows beyond channel 15 are named, the rest counted.
  std::vector<std::string> rows;
  for (int location = 1; location <= 128; ++location) {
    rows.push_back(std::to_string(location) + ",,446.006250");
  }
  const LoadedPlan large = CsvPlanFromText(ChirpFile(rows), false);
  ASSERT_TRUE(large.plan);
  const std::vector<std::string> lines = Lines(large.outcome.notice.Text());
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "Line 17: location \"16\" is skipped; the radio has channels 1 to 15.");
  EXPECT_EQ(lines[10], "103 more rows for other locations or repeated channels are skipped.");
}

// ---- Files refused whole ----

TEST(CsvPlanRead, FrequencyTheRadioCannotHoldRefusesTheFile) {
  const std::string head = "Location,Frequency,Duplex,Offset\n1,446.00625,,\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2,446.006255,,",
       "Channel 2 (line 3): the RX frequency (Frequency \"446.006255\") is not a whole multiple "
       "of 10 Hz."},
      {"2,446.0062500001,,", "is not a whole multiple of 10 Hz."},
      {"2,abc,,", "the RX frequency (Frequency \"abc\") is not a number of MHz."},
      {"2,,,", "the RX frequency (Frequency \"\") is not a number of MHz."},
      {"2,446.006.25,,", "is not a number of MHz."},
      {"2,1e3,,", "is not a number of MHz."},
      {"2,0.000000,,", "the RX frequency (Frequency \"0.000000\") is not above zero."},
      {"2,-446.00625,,", "is not above zero."},
      {"2,1000.000000,,", "is not below 1000 MHz."},
      {"2,99999999999999999999999,,", "is not below 1000 MHz."},
      {"2,446.00625,-,500",
       "Channel 2 (line 3): the TX frequency (Frequency \"446.00625\" with Duplex \"-\" and "
       "Offset \"500\") is not above zero."},
      {"2,446.00625,+,0.000001", "is not a whole multiple of 10 Hz."},
      {"2,446.00625,+,x", "Channel 2 (line 3): the offset (Offset \"x\") is not a number of MHz."},
      {"2,446.00625,split,",
       "Channel 2 (line 3): the TX frequency (Offset \"\" with Duplex \"split\") is not a number "
       "of MHz."},
      {"2,446.00625,split,1446.00625", "is not below 1000 MHz."},
  };
  for (const auto& [row, reason] : cases) {
    const LoadedPlan loaded = CsvPlanFromText(head + row + "\n", false);
    EXPECT_FALSE(loaded.plan) << row;
    EXPECT_TRUE(loaded.outcome.failure.Text().ends_with(reason))
        << row << ": " << loaded.outcome.failure.Text();
  }
  TempFolder folder;
  WriteBytes(folder / "bad.csv", head + "2,446.006255,,\n");
  EXPECT_EQ(LoadCsvPlanFile(folder / "bad.csv", true, false).outcome.failure.Text(),
            folder / "bad.csv" +
                " was not loaded. Channel 2 (line 3): the RX frequency (Frequency "
                "\"446.006255\") is not a whole multiple of 10 Hz.");
}

TEST(CsvPlanRead, WhatIsNotACsvPlanIsRefused) {
  std::mt19937 random(446);
  std::string noise(1 << 20, '\0');
  for (char& c : noise) {
    c = static_cast<char>(random());
  }
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "it is empty."},
      {"\xEF\xBB\xBF\r\n\n ,, \r\n", "it is empty."},
      {"Name,Frequency\nPMR1,446.00625\n", "it has no Location column."},
      {"Location,Name\n1,PMR1\n", "it has no Frequency column."},
      {"[General]\r\nAdvancedMode=0\r\n\r\n[Ch1]\r\nFreqRX=1\r\n", "it has no Location column."},
      {"Location;Frequency\n1;446.00625\n", "it has no Location column."},
      {"\0\x01\x02PK\x03\x04\xFF\xFE"s + std::string(100, '\0'), "it has no Location column."},
      {"\"Location,Frequency\n1,446.00625\n",
       "the quoted field that starts on line 1 is never closed."},
      {noise, ""},
  };
  for (const auto& [text, reason] : cases) {
    const LoadedPlan loaded = CsvPlanFromText(text, false);
    EXPECT_FALSE(loaded.plan) << text.substr(0, 40);
    EXPECT_TRUE(loaded.outcome.failure.Text().starts_with("This is not a CSV channel plan: ") &&
                loaded.outcome.failure.Text().ends_with(reason))
        << loaded.outcome.failure.Text();
  }
  // A file cut short inside a quoted field would lose every row after it.
  const LoadedPlan cut = CsvPlanFromText("Location,Frequency,Name\n1,446.00625,\"PMR\n2,44", false);
  EXPECT_FALSE(cut.plan);
  EXPECT_EQ(cut.outcome.failure.Text(),
            "The quoted field that starts on line 2 is never closed: the file may have been cut "
            "short.");

  TempFolder folder;
  WriteBytes(folder / "noise.csv", noise);
  EXPECT_TRUE(
      LoadCsvPlanFile(folder / "noise.csv", true, false)
          .outcome.failure.Text()
          .starts_with(folder / "noise.csv" + " was not loaded. This is not a CSV channel plan: "));
  for (const std::string& path : {folder.Path().string(), folder / "missing.csv"}) {
    const LoadedPlan loaded = LoadCsvPlanFile(path, true, false);
    EXPECT_FALSE(loaded.plan);
    EXPECT_EQ(loaded.outcome.failure.Text(), "Unable to read " + path + ".");
  }
}

// Whatever loads is a plan the radio and the layout can hold: it saves again and comes
// back the same.
TEST(CsvPlanRead, AnythingLoadedSavesAndLoadsBackUnchanged) {
  std::mt19937 random(20);
  // Values for each column of kHeader, most of them usable; Name and the columns after
  // Comment stay empty.
  const std::vector<std::vector<std::string>> values = {
      {"1", "2", "3", "7", "15", "0", "16", ""},
      {""},
      {"446.00625", "446.09375", "446.056250", "145.5", "446.1", "0.00001", "999.99999",
       "446.0062505"},
      {"", "", "+", "-", "split", "off", "x"},
      {"0.0125", "0.000000", "446.09375", "0.6", "5"},
      {"", "Tone", "TSQL", "DTCS", "Cross", "Cross", "DTCS-R"},
      {"67.0", "88.5", "162.2", "69.3", "100"},
      {"67.0", "88.5", "162.2", "69.3", "100"},
      {"023", "132", "723", "155"},
      {"NN", "NN", "NR", "RN", "RR"},
      {"023", "132", "723", "155"},
      {"Tone->Tone", "Tone->DTCS", "DTCS->", "->Tone", "->DTCS", "DTCS->DTCS", "DTCS->Tone", "->"},
      {"NFM"},
      {"12.50"},
      {""},
      {"0.5W"},
      {"", "shift", "busy lockout", "Shift, busy lockout", "busy"},
  };
  // Now and then a field is damaged by one of these.
  const std::vector<std::string> noise = {
      "\"", "\"\"", "\n", "\r", ",", " ", "\xFF", std::string(1, '\0'), "\xEF\xBB\xBF"};
  int loadedCount = 0;
  for (int round = 0; round < 500; ++round) {
    std::string text = kHeader + "\r\n";
    const int rows = 1 + static_cast<int>(random() % 20);
    for (int r = 0; r < rows; ++r) {
      for (std::size_t column = 0; column < values.size(); ++column) {
        const auto& pool = values[column];
        text += (column ? "," : "") + pool[random() % pool.size()];
        if (random() % 40 == 0) {
          text += noise[random() % noise.size()];
        }
      }
      text += random() % 2 ? "\r\n" : "\n";
    }
    const bool advancedWindow = round % 3 == 0;
    const LoadedPlan loaded = CsvPlanFromText(text, advancedWindow);
    if (!loaded.plan) {
      continue;
    }
    ++loadedCount;
    const ChannelPlan& plan = *loaded.plan;
    for (const ChannelRow& row : plan.channels) {
      ASSERT_TRUE(row.rxToneIndex >= 0 && row.rxToneIndex < kToneListCount &&
                  row.txToneIndex >= 0 && row.txToneIndex < kToneListCount &&
                  row.rxChannelIndex >= 0 && row.rxChannelIndex < kChannelListCount &&
                  row.txChannelIndex >= 0 && row.txChannelIndex < kChannelListCount &&
                  IsWritableHzText(row.rxHzText) && IsWritableHzText(row.txHzText))
          << text;
    }
    const CsvText again = CsvPlanText(plan);
    ASSERT_EQ(again.failure.Text(), "") << text;
    const LoadedPlan back = CsvPlanFromText(again.text, plan.advancedMode);
    ASSERT_TRUE(back.plan) << text;
    ASSERT_EQ(back.plan->advancedMode, plan.advancedMode) << text;
    ASSERT_EQ(back.plan->channels, plan.channels) << text;
  }
  // The rounds must reach the rows, not stop at refusals.
  EXPECT_GT(loadedCount, 100);
}

TEST(CsvPlanFileName, EndsInCsvInAnyCase) {
  EXPECT_TRUE(IsCsvPlanFileName("plan.csv"));
  EXPECT_TRUE(IsCsvPlanFileName("/home/me/Club Plans/PLAN.CSV"));
  EXPECT_TRUE(IsCsvPlanFileName("C:\\Plans\\plan.Csv"));
  EXPECT_FALSE(IsCsvPlanFileName("plan.ini"));
  EXPECT_FALSE(IsCsvPlanFileName("plan.csv.ini"));
  EXPECT_FALSE(IsCsvPlanFileName("plancsv"));
  EXPECT_FALSE(IsCsvPlanFileName("csv"));
}
