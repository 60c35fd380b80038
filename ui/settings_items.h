#pragma once

#include <QString>
#include <QStringList>

#include "radio/settings_table.h"

// The settings page's captions and list items. The page shows them and the channel card
// prints them, so that the card reads exactly as the page does.

// The label beside the setting's control, e.g. "Monitor key:".
QString SettingCaption(Setting setting);
// The items of the four lists in index order, e.g. "Disabled", "30 seconds", ...; nothing for
// the slider and the check boxes.
QStringList SettingItems(Setting setting);
// What a check box says when ticked ("On"), and what the card says otherwise.
QString SwitchText(bool on);
