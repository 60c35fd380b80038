#pragma once

#include <QString>
#include <QStringList>
#include <utility>

#include "radio/memory_map.h"
#include "ui/settings_items.h"

// What the channel card says, cell by cell, with the user's decimal separator as the
// window's lists use it.

// One channel: its cells in the order of ChannelTableHeader(), and whether the radio uses
// it at all (receives or transmits on it).
struct CardRow {
  QStringList cells;
  bool inUse = false;
};

QStringList ChannelTableHeader();

// Frequencies in MHz with the PMR446 channel where they are one ("446.00625 (PMR 1)"),
// "Not in use" for none; tones by name ("67.0 Hz", "D023N") or "None"; flags "On" or "Off".
// A list index that selects nothing prints "—", a Hz text that is no frequency prints as
// typed with "(invalid)".
CardRow ChannelCardRow(int channel, const ChannelRow& row, bool advancedMode);

// A setting's page caption and the text of its value, e.g. {"Monitor key:", "Monitor lock"}.
std::pair<QString, QString> SettingLine(Setting setting, const RadioSettings& settings);
