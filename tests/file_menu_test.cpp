// The Load / save menu as the user works it: a file chosen in the dialog, the plan saved by
// one window and loaded by another.
#include <QAction>
#include <QPushButton>
#include <map>

#include "radio/memory_map.h"
#include "tests/support/mainform_fixture.h"
#include "tests/support/named_controls.h"
#include "tests/support/temp_folder.h"
#include "ui/grid_names.h"

namespace {

constexpr const char* kSettingsLists[] = {"cb_monitor", "cb_tot", "cb_tot_rekey", "cb_tot_reset"};
constexpr const char* kSettingsBoxes[] = {"cb_beeptones", "cb_batterysaving", "cb_selfprog"};

// Every value the plan file carries, by control name.
std::map<std::string, std::string> PlanValues(const Tmainform& form, bool withSettings) {
  std::map<std::string, std::string> values;
  const bool advanced = form.AdvancedMode();
  for (int n = 1; n <= kChannelCount; ++n) {
    const auto name = [&](GridRole role) { return GridControlName(role, n, advanced); };
    for (const GridRole role : {GridRole::FreqRx, GridRole::FreqTx}) {
      values[name(role)] =
          advanced ? EditText(form, name(role)) : std::to_string(ListIndex(form, name(role)));
    }
    for (const GridRole role : {GridRole::CtcssRx, GridRole::CtcssTx}) {
      values[name(role)] = std::to_string(ListIndex(form, name(role)));
    }
    for (const GridRole role : {GridRole::Shift, GridRole::Lockout}) {
      values[name(role)] = IsChecked(form, name(role)) ? "on" : "off";
    }
  }
  if (withSettings) {
    for (const char* list : kSettingsLists) {
      values[list] = std::to_string(ListIndex(form, list));
    }
    for (const char* box : kSettingsBoxes) {
      values[box] = IsChecked(form, box) ? "on" : "off";
    }
    values["squelch_level"] = std::to_string(SliderPosition(form, "squelch_level"));
  }
  return values;
}

void FillPlan(Tmainform& form) {
  const bool advanced = form.AdvancedMode();
  for (int n = 1; n <= kChannelCount; ++n) {
    const auto name = [&](GridRole role) { return GridControlName(role, n, advanced); };
    if (advanced) {
      SetEditText(form, name(GridRole::FreqRx), std::to_string(430000000 + n * 12500));
      SetEditText(form, name(GridRole::FreqTx), n % 4 == 0 ? "" : "446006250");
    } else {
      SelectListIndex(form, name(GridRole::FreqRx), n % 9);
      SelectListIndex(form, name(GridRole::FreqTx), (n * 5) % 9);
    }
    SelectListIndex(form, name(GridRole::CtcssRx), (n * 7) % 39);
    SelectListIndex(form, name(GridRole::CtcssTx), 38 - n);
    SetChecked(form, name(GridRole::Shift), n % 2 == 0);
    SetChecked(form, name(GridRole::Lockout), n % 3 == 0);
  }
  SelectListIndex(form, "cb_monitor", 1);
  SelectListIndex(form, "cb_tot", 10);
  SelectListIndex(form, "cb_tot_rekey", 60);
  SelectListIndex(form, "cb_tot_reset", 15);
  SetSliderPosition(form, "squelch_level", 0);
  SetChecked(form, "cb_batterysaving", false);
}

class FileMenuTest : public MainformTest {
 protected:
  void Use(ScriptedDialogs* scripted, const std::string& file) {
    scripted->fileToChoose = QString::fromStdString(file);
  }
  void Trigger(Tmainform& window, const char* action) {
    FindControl<QAction>(&window, std::string(action))->trigger();
  }

  TempFolder folder;
  const std::string file = folder / "plan.ini";
  ScriptedDialogs* otherDialogs = new ScriptedDialogs;
  Tmainform other{std::unique_ptr<Dialogs>(otherDialogs)};
};

}  // namespace

