// The window's controls as the transfers and the channel plan file read and set them:
// rows and settings in the radio's terms, turned into control names here only.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

#include "ui/channel_grid.h"
#include "ui/grid_names.h"
#include "ui/port_list.h"
#include "ui/settings_page.h"
#include "ui/shown_text.h"
#include "ui/unit_mainform.h"

std::string Tmainform::SelectedPortName() const {
  return Find<PortList>("comport")->SelectedPath();
}

void Tmainform::ClearLog() {
  Find<QPlainTextEdit>("debug")->clear();
}

// The newest line is the one that says how things ended; it must never be out of sight.
void Tmainform::AppendLog(const QString& line) {
  auto* log = Find<QPlainTextEdit>("debug");
  log->appendPlainText(line);
  log->verticalScrollBar()->setValue(log->verticalScrollBar()->maximum());
}

void Tmainform::AppendLog(const LogLine& line) {
  if (keptTransfer != nullptr) {
    keptTransfer->log.push_back(line.Text());
  }
  AppendLog(Shown(line));
}

// A row the last read could not fill keeps the colour of a row being transferred.
void Tmainform::SetChannelLabelRed(int channel, bool red) {
  PaintChannelLabel(channel, red || unreadRows[channel]);
}

void Tmainform::PaintChannelLabel(int channel, bool red) {
  auto* label = Find<QLabel>(GridControlName(GridRole::Label, channel, advancedMode));
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText,
                   red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
  label->setPalette(colours);
}

namespace {

int ListIndex(const QComboBox* list) {
  return list->currentIndex();
}

void SelectListIndex(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace

void Tmainform::FocusHzBox(int channel, Direction direction) {
  const GridRole role = direction == Direction::Rx ? GridRole::FreqRx : GridRole::FreqTx;
  auto* control = Find<QWidget>(GridControlName(role, channel, advancedMode));
  auto* pages = Find<QTabWidget>("tabit");
  for (QWidget* parent = control; parent != nullptr; parent = parent->parentWidget()) {
    if (pages->indexOf(parent) >= 0) {
      pages->setCurrentWidget(parent);
    }
  }
  control->setFocus();
}

ChannelRow Tmainform::Channel(int channel) const {
  const auto name = [&](GridRole role) { return GridControlName(role, channel, advancedMode); };
  ChannelRow row;
  if (advancedMode) {
    row.rxHzText = Find<QLineEdit>(name(GridRole::FreqRx))->text().toStdString();
    row.txHzText = Find<QLineEdit>(name(GridRole::FreqTx))->text().toStdString();
  } else {
    row.rxChannelIndex = ListIndex(Find<QComboBox>(name(GridRole::FreqRx)));
    row.txChannelIndex = ListIndex(Find<QComboBox>(name(GridRole::FreqTx)));
  }
  row.rxToneIndex = ListIndex(Find<QComboBox>(name(GridRole::CtcssRx)));
  row.txToneIndex = ListIndex(Find<QComboBox>(name(GridRole::CtcssTx)));
  row.shift = Find<QCheckBox>(name(GridRole::Shift))->isChecked();
  row.lockout = Find<QCheckBox>(name(GridRole::Lockout))->isChecked();
  return row;
}

void Tmainform::ShowChannel(int channel, const ChannelRow& row) {
  const auto name = [&](GridRole role) { return GridControlName(role, channel, advancedMode); };
  if (advancedMode) {
    SetHzText(Find<QLineEdit>(name(GridRole::FreqRx)), QString::fromStdString(row.rxHzText));
    SetHzText(Find<QLineEdit>(name(GridRole::FreqTx)), QString::fromStdString(row.txHzText));
  } else {
    SelectListIndex(Find<QComboBox>(name(GridRole::FreqRx)), row.rxChannelIndex);
    SelectListIndex(Find<QComboBox>(name(GridRole::FreqTx)), row.txChannelIndex);
  }
  SelectListIndex(Find<QComboBox>(name(GridRole::CtcssRx)), row.rxToneIndex);
  SelectListIndex(Find<QComboBox>(name(GridRole::CtcssTx)), row.txToneIndex);
  Find<QCheckBox>(name(GridRole::Shift))->setChecked(row.shift);
  Find<QCheckBox>(name(GridRole::Lockout))->setChecked(row.lockout);
}

RadioSettings Tmainform::Settings() const {
  RadioSettings settings;
  settings.beepTones = Find<QCheckBox>(kBeepTonesBox)->isChecked();
  settings.batterySaving = Find<QCheckBox>(kBatterySavingBox)->isChecked();
  settings.selfProgramming = Find<QCheckBox>(kSelfProgrammingBox)->isChecked();
  settings.squelchLevel = Find<QSlider>(kSquelchSlider)->value();
  settings.monitorKey = ListIndex(Find<QComboBox>(kMonitorKeyList));
  settings.tot = ListIndex(Find<QComboBox>(kTotList));
  settings.totRekey = ListIndex(Find<QComboBox>(kTotRekeyList));
  settings.totReset = ListIndex(Find<QComboBox>(kTotResetList));
  return settings;
}

// The slider holds a level outside its range at the nearer end by itself.
void Tmainform::ShowSettings(const RadioSettings& settings) {
  SelectListIndex(Find<QComboBox>(kMonitorKeyList), settings.monitorKey);
  SelectListIndex(Find<QComboBox>(kTotList), settings.tot);
  SelectListIndex(Find<QComboBox>(kTotRekeyList), settings.totRekey);
  SelectListIndex(Find<QComboBox>(kTotResetList), settings.totReset);
  Find<QSlider>(kSquelchSlider)->setValue(settings.squelchLevel);
  Find<QCheckBox>(kBeepTonesBox)->setChecked(settings.beepTones);
  Find<QCheckBox>(kBatterySavingBox)->setChecked(settings.batterySaving);
  Find<QCheckBox>(kSelfProgrammingBox)->setChecked(settings.selfProgramming);
}
