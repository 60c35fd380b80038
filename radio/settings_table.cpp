#include "radio/settings_table.h"

namespace {

// The table is indexed by the enumeration; a row out of place would give one setting
// another's key, byte and caption.
constexpr bool RowsStandInTheirPlaces() {
  for (std::size_t i = 0; i < kSettingTraits.size(); ++i) {
    const SettingTraits& traits = kSettingTraits[i];
    if (static_cast<std::size_t>(traits.setting) != i ||
        (traits.kind == SettingKind::Switch) != (traits.flag != nullptr) ||
        (traits.number == nullptr) == (traits.flag == nullptr)) {
      return false;
    }
  }
  return true;
}
static_assert(RowsStandInTheirPlaces());

}  // namespace

int SettingValue(const RadioSettings& settings, Setting setting) {
  const SettingTraits& traits = TraitsOf(setting);
  return traits.flag ? (settings.*traits.flag ? 1 : 0) : settings.*traits.number;
}

void SetSettingValue(RadioSettings& settings, Setting setting, int value) {
  const SettingTraits& traits = TraitsOf(setting);
  if (traits.flag) {
    settings.*traits.flag = value != 0;
  } else {
    settings.*traits.number = value;
  }
}