TEST_F(FileMenuTest, APlanSavedByOneWindowLoadsIntoAnotherInBothModes) {
  for (const bool advanced : {false, true}) {
    if (advanced) {
      form.EnterAdvancedMode();
    }
    FillPlan(form);
    Use(dialogs, file);
    Trigger(form, "Savefrequenciessettingstofile1");
    Use(otherDialogs, file);
    otherDialogs->asked.clear();
    Trigger(other, "Loadfrequenciessettingsfromfile1");
    EXPECT_EQ(PlanValues(other, true), PlanValues(form, true)) << advanced;
    // The advanced file switched the second window without asking.
    EXPECT_EQ(otherDialogs->asked, QStringList{"opendialog"});
    EXPECT_EQ(other.windowTitle(),
              advanced ? QString("Vexalon - Advanced mode") : QString("Vexalon"));
    EXPECT_TRUE(FindControl<QWidget>(&other, std::string("cb_A1_ctcss_rx"))->isEnabled());
  }
  // A plain INI file that a text editor shows as it is.
  const std::string saved = ReadBytes(file);
  EXPECT_TRUE(
      saved.starts_with("[General]\r\nAdvancedMode=1\r\nOtherSettings=1\r\n\r\n[Ch1]\r\n"
                        "FreqRX=430012500\r\nFreqTX=446006250\r\nCTCSSRX=7\r\n"))
      << saved;
}

TEST_F(FileMenuTest, ModeAndSettingsNoticesComeAsDialogs) {
  FillPlan(form);
  Use(dialogs, file);
  Trigger(form, "Savefrequenciestofile1");
  const auto settingsBefore = PlanValues(other, true);
  Use(otherDialogs, file);
  Trigger(other, "Loadfrequenciessettingsfromfile1");
  EXPECT_EQ(otherDialogs->asked.last(),
            "The configuration file did not have settings included, but frequencies had been "
            "loaded.");
  EXPECT_EQ(PlanValues(other, false), PlanValues(form, false));
  EXPECT_EQ(PlanValues(other, true)["squelch_level"], settingsBefore.at("squelch_level"));

  other.EnterAdvancedMode();
  const auto advancedBefore = PlanValues(other, true);
  Trigger(other, "Loadfrequenciesfromfile1");
  EXPECT_EQ(otherDialogs->asked.last(),
            "This configuration file is save in normal mode but you are in advanced mode.\r\n"
            "Please restart this software to normal mode.");
  EXPECT_EQ(PlanValues(other, true), advancedBefore);
  EXPECT_TRUE(FindControl<QWidget>(&other, std::string("edit_A1_freq_rx"))->isEnabled());
}

TEST_F(FileMenuTest, ASaveThePlatformRefusesIsReportedAndChangesNothing) {
  WriteBytes(folder / "not-a-folder", "x");
  const std::string refused = folder / "not-a-folder/plan.ini";
  FillPlan(form);
  const auto before = PlanValues(form, true);
  Use(dialogs, refused);
  Trigger(form, "Savefrequenciessettingstofile1");
  EXPECT_EQ(dialogs->asked.last(), QString::fromStdString("Unable to write to " + refused + "."));
  EXPECT_EQ(PlanValues(form, true), before);
  EXPECT_TRUE(FindControl<QWidget>(&form, std::string("cb_A1_freq_rx"))->isEnabled());
  EXPECT_TRUE(FindControl<QWidget>(&form, std::string("cmdAdvancedMode"))->isEnabled());
}

// Channel plans kept for other radio programs: a .csv name means CHIRP's generic CSV layout
// wherever the window loads or saves, and a plan comes back as it went.
TEST_F(FileMenuTest, ACsvPlanRoundTripsThroughTheWindowInBothModes) {
  const std::string csv = folder / "plan.csv";
  for (const bool advanced : {false, true}) {
    if (advanced) {
      form.EnterAdvancedMode();
    }
    FillPlan(form);
    // The layout has a row only for a channel that receives: one that does not keeps
    // neither a TX frequency nor tones nor flags there.
    for (int n = 1; n <= kChannelCount; ++n) {
      if (!advanced && ListIndex(form, GridControlName(GridRole::FreqRx, n, false)) == 0) {
        form.ShowChannel(n, ChannelRow{});
      }
    }
    Use(dialogs, csv);
    dialogs->asked.clear();
    Trigger(form, "Savefrequenciessettingstofile1");
    EXPECT_EQ(dialogs->asked.last(),
              "A CSV file holds no settings: only the channels were saved. Save to an INI file "
              "to keep the settings too.");
    EXPECT_TRUE(ReadBytes(csv).starts_with("Location,Name,Frequency,Duplex,Offset,Tone,"));
    Use(otherDialogs, csv);
    Trigger(other, "Loadfrequenciesfromfile1");
    EXPECT_EQ(PlanValues(other, false), PlanValues(form, false)) << advanced;
    EXPECT_EQ(other.AdvancedMode(), advanced);
  }
}

