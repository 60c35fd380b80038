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
