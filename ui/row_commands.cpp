// A channel row's own commands, from its label's context menu or Ctrl+C / Ctrl+V while the
// focus is in the row: copy, paste, clear and move. A row travels the clipboard as a line
// of CHIRP's CSV layout, so it also pastes into a spreadsheet or another plan.
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "files/csv_row.h"
#include "ui/grid_names.h"
#include "ui/shown_text.h"
#include "ui/unit_mainform.h"

QMenu* Tmainform::RowMenu(int channel) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const auto add = [&](const char* name, const char* caption, auto handler, bool enabled = true) {
    QAction* action = menu->addAction(QCoreApplication::translate("Vexalon", caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, handler);
  };
  add("RowCopy", QT_TRANSLATE_NOOP("Vexalon", "Copy"), [this, channel] { CopyRow(channel); });
  add("RowPaste", QT_TRANSLATE_NOOP("Vexalon", "Paste"), [this, channel] { PasteRow(channel); });
  add("RowClear", QT_TRANSLATE_NOOP("Vexalon", "Clear"), [this, channel] { ClearRow(channel); });
  menu->addSeparator();
  add(
      "RowMoveUp", QT_TRANSLATE_NOOP("Vexalon", "Move up"),
      [this, channel] { MoveRow(channel, channel - 1); }, channel > 1);
  add(
      "RowMoveDown", QT_TRANSLATE_NOOP("Vexalon", "Move down"),
      [this, channel] { MoveRow(channel, channel + 1); }, channel < kChannelCount);
  return menu;
}

void Tmainform::CopyRow(int channel) {
  const CsvText line = CsvRowText(Channel(channel), advancedMode);
  if (!line.failure.format.empty()) {
    AppendLog(line.failure);
    return;
  }
  QGuiApplication::clipboard()->setText(QString::fromStdString(line.text));
}

void Tmainform::PasteRow(int channel) {
  const PastedRow pasted =
      CsvRowFromText(QGuiApplication::clipboard()->text().toStdString(), advancedMode);
  if (!pasted.row) {
    AppendLog(pasted.failure);
    return;
  }
  ShowChannel(channel, *pasted.row);
  MarkChannelUnread(channel, false);
  hiddenRows.Forget(channel);
  unsavedEdits = true;
  RecordStep();
}

void Tmainform::ClearRow(int channel) {
  ShowChannel(channel, ChannelRow{});
  MarkChannelUnread(channel, false);
  hiddenRows.Forget(channel);
  unsavedEdits = true;
  RecordStep();
}

void Tmainform::MoveRow(int channel, int to) {
  if (to < 1 || to > kChannelCount) {
    return;
  }
  const ChannelRow moved = Channel(channel);
  ShowChannel(channel, Channel(to));
  ShowChannel(to, moved);
  const bool unread = unreadRows[channel];
  MarkChannelUnread(channel, unreadRows[to]);
  MarkChannelUnread(to, unread);
  hiddenRows.Swap(channel, to);
  unsavedEdits = true;
  RecordStep();
}

int Tmainform::FocusedRow() const {
  const QWidget* focused = focusWidget();
  if (focused == nullptr || qobject_cast<const QLineEdit*>(focused) != nullptr) {
    return 0;
  }
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : kRowRoles) {
      if (focused->objectName().toStdString() == GridControlName(role, channel, advancedMode)) {
        return channel;
      }
    }
  }
  return 0;
}

void Tmainform::ConnectRowCommands() {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    auto* label = Find<QLabel>(GridControlName(GridRole::Label, channel, false));
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this, [this, label, channel](QPoint at) {
      if (!transferRunning) {
        RowMenu(channel)->popup(label->mapToGlobal(at));
      }
    });
  }
  // Text boxes keep their own Ctrl+C and Ctrl+V: they take these keys before the window.
  const auto rowKey = [this](const char* name, QKeySequence keys, void (Tmainform::*command)(int)) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, command] {
      if (const int channel = FocusedRow(); channel > 0 && !transferRunning) {
        (this->*command)(channel);
      }
    });
  };
  rowKey("RowCopyKey", QKeySequence::Copy, &Tmainform::CopyRow);
  rowKey("RowPasteKey", QKeySequence::Paste, &Tmainform::PasteRow);
}
