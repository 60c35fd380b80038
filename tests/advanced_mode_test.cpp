#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "radio/memory_map.h"
#include "tests/support/mainform_fixture.h"
#include "tests/support/named_controls.h"
#include "ui/grid_names.h"

namespace {

const QString kWarning =
    "To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed "
    "radio amateur. You can render your radio illegal for you to operate, or damage the radio "
    "with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.\r\n\r\n"
    "Are you sure you want to continue?";

}  // namespace

TEST_F(MainformTest, AnsweringNoLeavesTheWindowAsItWas) {
  Get<QPushButton>("cmdAdvancedMode")->click();
  Get<QPushButton>("cmdAdvancedMode")->click();
  EXPECT_EQ(dialogs->asked, QStringList({kWarning, kWarning}));
  EXPECT_FALSE(form.AdvancedMode());
  EXPECT_EQ(form.windowTitle(), "Vexalon");
  EXPECT_EQ(Get<QLabel>("Label2")->text(), "RX channel / frequency");
  EXPECT_TRUE(Get<QPushButton>("cmdAdvancedMode")->isEnabled());
  EXPECT_TRUE(Exists("cb_A1_freq_rx"));
  EXPECT_FALSE(Exists("edit_A1_freq_rx"));
}

TEST_F(MainformTest, AnsweringYesReplacesTheFrequencyListsByHzBoxes) {
  SelectListIndex(form, "cb_A1_freq_rx", 8);
  SelectListIndex(form, "cb_A15_freq_rx", 1);
  SelectListIndex(form, "cb_A15_freq_tx", -1);
  SelectListIndex(form, "cb_A15_ctcss_tx", 30);
  dialogs->answerYes = true;
  Get<QPushButton>("cmdAdvancedMode")->click();

  ASSERT_TRUE(form.AdvancedMode());
  EXPECT_EQ(form.windowTitle(), "Vexalon - Advanced mode");
  EXPECT_FALSE(Get<QPushButton>("cmdAdvancedMode")->isEnabled());
  EXPECT_EQ(Get<QLabel>("Label2")->text(), "RX frequency (Hz)");
  EXPECT_EQ(Get<QLabel>("Label4")->text(), "TX frequency (Hz)");
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const auto& [role, left] : {std::pair{GridRole::FreqRx, 56}, {GridRole::FreqTx, 320}}) {
      EXPECT_FALSE(Exists(GridControlName(role, channel, false)));
      auto* edit = Get<QLineEdit>(GridControlName(role, channel, true));
      EXPECT_EQ(edit->geometry().topLeft(), QPoint(left, 24 * channel));
      EXPECT_EQ(edit->width(), 145);
      EXPECT_EQ(edit->maxLength(), 9);
      EXPECT_TRUE(edit->isVisibleTo(edit->parentWidget()));
    }
  }
  EXPECT_EQ(EditText(form, "edit_A1_freq_rx"), "446093750");
  EXPECT_EQ(EditText(form, "edit_A1_freq_tx"), "");
  EXPECT_EQ(EditText(form, "edit_A15_freq_rx"), "446006250");
  EXPECT_EQ(EditText(form, "edit_A15_freq_tx"), "");
  EXPECT_EQ(ListIndex(form, "cb_A15_ctcss_tx"), 30);

  form.EnterAdvancedMode();
  EXPECT_EQ(form.windowTitle(), "Vexalon - Advanced mode");
}

TEST_F(MainformTest, HzBoxesAreSwitchedAndComeLastInTheGridsTabOrder) {
  form.EnterAdvancedMode();
  QWidget* widget = Get<QWidget>("cb_A15_lockout");
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : {GridRole::FreqRx, GridRole::FreqTx}) {
      widget = widget->nextInFocusChain();
      EXPECT_EQ(widget->objectName().toStdString(), GridControlName(role, channel, true));
    }
  }
  EXPECT_EQ(widget->nextInFocusChain()->objectName(), "cb_monitor");

  for (const bool enabled : {false, true}) {
    form.SetControlsEnabled(enabled);
    EXPECT_EQ(Get<QWidget>("edit_A1_freq_rx")->isEnabled(), enabled);
    EXPECT_EQ(Get<QWidget>("edit_A15_freq_tx")->isEnabled(), enabled);
    EXPECT_FALSE(Get<QWidget>("cmdAdvancedMode")->isEnabled());
  }
}

TEST_F(MainformTest, TypingStopsAtNineCharactersButAPlacedTextShowsWhole) {
  form.EnterAdvancedMode();
  auto* edit = Get<QLineEdit>("edit_A3_freq_rx");
  edit->setFocus();
  QTest::keyClicks(edit, "4460062501234");
  EXPECT_EQ(edit->text(), "446006250");

  SetEditText(form, "edit_A3_freq_rx", "44600625012345");
  EXPECT_EQ(EditText(form, "edit_A3_freq_rx"), "44600625012345");
  edit->setCursorPosition(14);
  QTest::keyClick(edit, Qt::Key_5);
  EXPECT_EQ(edit->text(), "44600625012345");
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(edit, Qt::Key_Backspace);
  }
  QTest::keyClicks(edit, "77");
  EXPECT_EQ(edit->text(), "446006257");
}
