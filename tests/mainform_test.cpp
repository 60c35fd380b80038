#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "radio/memory_map.h"
#include "tests/support/languages.h"
#include "tests/support/mainform_fixture.h"
#include "tests/support/named_controls.h"
#include "ui/grid_names.h"
#include "ui/port_list.h"
#include "ui/translations.h"
#include "ui/uvista.h"
#include "ui/window_fonts.h"

namespace {

std::string Grid(GridRole role, int channel) {
  return GridControlName(role, channel, false);
}

void PressDown(QComboBox* list) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &press);
}

}  // namespace

TEST_F(MainformTest, StartsWithTheDesignedState) {
  EXPECT_EQ(form.windowTitle(), "Vexalon");
  EXPECT_EQ(QCoreApplication::applicationName(), "Vexalon");
  EXPECT_FALSE(Get<QPushButton>("cmdReadRadio")->isEnabled());
  EXPECT_FALSE(Get<QPushButton>("cmdWrite")->isEnabled());
  // The serial devices present, never the COM names of another system.
  auto* ports = Get<QComboBox>("comport");
  const auto present = AvailableSerialPorts();
  ASSERT_EQ(ports->count(), std::ssize(present));
  for (int item = 0; item < ports->count(); ++item) {
    EXPECT_EQ(ports->itemData(item).toString().toStdString(), present[item].path);
    EXPECT_FALSE(ports->itemText(item).startsWith("COM"));
  }
  EXPECT_EQ(form.SelectedPortName(), "");
  EXPECT_EQ(Get<QPlainTextEdit>("debug")->toPlainText(),
            "WARNING! This is experimental software: works for me but might not for you.\n"
            "Start with selecting serial port from the list.");

  EXPECT_EQ(ListIndex(form, "cb_monitor"), 3);
  EXPECT_EQ(SliderPosition(form, "squelch_level"), 5);
  EXPECT_TRUE(IsChecked(form, "cb_beeptones") && IsChecked(form, "cb_batterysaving") &&
              IsChecked(form, "cb_selfprog"));
  for (const char* list : {"cb_tot", "cb_tot_rekey", "cb_tot_reset"}) {
    EXPECT_EQ(ListIndex(form, list), 0) << list;
  }
}

// One item per value the radio takes, each saying what it does with its unit.
TEST_F(MainformTest, SettingsListsOfferEveryValueTheRadioTakes) {
  const auto items = [&](const char* name) {
    QStringList texts;
    auto* list = Get<QComboBox>(name);
    for (int item = 0; item < list->count(); ++item) {
      texts << list->itemText(item);
    }
    return texts;
  };
  EXPECT_EQ(items("cb_monitor"),
            QStringList({"Off", "Monitor momentary", "Monitor lock", "Squelch off momentary"}));
  const QStringList tot = items("cb_tot");
  ASSERT_EQ(tot.size(), kTotCount);
  EXPECT_EQ(tot.first(), "Disabled");
  EXPECT_EQ(tot[1], "30 seconds");
  EXPECT_EQ(tot.last(), "300 seconds");
  const QStringList rekey = items("cb_tot_rekey");
  ASSERT_EQ(rekey.size(), kTotRekeyCount);
  EXPECT_EQ(rekey.first(), "Disabled");
  EXPECT_EQ(rekey[1], "1 second");
  EXPECT_EQ(rekey[2], "2 seconds");
  EXPECT_EQ(rekey.last(), "60 seconds");
  const QStringList reset = items("cb_tot_reset");
  ASSERT_EQ(reset.size(), kTotResetCount);
  EXPECT_EQ(reset.first(), "Disabled");
  EXPECT_EQ(reset[1], "1 second");
  EXPECT_EQ(reset.last(), "15 seconds");
}

