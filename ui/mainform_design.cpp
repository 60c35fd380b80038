#include "ui/mainform_design.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "radio/memory_map.h"
#include "ui/port_list.h"
#include "ui/settings_items.h"
#include "ui/settings_page.h"
#include "ui/window_fonts.h"

namespace {

template <class Control>
Control* Named(Control* control, const char* name, const QString& hint = {}) {
  control->setObjectName(QString::fromLatin1(name));
  control->setToolTip(hint);
  return control;
}

// Labels size themselves to their caption, so no font clips one.
QLabel* AddLabel(QWidget* parent, const char* name, int left, int top, const QString& caption,
                 const QString& hint = {}) {
  auto* label = Named(new QLabel(caption, parent), name, hint);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, int left, int top, int width,
                       const QString& caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setGeometry(left, top, width, 25);
  return button;
}

// A fixed drop-down list keeps the toolkit's height.
QComboBox* AddList(QComboBox* list, const char* name, int left, int top, int width,
                   const QString& hint, const QStringList& items, int selected) {
  Named(list, name, hint);
  list->addItems(items);
  list->setCurrentIndex(selected);
  list->setGeometry(left, top, width, list->sizeHint().height());
  return list;
}

QCheckBox* AddOnBox(QWidget* parent, const char* name, int left, int top, const QString& hint) {
  auto* box = Named(new QCheckBox(SwitchText(true), parent), name, hint);
  box->setChecked(true);
  box->setGeometry(left, top, 41, 17);
  return box;
}

void BuildChannelsPage(QWidget* page) {
  const QString toneHint =
      QCoreApplication::translate("Vexalon", "Same as CTCSS but in the radio maker's terms");
  AddLabel(page, "Label2", 56, 8, QCoreApplication::translate("Vexalon", "RX channel / frequency"));
  AddLabel(page, "Label17", 208, 8, QCoreApplication::translate("Vexalon", "QT / DQT"), toneHint);
  AddLabel(page, "Label4", 320, 8,
           QCoreApplication::translate("Vexalon", "TX channel / frequency"));
  AddLabel(page, "Label5", 472, 8, QCoreApplication::translate("Vexalon", "QT / DQT"), toneHint);
  AddLabel(page, "Label8", 576, 8, QCoreApplication::translate("Vexalon", "Shift"),
           QCoreApplication::translate(
               "Vexalon",
               "Shifts oscillator frequency to prevent certain harmonics in audio, or something"));
  AddLabel(page, "Label22", 616, 8, QCoreApplication::translate("Vexalon", "Busy lock."),
           QCoreApplication::translate("Vexalon", "Channel busy lockout"));
}

void BuildOtherPage(QWidget* page) {
  // Created in the page's tab order.
  AddLabel(page, "Label10", 8, 10, SettingCaption(Setting::MonitorKey));
  AddList(new QComboBox(page), kMonitorKeyList, 88, 8, 153,
          QCoreApplication::translate("Vexalon", "Defines what the Monitor button below PTT does."),
          SettingItems(Setting::MonitorKey), kDefaultMonitorKey);

  AddLabel(page, "Label14", 8, 40, SettingCaption(Setting::SquelchLevel));
  auto* squelch = Named(new QSlider(Qt::Horizontal, page), kSquelchSlider,
                        QCoreApplication::translate("Vexalon", "Squelch."));
  squelch->setRange(0, kSquelchLevelMax);
  squelch->setValue(kDefaultSquelchLevel);
  squelch->setPageStep(1);
  squelch->setTickInterval(1);
  squelch->setTickPosition(QSlider::TicksBelow);
  squelch->setGeometry(80, 40, 169, 25);

  AddLabel(page, "Label15", 520, 10, SettingCaption(Setting::BeepTones));
  AddOnBox(page, kBeepTonesBox, 632, 8,
           QCoreApplication::translate(
               "Vexalon",
               "Defines whether radio beeps on certain functions, but this does not "
               "mean roger beep."));
  AddLabel(page, "Label16", 520, 34, SettingCaption(Setting::BatterySaving));
  AddOnBox(page, kBatterySavingBox, 632, 32,
           QCoreApplication::translate(
               "Vexalon", "It says battery saving, it probably will save battery. No idea how."));
  AddLabel(page, "Label18", 520, 58, SettingCaption(Setting::SelfProgramming));
  AddOnBox(page, kSelfProgrammingBox, 632, 56,
           QCoreApplication::translate("Vexalon",
                                       "Enables or disables self-programming mode on the radio."));

  AddButton(page, "cmdAdvancedMode", 8, 96, 153,
            QCoreApplication::translate("Vexalon", "Turn on advanced mode"));

  AddLabel(page, "Label11", 272, 10, SettingCaption(Setting::Tot));
  AddList(new QComboBox(page), kTotList, 392, 8, 97,
          QCoreApplication::translate("Vexalon", "Maximum time you can transmit continuously."),
          SettingItems(Setting::Tot), 0);
  AddLabel(page, "Label12", 272, 34, SettingCaption(Setting::TotRekey));
  AddList(new QComboBox(page), kTotRekeyList, 392, 32, 97,
          QCoreApplication::translate(
              "Vexalon", "If your transmission is timed out, this is the time you need to wait."),
          SettingItems(Setting::TotRekey), 0);
  AddLabel(page, "Label13", 272, 58, SettingCaption(Setting::TotReset));
  AddList(new QComboBox(page), kTotResetList, 392, 56, 97,
          QCoreApplication::translate(
              "Vexalon",
              "If you stop transmission before timing out, this is the time you "
              "need to wait before timer is reset."),
          SettingItems(Setting::TotReset), 0);

  auto* about = Named(
      new QLabel(QCoreApplication::translate(
                     "Vexalon",
                     "If you are a licensed radio amateur, you may turn on advanced mode to "
                     "configure channel frequencies outside the usual PMR446 frequency range.\n\n"
                     "Frequencies are given in Hz instead of PMR446 channels in drop-down list. "
                     "Actual frequency range depends on your radio: some say radios has 430 - "
                     "490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep "
                     "continuously if it can't tune to receive frequency, and beeps once "
                     "refusing to transmit if it can't tune to transmit frequency."),
                 page),
      "Label3");
  about->setWordWrap(true);
  about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  about->setGeometry(8, 128, 665, 129);
}

// The commands also answer their keys while the menu is closed, so they belong to the
// window as well.
QAction* AddCommand(QWidget* window, QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& keys = {}) {
  auto* command = Named(menu->addAction(caption), name);
  command->setShortcut(keys);
  window->addAction(command);
  return command;
}

void BuildLoadSaveMenu(QWidget* window) {
  auto* menu = Named(new QMenu(window), "popup_settingsmenu");
  AddCommand(window, menu, "Undo1", QCoreApplication::translate("Vexalon", "Undo"),
             QKeySequence::Undo);
  AddCommand(window, menu, "Redo1", QCoreApplication::translate("Vexalon", "Redo"))
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  Named(menu->addSeparator(), "N0");
  AddCommand(window, menu, "Loadfrequenciesfromfile1",
             QCoreApplication::translate("Vexalon", "Load frequencies from file..."));
  AddCommand(window, menu, "Loadfrequenciessettingsfromfile1",
             QCoreApplication::translate("Vexalon", "Load frequencies + settings from file..."),
             QKeySequence::Open);
  Named(menu->addSeparator(), "N1");
  AddCommand(window, menu, "Savefrequenciestofile1",
             QCoreApplication::translate("Vexalon", "Save frequencies to file..."));
  AddCommand(window, menu, "Savefrequenciessettingstofile1",
             QCoreApplication::translate("Vexalon", "Save frequencies + settings to file..."),
             QKeySequence::Save);
  AddCommand(window, menu, "Savechannelcard1",
             QCoreApplication::translate("Vexalon", "Save channel card as PDF..."),
             QKeySequence::Print);
  Named(menu->addSeparator(), "N2");
  AddCommand(window, menu, "Restoreradiofrombackup1",
             QCoreApplication::translate("Vexalon", "Restore radio from backup..."));
  AddCommand(window, menu, "Compareradiowithplan1",
             QCoreApplication::translate("Vexalon", "Compare radio with this plan..."));
  // Like the transfer buttons, it waits for a port to be chosen.
  AddCommand(window, menu, "mnuTestConnection",
             QCoreApplication::translate("Vexalon", "Test radio connection..."))
      ->setEnabled(false);
  Named(menu->addSeparator(), "N3");
  AddCommand(window, menu, "mnuSaveDiagnosticReport",
             QCoreApplication::translate("Vexalon", "Save diagnostic report..."));

  auto* quit = Named(new QAction(QCoreApplication::translate("Vexalon", "Quit"), window), "Quit1");
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  window->addAction(quit);
}

// Looked up when needed: the translations are installed after static objects are made.
QString PlanFilter() {
  return QCoreApplication::translate("Vexalon", "Configuration files (*.ini)");
}
QString CsvFilter() {
  return QCoreApplication::translate("Vexalon", "CHIRP CSV files (*.csv)");
}
QString AllPlansFilter() {
  return QCoreApplication::translate("Vexalon", "All plan files (*.ini *.csv)");
}

QFileDialog* AddFileDialog(QWidget* window, const char* name, const QStringList& filters) {
  auto* dialog = Named(new QFileDialog(window), name);
  dialog->setNameFilters(filters);
  return dialog;
}

void BuildFileDialogs(QWidget* window) {
  // A CSV plan shows without a change of filter.
  auto* open = AddFileDialog(window, "opendialog", {AllPlansFilter(), PlanFilter(), CsvFilter()});
  open->setAcceptMode(QFileDialog::AcceptOpen);
  open->setFileMode(QFileDialog::ExistingFile);

  auto* save = AddFileDialog(window, "savedialog", {PlanFilter(), CsvFilter()});
  save->setAcceptMode(QFileDialog::AcceptSave);
  save->setFileMode(QFileDialog::AnyFile);
  save->setDefaultSuffix(QStringLiteral("ini"));
  // A name typed without an extension gets the one of the kind chosen.
  QObject::connect(save, &QFileDialog::filterSelected, save, [save](const QString& filter) {
    save->setDefaultSuffix(filter == CsvFilter() ? QStringLiteral("csv") : QStringLiteral("ini"));
  });

  auto* card = AddFileDialog(window, "carddialog",
                             {QCoreApplication::translate("Vexalon", "PDF documents (*.pdf)")});
  card->setAcceptMode(QFileDialog::AcceptSave);
  card->setFileMode(QFileDialog::AnyFile);
  card->setDefaultSuffix(QStringLiteral("pdf"));

  auto* backups =
      AddFileDialog(window, "backupdialog",
                    {QCoreApplication::translate("Vexalon", "Vexalon radio backups (*.vxbackup)")});
  backups->setAcceptMode(QFileDialog::AcceptOpen);
  backups->setFileMode(QFileDialog::ExistingFile);

  auto* report = AddFileDialog(window, "reportdialog",
                               {QCoreApplication::translate("Vexalon", "Text files (*.txt)")});
  report->setAcceptMode(QFileDialog::AcceptSave);
  report->setFileMode(QFileDialog::AnyFile);
  report->setDefaultSuffix(QStringLiteral("txt"));
}

}  // namespace

