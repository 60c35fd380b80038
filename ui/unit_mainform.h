#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "radio/channel_plan.h"
#include "radio/front_end.h"
#include "radio/log_line.h"
#include "radio/serial_link.h"
#include "ui/control_lookup.h"
#include "ui/dialogs.h"
#include "ui/kept_transfers.h"
#include "ui/plan_history.h"

struct ReadOutcome;

// The program's one window. Its controls are the only store of the channel plan and the
// settings: every operation looks the control it needs up by name at that moment. A
// transfer gets the plan as a value when it starts and gives back what it read.
class QMenu;
class QUndoStack;

class Tmainform : public QWidget {
  Q_OBJECT

 public:
  Tmainform();
  // On the platform's serial ports and the steady clock.
  explicit Tmainform(std::unique_ptr<Dialogs> dialogs);
  // On the system calls and the clock given, as a test's line to a simulated radio; both
  // must outlive the window.
  Tmainform(std::unique_ptr<Dialogs> dialogs, SerialSystem& serialSystem, const LinkClock& clock);
  ~Tmainform() override;

  bool AdvancedMode() const { return advancedMode; }
  // The path of the port chosen in the port list; empty when none is chosen.
  std::string SelectedPortName() const;
  void SetControlsEnabled(bool enabled);

  void ClearLog();
  void AppendLog(const QString& line);
  void AppendLog(const LogLine& line);
  // A Yes/No question with No as the answer to a hurried Enter; true on Yes.
  bool AskWarning(const LogLine& question);

  // The label of channel 1..15 in red while it is transferred, else in window-text colour.
  void SetChannelLabelRed(int channel, bool red);
  // A row a read could not fill shows its earlier values, so it stays marked until it is
  // filled or edited; false says the row was just filled from the radio or a file.
  void MarkChannelUnread(int channel, bool unread);

  // Row 1..15 as shown: the channel list indexes in normal mode, the Hz texts as typed in
  // advanced mode; the other mode's fields keep their defaults.
  ChannelRow Channel(int channel) const;
  // Shows the fields of the window's mode. An index outside its list leaves the list
  // without a selection.
  void ShowChannel(int channel, const ChannelRow& row);
  RadioSettings Settings() const;
  // An index outside its list leaves the list without a selection.
  void ShowSettings(const RadioSettings& settings);
  // Puts the keyboard focus on an advanced-mode Hz box, so the user can correct it at once.
  void FocusHzBox(int channel, Direction direction);

  // Switches the grid to Hz edit boxes for good; once on, a further call does nothing.
  void EnterAdvancedMode();

  // The window's one serial port, kept for its whole life; each transfer opens it at its
  // start and closes it at its end.
  TBlockSerial& Serial() { return serial; }

  // A read or a write marks itself running for its whole length. Meanwhile every command
  // of the Load / save menu is disabled: a load would rewrite the grid under the transfer,
  // and any file dialog would hold the thread inside an exchange. A close request waits
  // for the end.
  void SetTransferRunning(bool running);

  // The channel plan file: the window's plan, and its settings page when `settings` is
  // true, to and from the named file (in the system's encoding); a name ending in .csv is
  // a CHIRP CSV file, which holds the channels alone. What the file has to say is shown in
  // dialogs.
  void SaveToFile(const std::string& fileName, bool settings);
  void LoadFromFile(const std::string& fileName, bool settings);

  // Event handlers.
  void cmdReadRadioClick();
  void cmdWriteClick();
  void comportChange();
  // The chosen port vanished from the list (an adapter unplugged).
  void comportGone(const QString& path);
  void cmdLoadSaveClick(QObject* sender);
  void cmdAdvancedModeClick();
  void Loadfrequenciesfromfile1Click();
  void Loadfrequenciessettingsfromfile1Click();
  void Savefrequenciestofile1Click();
  void Savefrequenciessettingstofile1Click();
  // Puts a backup's blocks back into the radio, after a question that names the backup.
  void Restoreradiofrombackup1Click();
  // Compares what the radio holds with the window's plan; nothing is written.
  void Compareradiowithplan1Click();