TEST_F(MainformTest, GridHasFifteenRowsOfUnusedChannels) {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    const int top = 24 * channel;
    EXPECT_EQ(Get<QLabel>(Grid(GridRole::Label, channel))->pos(), QPoint(8, top + 4));
    for (const auto& [role, left] : {std::pair{GridRole::FreqRx, 56},
                                     {GridRole::CtcssRx, 208},
                                     {GridRole::FreqTx, 320},
                                     {GridRole::CtcssTx, 472}}) {
      auto* list = Get<QComboBox>(Grid(role, channel));
      EXPECT_EQ(list->parentWidget()->objectName(), "tab_channelbank_A");
      EXPECT_EQ(list->pos(), QPoint(left, top));
      EXPECT_EQ(list->currentText(), list->count() == 9 ? "Not in use" : "None");
    }
    for (const auto& [role, left] : {std::pair{GridRole::Shift, 576}, {GridRole::Lockout, 616}}) {
      EXPECT_EQ(Get<QCheckBox>(Grid(role, channel))->pos(), QPoint(left, top + 2));
      EXPECT_FALSE(IsChecked(form, Grid(role, channel)));
    }
  }
  EXPECT_EQ(Get<QComboBox>("cb_A15_ctcss_tx")->count(), 39);
  EXPECT_FALSE(Exists("lbl_A16"));
  EXPECT_FALSE(Exists("edit_A1_freq_rx"));
}

TEST_F(MainformTest, TabOrderRunsThroughThePagesInTheirOwnOrder) {
  QStringList expected = {"cmdReadRadio", "debug", "tabit"};
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : {GridRole::FreqRx, GridRole::CtcssRx, GridRole::FreqTx,
                                GridRole::CtcssTx, GridRole::Shift, GridRole::Lockout}) {
      expected << QString::fromStdString(Grid(role, channel));
    }
  }
  expected << "cb_monitor"
           << "squelch_level"
           << "cb_beeptones"
           << "cb_batterysaving"
           << "cb_selfprog"
           << "cmdAdvancedMode"
           << "cb_tot"
           << "cb_tot_rekey"
           << "cb_tot_reset"
           << "cmdWrite"
           << "comport"
           << "cmdLoadSave";

  QStringList order;
  QWidget* widget = Get<QWidget>("cmdReadRadio");
  do {
    if (expected.contains(widget->objectName())) {
      order << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  } while (widget != Get<QWidget>("cmdReadRadio"));
  EXPECT_EQ(order, expected);
}

TEST_F(MainformTest, TransferButtonsNeedAPort) {
  form.SetControlsEnabled(false);
  for (const char* name : {"comport", "cb_A1_freq_rx", "cb_A15_freq_tx", "cb_A9_ctcss_rx",
                           "cb_A15_lockout", "squelch_level", "cb_tot_reset", "cmdAdvancedMode"}) {
    EXPECT_FALSE(Get<QWidget>(name)->isEnabled()) << name;
  }
  for (const char* name : {"cmdLoadSave", "tabit", "debug", "lbl_A1"}) {
    EXPECT_TRUE(Get<QWidget>(name)->isEnabled()) << name;
  }
  form.SetControlsEnabled(true);
  EXPECT_TRUE(Get<QWidget>("cb_A15_lockout")->isEnabled());
  EXPECT_TRUE(Get<QWidget>("cmdAdvancedMode")->isEnabled());
  EXPECT_FALSE(Get<QWidget>("cmdReadRadio")->isEnabled());
  EXPECT_FALSE(Get<QWidget>("cmdWrite")->isEnabled());

  auto* ports = Get<PortList>("comport");
  ports->SetPortSource([] {
    return std::vector<SerialPortEntry>{{"/dev/ttyUSB0", "FT232R USB UART (0403:6001)"}};
  });
  ports->Refresh();
  PressDown(ports);
  EXPECT_EQ(form.SelectedPortName(), "/dev/ttyUSB0");
  EXPECT_TRUE(Get<QWidget>("cmdReadRadio")->isEnabled());
  EXPECT_TRUE(Get<QWidget>("cmdWrite")->isEnabled());
  form.SetControlsEnabled(false);
  form.SetControlsEnabled(true);
  EXPECT_TRUE(Get<QWidget>("cmdReadRadio")->isEnabled());
}

