#include "ui/channel_grid.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "radio/memory_map.h"
#include "radio/tables.h"
#include "ui/control_lookup.h"
#include "ui/grid_names.h"
#include "ui/list_fillers.h"
#include "ui/tab_order.h"

namespace {

constexpr int kRowPitch = 24;
constexpr int kLabelLeft = 8;
constexpr int kFreqRxLeft = 56;
constexpr int kCtcssRxLeft = 208;
constexpr int kFreqTxLeft = 320;
constexpr int kCtcssTxLeft = 472;
constexpr int kShiftLeft = 576;
constexpr int kLockoutLeft = 616;
constexpr int kFrequencyWidth = 145;
constexpr int kToneWidth = 97;
constexpr int kFlagWidth = 17;
constexpr int kHzTextMaxLength = 9;

int RowTop(int channel) {
  return kRowPitch * channel;
}

QString Name(GridRole role, int channel, bool advancedMode = false) {
  return QString::fromStdString(GridControlName(role, channel, advancedMode));
}

// Heights stay the toolkit's own for each kind of control.
void Place(QWidget* control, int left, int top, int width) {
  control->setGeometry(left, top, width, control->sizeHint().height());
}

void AddList(QWidget* window, QWidget* page, GridRole role, int channel, int left, int width,
             void (*fill)(QComboBox*)) {
  auto* list = new QComboBox(page);
  list->setObjectName(Name(role, channel));
  Place(list, left, RowTop(channel), width);
  fill(FindControl<QComboBox>(window, Name(role, channel)));
}

void AddFlag(QWidget* page, GridRole role, int channel, int left) {
  auto* flag = new QCheckBox(page);
  flag->setObjectName(Name(role, channel));
  Place(flag, left, RowTop(channel) + 2, kFlagWidth);
}

void BuildRow(QWidget* window, QWidget* page, int channel) {
  auto* label = new QLabel(QCoreApplication::translate("Vexalon", "Ch #%1").arg(channel), page);
  label->setObjectName(Name(GridRole::Label, channel));
  label->move(kLabelLeft, RowTop(channel) + 4);
  label->adjustSize();
  AddList(window, page, GridRole::FreqRx, channel, kFreqRxLeft, kFrequencyWidth, FillChannelList);
  AddList(window, page, GridRole::CtcssRx, channel, kCtcssRxLeft, kToneWidth, FillToneList);
  AddList(window, page, GridRole::FreqTx, channel, kFreqTxLeft, kFrequencyWidth, FillChannelList);
  AddList(window, page, GridRole::CtcssTx, channel, kCtcssTxLeft, kToneWidth, FillToneList);
  AddFlag(page, GridRole::Shift, channel, kShiftLeft);
  AddFlag(page, GridRole::Lockout, channel, kLockoutLeft);
}

QLineEdit* ReplaceByHzEdit(QWidget* window, QWidget* page, GridRole role, int channel, int left) {
  auto* list = FindControl<QComboBox>(window, Name(role, channel));
  auto* edit = new QLineEdit(page);
  edit->setObjectName(Name(role, channel, true));
  Place(edit, left, RowTop(channel), kFrequencyWidth);
  edit->setMaxLength(kHzTextMaxLength);
  edit->setText(QString::fromStdString(PmrChannelHzText(list->currentIndex())));
  // Once the user has cut a long placed text down, typing stops at nine again.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    if (text.size() <= kHzTextMaxLength) {
      edit->setMaxLength(kHzTextMaxLength);
    }
  });
  // Children added to a page already on screen stay hidden until shown.
  edit->show();
  // Destroyed now, not later: the next lookup by name must no longer find it.
  delete list;
  return edit;
}

}  // namespace

void BuildChannelGrid(QWidget* window, QWidget* page) {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    BuildRow(window, page, channel);
  }
}

void SetHzText(QLineEdit* edit, const QString& text) {
  edit->setMaxLength(std::max<int>(kHzTextMaxLength, static_cast<int>(text.size())));
  edit->setText(text);
}

void ReplaceFrequencyListsByHzEdits(QWidget* window, QWidget* page) {
  std::vector<QWidget*> tabOrder = {
      FindControl<QWidget>(window, Name(GridRole::Lockout, kChannelCount))};
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    tabOrder.push_back(ReplaceByHzEdit(window, page, GridRole::FreqRx, channel, kFreqRxLeft));
    tabOrder.push_back(ReplaceByHzEdit(window, page, GridRole::FreqTx, channel, kFreqTxLeft));
  }
  ChainTabOrder(tabOrder);
}
