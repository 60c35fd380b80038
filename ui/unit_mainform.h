#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "files/channel_plan.h"
#include "radio/memory_map.h"
#include "radio/radio_window.h"
#include "radio/serial_link.h"
#include "ui/control_lookup.h"
#include "ui/dialogs.h"

// The program's one window. Its controls are the only store of the channel plan and the
// settings: every operation looks the control it needs up by name at that moment.
class Tmainform : public QWidget, public RadioWindow {
  Q_OBJECT

 public:
  Tmainform();
  explicit Tmainform(std::unique_ptr<Dialogs> dialogs);
  ~Tmainform() override;

  bool AdvancedMode() const override { return advancedMode; }
  std::string SelectedPortName() const override;
  void SetControlsEnabled(bool enabled) override;
  void ProcessMessages() override;
  void ClearLog() override;
  void AppendLog(const std::string& line) override;
  void SetChannelLabelRed(int channel, bool red) override;
  void MarkChannelUnread(int channel, bool unread) override;
  ChannelRow Channel(int channel) const override;
  void ShowChannel(int channel, const ChannelRow& row) override;
  RadioSettings Settings() const override;
  void ShowSettings(const RadioSettings& settings) override;
  void FocusHzBox(int channel, Direction direction) override;

  // Switches the grid to Hz edit boxes for good; once on, a further call does nothing.
  void EnterAdvancedMode();

  // The window's one serial port, kept for its whole life; each transfer opens it at its
  // start and closes it at its end.
  TBlockSerial& Serial() { return serial; }

  // A read or a write marks itself running for its whole length. Meanwhile the two load
  // commands of the Load / save menu are disabled, since a load would rewrite the grid
  // under the transfer; the save commands stay usable. A close request waits for the end.
  void SetTransferRunning(bool running);

  // The channel plan file: the window's plan, and its settings page when `settings` is
  // true, to and from the named file (in the system's encoding). What the file has to
  // say is shown in dialogs.
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

 protected:
  void closeEvent(QCloseEvent* event) override;
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
  void RunTransfer(void (*transfer)(RadioWindow&, TBlockSerial&));
  ChannelPlan Plan(bool settings) const;
  void ShowPlan(const ChannelPlan& plan);
  void TrackEdits();
  void TrackHzEdits();
  void PaintChannelLabel(int channel, bool red);

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
  bool transferRunning = false;
  bool closeWhenTransferEnds = false;
};