TEST_F(MainformTest, RunningTransferDisablesTheWholeLoadSaveMenu) {
  form.SetTransferRunning(true);
  EXPECT_FALSE(Get<QAction>("Loadfrequenciesfromfile1")->isEnabled());
  EXPECT_FALSE(Get<QAction>("Loadfrequenciessettingsfromfile1")->isEnabled());
  EXPECT_FALSE(Get<QAction>("Savefrequenciestofile1")->isEnabled());
  EXPECT_FALSE(Get<QAction>("Savefrequenciessettingstofile1")->isEnabled());
  form.SetTransferRunning(false);
  EXPECT_TRUE(Get<QAction>("Loadfrequenciesfromfile1")->isEnabled());
}

TEST_F(MainformTest, LoadSaveMenuOpensBelowTheButtonWhereverTheWindowStands) {
  // Away from the origin, with room for the menu on the offscreen screen (800 x 600).
  form.show();
  form.move(30, 70);
  QCoreApplication::processEvents();
  auto* menu = Get<QMenu>("popup_settingsmenu");
  auto* button = Get<QPushButton>("cmdLoadSave");
  button->click();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->pos(), button->mapToGlobal(QPoint(0, button->height())));
  menu->hide();

  form.cmdLoadSaveClick(menu->actions().constFirst());
  EXPECT_FALSE(menu->isVisible());
}

TEST_F(MainformTest, CancellingAFileDialogChangesNothing) {
  SelectListIndex(form, "cb_A2_freq_rx", 4);
  const QString log = Get<QPlainTextEdit>("debug")->toPlainText();
  for (const char* command : {"Loadfrequenciesfromfile1", "Loadfrequenciessettingsfromfile1",
                              "Savefrequenciestofile1", "Savefrequenciessettingstofile1"}) {
    Get<QAction>(command)->trigger();
  }
  EXPECT_EQ(dialogs->asked, QStringList({"opendialog", "opendialog", "savedialog", "savedialog"}));
  EXPECT_EQ(Get<QPlainTextEdit>("debug")->toPlainText(), log);
  EXPECT_EQ(ListIndex(form, "cb_A2_freq_rx"), 4);
  EXPECT_FALSE(form.AdvancedMode());
}

// Rows and settings reach the controls the user sees under their names, in either mode.
TEST_F(MainformTest, RowsAndSettingsGoToTheirControls) {
  const ChannelRow row = {.rxChannelIndex = 3,
                          .txChannelIndex = 8,
                          .rxHzText = "434050000",
                          .txHzText = " 12 ",
                          .rxToneIndex = 27,
                          .txToneIndex = 38,
                          .shift = true,
                          .lockout = false};
  form.ShowChannel(7, row);
  EXPECT_EQ(ListIndex(form, "cb_A7_freq_rx"), 3);
  EXPECT_EQ(ListIndex(form, "cb_A7_freq_tx"), 8);
  EXPECT_EQ(ListIndex(form, "cb_A7_ctcss_rx"), 27);
  EXPECT_EQ(ListIndex(form, "cb_A7_ctcss_tx"), 38);
  EXPECT_TRUE(IsChecked(form, "cb_A7_shift") && !IsChecked(form, "cb_A7_lockout"));
  ChannelRow normal = row;
  normal.rxHzText = normal.txHzText = "";
  EXPECT_EQ(form.Channel(7), normal);
  EXPECT_EQ(form.Channel(6), ChannelRow{});

  form.EnterAdvancedMode();
  form.ShowChannel(7, row);
  EXPECT_EQ(EditText(form, "edit_A7_freq_rx"), "434050000");
  EXPECT_EQ(EditText(form, "edit_A7_freq_tx"), " 12 ");
  ChannelRow advanced = row;
  advanced.rxChannelIndex = advanced.txChannelIndex = 0;
  EXPECT_EQ(form.Channel(7), advanced);

  const RadioSettings settings = {.beepTones = false,
                                  .batterySaving = true,
                                  .selfProgramming = false,
                                  .squelchLevel = 2,
                                  .monitorKey = 1,
                                  .tot = 10,
                                  .totRekey = 60,
                                  .totReset = 15};
  form.ShowSettings(settings);
  EXPECT_EQ(ListIndex(form, "cb_monitor"), 1);
  EXPECT_EQ(ListIndex(form, "cb_tot_rekey"), 60);
  EXPECT_EQ(SliderPosition(form, "squelch_level"), 2);
  EXPECT_FALSE(IsChecked(form, "cb_selfprog"));
  EXPECT_EQ(form.Settings(), settings);
}

