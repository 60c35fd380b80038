#include "ui/unit_mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>

#include "files/plan_file.h"
#include "radio/memory_map.h"
#include "ui/channel_grid.h"
#include "ui/grid_names.h"
#include "ui/mainform_design.h"
#include "ui/port_list.h"
#include "ui/settings_page.h"
#include "ui/tab_order.h"
#include "ui/window_fonts.h"

Tmainform::Tmainform() : Tmainform(std::make_unique<ModalDialogs>()) {}

Tmainform::Tmainform(std::unique_ptr<Dialogs> dialogs)
    : Tmainform(std::move(dialogs), PlatformSerialSystem(), SteadyLinkClock()) {}

Tmainform::Tmainform(std::unique_ptr<Dialogs> dialogs, SerialSystem& serialSystem,
                     const LinkClock& clock)
    : dialogs(std::move(dialogs)), serial(serialSystem, clock) {
  BuildDesignedControls(this);
  ConnectHandlers();
  FormCreate();
  TrackEdits();
  ConnectRowCommands();
  ConnectHistory();
}

Tmainform::~Tmainform() {
  // The history goes with the window's children, and must not tell a window half gone.
  history->disconnect(this);
}

void Tmainform::FormCreate() {
  // The desktop lists the running program under this title.
  QCoreApplication::setApplicationName(windowTitle());
  advancedMode = false;
  // Before the grid exists, so its controls start with the resulting font. The function
  // asks for the Windows version itself, and knows the rule for other systems.
  SwitchToVistaFont(this, QFontDatabase::families());
  Find<PortList>("comport")->Refresh();
  BuildChannelGrid(this, Find<QWidget>("tab_channelbank_A"));
  SetDesignedTabOrder();
  ClearLog();
  AppendLog(QCoreApplication::translate(
      "Vexalon", "WARNING! This is experimental software: works for me but might not for you."));
  AppendLog(
      QCoreApplication::translate("Vexalon", "Start with selecting serial port from the list."));
  // The first thing to do; the log pane, next in the tab order, has nothing to type.
  Find<QWidget>("comport")->setFocus();
}

void Tmainform::ConnectHandlers() {
  connect(Find<QPushButton>("cmdReadRadio"), &QPushButton::clicked, this,
          &Tmainform::cmdReadRadioClick);
  connect(Find<QPushButton>("cmdWrite"), &QPushButton::clicked, this, &Tmainform::cmdWriteClick);
  connect(Find<QComboBox>("comport"), &QComboBox::activated, this, &Tmainform::comportChange);
  connect(Find<PortList>("comport"), &PortList::selectedPortGone, this, &Tmainform::comportGone);
  auto* loadSave = Find<QPushButton>("cmdLoadSave");
  connect(loadSave, &QPushButton::clicked, this, [this, loadSave] { cmdLoadSaveClick(loadSave); });
  connect(Find<QPushButton>("cmdAdvancedMode"), &QPushButton::clicked, this,
          &Tmainform::cmdAdvancedModeClick);
  const std::pair<const char*, void (Tmainform::*)()> menuHandlers[] = {
      {"Loadfrequenciesfromfile1", &Tmainform::Loadfrequenciesfromfile1Click},
      {"Loadfrequenciessettingsfromfile1", &Tmainform::Loadfrequenciessettingsfromfile1Click},
      {"Savefrequenciestofile1", &Tmainform::Savefrequenciestofile1Click},
      {"Savefrequenciessettingstofile1", &Tmainform::Savefrequenciessettingstofile1Click},
      {"Restoreradiofrombackup1", &Tmainform::Restoreradiofrombackup1Click},
      {"Savechannelcard1", &Tmainform::Savechannelcard1Click},
      {"Compareradiowithplan1", &Tmainform::Compareradiowithplan1Click},
      {"mnuTestConnection", &Tmainform::mnuTestConnectionClick},
      {"mnuSaveDiagnosticReport", &Tmainform::SaveDiagnosticReportClick},
  };
  for (const auto& [name, handler] : menuHandlers) {
    connect(Find<QAction>(name), &QAction::triggered, this, handler);
  }
  // Held during a transfer, as any close is.
  connect(Find<QAction>("Quit1"), &QAction::triggered, this, &QWidget::close);
}

// Window first, then each page's controls in their own order, the grid row after row.
void Tmainform::SetDesignedTabOrder() {
  std::vector<QWidget*> order = {Find<QWidget>("cmdReadRadio"), Find<QWidget>("debug"),
                                 Find<QWidget>("tabit")};
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : kRowRoles) {
      order.push_back(Find<QWidget>(GridControlName(role, channel, false)));
    }
  }
  for (const char* name : {kMonitorKeyList, kSquelchSlider, kBeepTonesBox, kBatterySavingBox,
                           kSelfProgrammingBox, "cmdAdvancedMode", kTotList, kTotRekeyList,
                           kTotResetList, "cmdWrite", "comport", "cmdLoadSave"}) {
    order.push_back(Find<QWidget>(name));
  }
  ChainTabOrder(order);
}