void BuildDesignedControls(QWidget* window) {
  window->setObjectName(QStringLiteral("mainform"));
  window->setWindowTitle(QStringLiteral("Vexalon"));
  window->setFont(WindowFont());
  // The designed client area, where every control fits with an 8-pixel margin; the
  // position is the frame's.
  window->resize(kDesignedClientSize);
  window->move(192, 122);

  // Created in the window's tab order; the labels take no focus.
  // The designed captions, with an access key each.
  AddButton(window, "cmdReadRadio", 168, 8, 137,
            QCoreApplication::translate("Vexalon", "&Read radio settings"))
      ->setEnabled(false);

  auto* debug = Named(new QPlainTextEdit(window), "debug");
  debug->setFont(LogPaneFont());
  debug->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Failure lines must not scroll away out of reach, and the log is the program's to write.
  debug->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  debug->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  debug->setReadOnly(true);
  debug->setTabChangesFocus(true);
  debug->setGeometry(kDesignedLogPane);

  auto* tabit = Named(new QTabWidget(window), "tabit");
  tabit->setGeometry(8, 40, 689, 425);
  auto* channels = Named(new QWidget, "tab_channelbank_A");
  auto* other = Named(new QWidget, "tab_other");
  tabit->addTab(channels, QCoreApplication::translate("Vexalon", "&Channels"));
  tabit->addTab(other, QCoreApplication::translate("Vexalon", "&Other settings and info"));
  tabit->setCurrentIndex(0);
  BuildChannelsPage(channels);
  BuildOtherPage(other);

  AddButton(window, "cmdWrite", 560, 8, 137,
            QCoreApplication::translate("Vexalon", "&Write radio settings"))
      ->setEnabled(false);
  AddList(new PortList(window), "comport", 40, 8, 121,
          QCoreApplication::translate("Vexalon", "Select serial port to use"), {}, -1);
  AddButton(window, "cmdLoadSave", 376, 8, 105,
            QCoreApplication::translate("Vexalon", "&Load / save"));
  AddLabel(window, "Label1", 8, 12, QCoreApplication::translate("Vexalon", "Port:"));

  BuildLoadSaveMenu(window);
  BuildFileDialogs(window);
}