TEST_F(MainformTest, ControlsKeepTheirRangeAndColours) {
  form.ShowChannel(1, {.txToneIndex = 39});
  EXPECT_EQ(ListIndex(form, "cb_A1_ctcss_tx"), -1);
  RadioSettings settings = form.Settings();
  settings.tot = -5;
  settings.squelchLevel = 14;
  form.ShowSettings(settings);
  EXPECT_EQ(ListIndex(form, "cb_tot"), -1);
  EXPECT_EQ(SliderPosition(form, "squelch_level"), 10);

  auto* label = Get<QLabel>("lbl_A5");
  const QColor normal = label->palette().color(QPalette::WindowText);
  form.SetChannelLabelRed(5, true);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  form.SetChannelLabelRed(5, false);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), normal);
}

TEST_F(MainformTest, LookingUpAMissingControlStopsLoudly) {
  EXPECT_DEATH(ListIndex(form, "cb_A16_freq_rx"), "cb_A16_freq_rx");
  // A frequency list is no edit box in normal mode.
  EXPECT_DEATH(EditText(form, "cb_A1_freq_rx"), "cb_A1_freq_rx");
}

// No caption is cut and no control runs into another.
void ExpectNothingClippedOrOverlapping(Tmainform& form) {
  form.show();
  for (QWidget* parent :
       {FindControl<QWidget>(&form, QStringLiteral("tab_channelbank_A")),
        FindControl<QWidget>(&form, QStringLiteral("tab_other")), (QWidget*)&form}) {
    if (parent != &form) {
      // A page takes its size when it is shown.
      FindControl<QTabWidget>(&form, QStringLiteral("tabit"))->setCurrentWidget(parent);
      QCoreApplication::processEvents();
    }
    QList<QWidget*> controls;
    for (auto* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!control->isWindow()) {
        controls << control;
      }
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
      const std::string name = controls[i]->objectName().toStdString();
      EXPECT_TRUE(parent->rect().contains(controls[i]->geometry())) << name;
      for (qsizetype j = i + 1; j < controls.size(); ++j) {
        EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
            << name << " and " << controls[j]->objectName().toStdString();
      }
    }
  }
  for (auto* control : form.findChildren<QWidget*>()) {
    if (control->window() != &form) {
      continue;
    }
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !label->wordWrap()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                label->contentsRect().width())
          << label->objectName().toStdString();
    }
    if (qobject_cast<QPushButton*>(control) || qobject_cast<QCheckBox*>(control)) {
      EXPECT_LE(control->sizeHint().width(), control->width())
          << control->objectName().toStdString();
    }
    auto* list = qobject_cast<QComboBox*>(control);
    if (list == nullptr || list->objectName() == "comport") {
      continue;
    }
    QStyleOptionComboBox option;
    option.initFrom(list);
    const int room =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width();
    for (int item = 0; item < list->count(); ++item) {
      EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(item)), room)
          << list->itemText(item).toStdString();
    }
  }
}

// Whatever font the desktop offers.
TEST_F(MainformTest, NothingIsClippedOrOverlapping) {
  ExpectNothingClippedOrOverlapping(form);
}

// Segoe UI one point larger, as Windows from Vista on has the window use, fits too.
TEST_F(MainformTest, NothingIsClippedOrOverlappingAfterTheSwitchToSegoeUi) {
  ForceVistaOrLaterForTesting(true);
  SwitchToVistaFont(&form, {"Tahoma", "Segoe UI"});
  ForceVistaOrLaterForTesting(std::nullopt);
  ASSERT_EQ(form.font().family(), "Segoe UI");
  ExpectNothingClippedOrOverlapping(form);
}

