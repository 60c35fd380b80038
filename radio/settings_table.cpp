#include "radio/settings_table.h"

namespace {

// The table is indexed by the enumeration; a row out of place would give one setting
// another's key, byte and caption.
constexpr bool RowsStandInTheirPlaces() {
  for (std::size_t i = 0; i < kSettingSpecs.size(); ++i) {
    const SettingSpec& spec = kSettingSpecs[i];
    if (static_cast<std::size_t>(spec.setting) != i ||
        (spec.kind == SettingKind::Switch) != (spec.flag != nullptr) ||
        (spec.number == nullptr) == (spec.flag == nullptr)) {
      return false;
    }
  }
  return true;
}
static_assert(RowsStandInTheirPlaces());

}  // namespace

int SettingValue(const RadioSettings& settings, Setting setting) {
  const SettingSpec& spec = SpecOf(setting);
  return spec.flag ? (settings.*spec.flag ? 1 : 0) : settings.*spec.number;
}

void SetSettingValue(RadioSettings& settings, Setting setting, int value) {
  const SettingSpec& spec = SpecOf(setting);
  if (spec.flag) {
    settings.*spec.flag = value != 0;
  } else {
    settings.*spec.number = value;
  }
}