void Tmainform::SetControlsEnabled(bool enabled) {
  // A transfer needs a port name, so the transfer buttons wait for a selection.
  const bool portChosen = Find<QComboBox>("comport")->currentIndex() >= 0;
  Find<QWidget>("cmdReadRadio")->setEnabled(enabled && portChosen);
  Find<QWidget>("cmdWrite")->setEnabled(enabled && portChosen);
  Find<QWidget>("comport")->setEnabled(enabled);
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : kRowRoles) {
      Find<QWidget>(GridControlName(role, channel, advancedMode))->setEnabled(enabled);
    }
  }
  for (const char* name : kSettingsControls) {
    Find<QWidget>(name)->setEnabled(enabled);
  }
  // Advanced mode is for good: its button stays disabled once it is on.
  if (!advancedMode) {
    Find<QWidget>("cmdAdvancedMode")->setEnabled(enabled);
  }
  EnableTestConnection(enabled);
  QCoreApplication::processEvents();
}

void Tmainform::SetTransferRunning(bool running) {
  transferRunning = running;
  for (QAction* command : Find<QMenu>("popup_settingsmenu")->actions()) {
    command->setEnabled(!running);
  }
  EnableHistory();
  EnableTestConnection(!running);
}

void Tmainform::EnableTestConnection(bool enabled) {
  Find<QAction>("mnuTestConnection")
      ->setEnabled(enabled && !transferRunning && Find<QComboBox>("comport")->currentIndex() >= 0);
}

// Hiding the window would let a write go on unseen, and quitting would cut it off midway
// and leave the radio half written.
void Tmainform::closeEvent(QCloseEvent* event) {
  if (!transferRunning) {
    const bool close =
        !unsavedEdits ||
        AskWarning(Line(QT_TRANSLATE_NOOP("Vexalon",
                                          "The window holds edits that were neither saved nor "
                                          "written to the radio. Close without saving them?")));
    event->setAccepted(close);
    return;
  }
  event->ignore();
  if (!closeWhenTransferEnds) {
    closeWhenTransferEnds = true;
    AppendLog(QCoreApplication::translate("Vexalon", "Closing when the transfer has finished..."));
  }
}

void Tmainform::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The first resize comes while the controls are still being made.
  auto* log = findChild<QWidget*>(QStringLiteral("debug"));
  if (log != nullptr) {
    const QSize gained = (event->size() - kDesignedClientSize).expandedTo(QSize(0, 0));
    log->setGeometry(kDesignedLogPane.adjusted(0, 0, gained.width(), gained.height()));
  }
}

void Tmainform::comportChange() {
  Find<QWidget>("cmdReadRadio")->setEnabled(true);
  Find<QWidget>("cmdWrite")->setEnabled(true);
  EnableTestConnection(true);
}

void Tmainform::comportGone(const QString& path) {
  Find<QWidget>("cmdReadRadio")->setEnabled(false);
  Find<QWidget>("cmdWrite")->setEnabled(false);
  Find<QAction>("mnuTestConnection")->setEnabled(false);
  AppendLog(
      QCoreApplication::translate(
          "Vexalon",
          "The serial port %1 is no longer there. Plug the cable in again or choose another port.")
          .arg(path));
}

void Tmainform::cmdLoadSaveClick(QObject* sender) {
  const auto* control = qobject_cast<const QWidget*>(sender);
  if (control == nullptr) {
    return;
  }
  // Just below the button, aligned with its left edge.
  const QPoint corner(control->x(), control->y() + control->height());
  Find<QMenu>("popup_settingsmenu")->popup(mapToGlobal(corner));
}

void Tmainform::Loadfrequenciesfromfile1Click() {
  LoadChosenFile(false);
}

void Tmainform::Loadfrequenciessettingsfromfile1Click() {
  LoadChosenFile(true);
}

void Tmainform::Savefrequenciestofile1Click() {
  SaveChosenFile(false);
}

void Tmainform::Savefrequenciessettingstofile1Click() {
  SaveChosenFile(true);
}

// The window stays the only store of the plan: a save takes the plan from the controls
// at that moment, a load puts it straight into them.
ChannelPlan Tmainform::Plan(bool settings) const {
  ChannelPlan plan;
  plan.advancedMode = advancedMode;
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    plan.channels[channel - 1] = Channel(channel);
  }
  if (settings) {
    plan.settings = Settings();
  }
  return plan;
}

void Tmainform::ShowPlan(const ChannelPlan& plan) {
  if (plan.advancedMode) {
    EnterAdvancedMode();
  }
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    ShowChannel(channel, plan.channels[channel - 1]);
    MarkChannelUnread(channel, false);
  }
  if (plan.settings) {
    ShowSettings(*plan.settings);
  }
}