// The log is the program's report: the user cannot type into it, Tab leads out of it, and
// however long it grows its last line, the one that says how things ended, is in sight.
TEST_F(MainformTest, TheLogPaneKeepsItsLastLineInSightAndLetsTheFocusGo) {
  form.show();
  QCoreApplication::processEvents();
  auto* log = Get<QPlainTextEdit>("debug");
  EXPECT_EQ(form.focusWidget(), Get<QWidget>("comport"));
  EXPECT_TRUE(log->isReadOnly());
  EXPECT_TRUE(log->tabChangesFocus());
  EXPECT_FALSE(log->verticalScrollBar()->isVisible());
  for (int line = 1; line <= 40; ++line) {
    form.AppendLog(QStringLiteral("line %1").arg(line));
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(log->verticalScrollBar()->isVisible());
  const QTextBlock last = log->document()->lastBlock();
  EXPECT_EQ(last.text(), "line 40");
  EXPECT_TRUE(log->viewport()->rect().contains(log->cursorRect(QTextCursor(last)).center()));
}

// Two questions where a hurried Enter could do harm: Enter and Escape both answer No. The
// real message box runs, and a timer answers it as the user would.
TEST_F(MainformTest, WarningsDefaultToNoAndASaveAsksBeforeReplacingAFile) {
  ModalDialogs modal;
  QString defaultButton;
  QTimer::singleShot(0, [&defaultButton] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    defaultButton = box->defaultButton()->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_FALSE(modal.AskWarningYesNo(&form, QStringLiteral("Continue?")));
  EXPECT_EQ(defaultButton.remove('&'), "No");

  EXPECT_FALSE(Get<QFileDialog>("savedialog")->testOption(QFileDialog::DontConfirmOverwrite));
}

// The keys users of desktop tools expect: Ctrl+O, Ctrl+S and Ctrl+P open their dialogs,
// Ctrl+Q closes the window, and the buttons and pages answer their access keys.
TEST_F(MainformTest, TheKeysOfADesktopToolWork) {
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  for (const auto& [keys, dialog] :
       {std::pair{QKeySequence::Open, "opendialog"}, std::pair{QKeySequence::Save, "savedialog"},
        std::pair{QKeySequence::Print, "carddialog"}}) {
    QTest::keySequence(&form, QKeySequence(keys));
    EXPECT_EQ(dialogs->asked.last(), dialog);
  }
  auto* pages = Get<QTabWidget>("tabit");
  QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(pages->currentIndex(), 1);
  QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(pages->currentIndex(), 0);
  QSignalSpy loadSave(Get<QPushButton>("cmdLoadSave"), &QPushButton::clicked);
  QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
  // An access key clicks the button as the eye sees it, a moment later.
  EXPECT_TRUE(loadSave.count() == 1 || loadSave.wait(5000));
  Get<QMenu>("popup_settingsmenu")->hide();
  QTest::keySequence(&form, QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_FALSE(form.isVisible());
}

// Every language the window speaks fits the designed layout on both pages and in advanced
// mode: a caption too long for its place is shortened in that translation, never clipped.
class WindowInALanguage : public testing::TestWithParam<std::string> {};

TEST_P(WindowInALanguage, NothingIsClippedOrOverlapping) {
  const Translations translations{QLocale(QString::fromStdString(GetParam()))};
  Tmainform form{std::make_unique<ScriptedDialogs>()};
  const QString caption = FindControl<QPushButton>(&form, QStringLiteral("cmdReadRadio"))->text();
  EXPECT_NE(caption, "&Read radio settings");
  ExpectNothingClippedOrOverlapping(form);
  form.EnterAdvancedMode();
  ExpectNothingClippedOrOverlapping(form);
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, WindowInALanguage, testing::ValuesIn(Languages()));

// Where there is no translation, or English is asked for, the texts are the designed ones.
TEST(WindowInEnglish, TheCAndEnglishLocalesKeepTheDesignedTexts) {
  for (const QLocale& locale :
       {QLocale::c(), QLocale(QStringLiteral("en_GB")), QLocale(QStringLiteral("sv_SE"))}) {
    const Translations translations{locale};
    Tmainform form{std::make_unique<ScriptedDialogs>()};
    EXPECT_EQ(FindControl<QPushButton>(&form, QStringLiteral("cmdReadRadio"))->text(),
              "&Read radio settings");
    EXPECT_EQ(FindControl<QComboBox>(&form, QStringLiteral("cb_A1_freq_rx"))->itemText(0),
              "Not in use");
  }
}
