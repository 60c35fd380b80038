#include "ui/settings_items.h"

#include <QCoreApplication>

#include "radio/setting_texts.h"
#include "ui/shown_text.h"

QString SettingCaption(Setting setting) {
  return QCoreApplication::translate("Vexalon", TraitsOf(setting).caption);
}

QStringList SettingItems(Setting setting) {
  QStringList items;
  if (TraitsOf(setting).kind == SettingKind::List) {
    for (int value = 0; value < TraitsOf(setting).count; ++value) {
      items << Shown(SettingValueLine(setting, value));
    }
  }
  return items;
}

QString SwitchText(bool on) {
  return Shown(SettingValueLine(Setting::BeepTones, on ? 1 : 0));
}