// A file another program wrote, with every tone mode the layout knows; a frequency outside
// the PMR446 channels puts the window into advanced mode, as an advanced INI plan does.
TEST_F(FileMenuTest, AChirpStyleFileWithEveryToneModeLoadsIntoItsRows) {
  const std::string csv = folder / "chirp.csv";
  WriteBytes(csv,
             "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
             "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n"
             "1,A,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,\n"
             "2,B,446.018750,,0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,\n"
             "3,C,446.031250,,0.000000,TSQL,88.5,71.9,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,shift\n"
             "4,D,446.043750,,0.000000,DTCS,88.5,88.5,132,NN,132,Tone->Tone,NFM,12.50,,0.5W,\n"
             "5,E,446.056250,,0.000000,Cross,67.0,162.2,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,\n"
             "6,F,446.068750,,0.000000,Cross,67.0,88.5,023,NN,155,Tone->DTCS,NFM,12.50,,0.5W,\n"
             "7,G,446.081250,,0.000000,Cross,88.5,71.9,723,NN,023,DTCS->Tone,NFM,12.50,,0.5W,\n"
             "8,H,446.093750,,0.000000,Cross,88.5,88.5,243,NN,431,DTCS->DTCS,NFM,12.50,,0.5W,\n"
             "9,I,446.006250,,0.000000,Cross,88.5,74.4,023,NN,023,->Tone,NFM,12.50,,0.5W,\n"
             "10,J,446.006250,,0.000000,Cross,88.5,88.5,023,NN,664,->DTCS,NFM,12.50,,0.5W,\n"
             "11,K,446.006250,,0.000000,Cross,88.5,88.5,346,NN,023,DTCS->,NFM,12.50,,0.5W,"
             "busy lockout\n"
             "12,L,446.006250,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,\n"
             "13,M,434.050000,+,12.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,0.5W,\n");
  Use(dialogs, csv);
  Trigger(form, "Loadfrequenciesfromfile1");
  ASSERT_TRUE(form.AdvancedMode());
  // RX tone, TX tone by list index: 1..26 QT, 27.. DQT in their list order.
  const std::pair<int, int> tones[] = {{0, 0},  {0, 1},  {2, 2},   {27, 27}, {26, 1},
                                       {28, 1}, {2, 38}, {37, 30}, {3, 0},   {36, 0},
                                       {0, 32}, {0, 0},  {0, 0}};
  for (int n = 1; n <= 13; ++n) {
    const ChannelRow row = form.Channel(n);
    EXPECT_EQ(std::pair(row.rxToneIndex, row.txToneIndex), tones[n - 1]) << n;
  }
  EXPECT_EQ(form.Channel(1).rxHzText, "446006250");
  EXPECT_TRUE(form.Channel(3).shift);
  EXPECT_TRUE(form.Channel(11).lockout);
  EXPECT_EQ(form.Channel(12).txHzText, "");
  EXPECT_EQ(form.Channel(13).rxHzText, "434050000");
  EXPECT_EQ(form.Channel(13).txHzText, "446050000");
  EXPECT_EQ(form.Channel(14).rxHzText, "");
}

TEST_F(FileMenuTest, AMalformedCsvFileIsRefusedAndChangesNothing) {
  FillPlan(form);
  const auto before = PlanValues(form, true);
  const std::string csv = folder / "broken.csv";
  WriteBytes(csv, "Location,Frequency\n1,446.0062551\n");
  Use(dialogs, csv);
  Trigger(form, "Loadfrequenciessettingsfromfile1");
  EXPECT_EQ(PlanValues(form, true), before);
  EXPECT_FALSE(form.AdvancedMode());
  ASSERT_EQ(dialogs->asked.size(), 2);
  EXPECT_TRUE(dialogs->asked.last().startsWith(QString::fromStdString(csv)));
}

// The card names the plan file last used, and a card that cannot be written is said.
TEST_F(FileMenuTest, TheChannelCardIsWrittenFromTheWindowsPlan) {
  FillPlan(form);
  Use(dialogs, file);
  Trigger(form, "Savefrequenciessettingstofile1");
  const std::string card = folder / "card.pdf";
  Use(dialogs, card);
  Trigger(form, "Savechannelcard1");
  EXPECT_TRUE(ReadBytes(card).starts_with("%PDF"));
  EXPECT_EQ(dialogs->asked.last(), "carddialog");
  const std::string refused = folder / "no-such-folder/card.pdf";
  Use(dialogs, refused);
  Trigger(form, "Savechannelcard1");
  EXPECT_EQ(dialogs->failures.size(), 1);
}