  // The commands of a channel row's label: Copy, Paste, Clear, Move up, Move down, named
  // RowCopy, RowPaste, RowClear, RowMoveUp and RowMoveDown. The clipboard carries a row as a
  // line of CHIRP's CSV layout.
  QMenu* RowMenu(int channel);
  void CopyRow(int channel);
  void PasteRow(int channel);
  void ClearRow(int channel);
  void MoveRow(int channel, int to);

  // Undo and Redo of the Load / save menu (Undo1, Redo1) step through the plan's changes: a
  // user's edit, a read, a load or a row command, each one step. Advanced mode is not
  // left: a step from before it comes back as Hz texts.
  void Undo1Click();
  void Redo1Click();
  PlanState CurrentPlanState() const;
  void ShowPlanState(const PlanState& state);
  // Makes the change since the last step a step of its own; nothing when there is none.
  void RecordStep();
  // The plan on one printable page, with a card of its channels to cut out.
  void Savechannelcard1Click();
  // Whether the radio on the chosen port is ready to be written; writes nothing.
  void mnuTestConnectionClick();
  // What a maintainer needs to see why a radio does not work with Vexalon, in a file the
  // user chooses: the program, the system, the port's device and the last transfers.
  void SaveDiagnosticReportClick();

 protected:
  // Edits not yet saved or written make a close ask first.
  void closeEvent(QCloseEvent* event) override;
  // The log pane takes what the window gains beyond its designed size.
  void resizeEvent(QResizeEvent* event) override;
#ifdef Q_OS_WIN
  bool event(QEvent* event) override;
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  void FormCreate();
  void ConnectHandlers();
  void SetDesignedTabOrder();
  void LoadChosenFile(bool settings);
  void SaveChosenFile(bool settings);
  void BeginTransfer();
  // Keeps the transfer just begun for the diagnostic report: its log and its trace.
  void KeepTransfer(const char* kind, const std::string& port);
  void EndTransfer();
  ChannelPlan Plan(bool settings) const;
  void ShowPlan(const ChannelPlan& plan);
  void TrackEdits();
  void TrackHzEdits();
  void ConnectRowCommands();
  void ConnectHistory();
  // Once the control that changed has taken its new value.
  void RecordStepSoon();
  void EnableHistory();
  // The row whose editing control has the focus, when it is no text box; 0 for none.
  int FocusedRow() const;
  void PaintChannelLabel(int channel, bool red);
  // The connection test needs a port and no transfer under way.
  void EnableTestConnection(bool enabled);

  template <class Control>
  Control* Find(const std::string& name) const {
    return FindControl<Control>(this, name);
  }

  std::unique_ptr<Dialogs> dialogs;
  TBlockSerial serial;
  bool advancedMode = false;
  // Nothing read, loaded or edited since start: a write would put the empty start-up
  // plan over whatever the radio holds.
  bool holdsStartupPlan = true;
  // Rows, by channel number, that the last read could not fill.
  std::array<bool, kChannelCount + 1> unreadRows{};
  // Rows, by channel number, whose frequencies in the radio the read that filled them could
  // not show in normal mode: a write would clear those, so it asks first. Forgotten when the
  // user chooses the row's frequency, and for all rows on a load or a write that is done.
  HiddenRows hiddenRows;
  bool transferRunning = false;
  // The plan file last loaded or saved, for the channel card; empty before any.
  QString planFileName;
  bool closeWhenTransferEnds = false;
  // The user changed the plan since the last read, load or save, or write that was done.
  bool unsavedEdits = false;
  QUndoStack* history = nullptr;
  // The plan as the last step left it.
  PlanState recorded;
  bool showingStep = false;
  KeptTransfers keptTransfers;
  // The transfer running now, while it is kept; null between transfers.
  KeptTransfer* keptTransfer = nullptr;
};
