#include "tests/support/control_values.h"

#include "radio/memory_map.h"
#include "tests/support/named_controls.h"
#include "ui/grid_names.h"
#include "ui/settings_page.h"
#include "ui/unit_mainform.h"

std::map<std::string, std::string> ControlValues(const Tmainform& window) {
  std::map<std::string, std::string> values;
  const bool advanced = window.AdvancedMode();
  for (int n = 1; n <= kChannelCount; ++n) {
    for (const GridRole role : kRowRoles) {
      const std::string name = GridControlName(role, n, advanced);
      if (role == GridRole::Shift || role == GridRole::Lockout) {
        values[name] = IsChecked(window, name) ? "checked" : "unchecked";
      } else if (advanced && (role == GridRole::FreqRx || role == GridRole::FreqTx)) {
        values[name] = EditText(window, name);
      } else {
        values[name] = std::to_string(ListIndex(window, name));
      }
    }
  }
  for (const char* list : kSettingsLists) {
    values[list] = std::to_string(ListIndex(window, list));
  }
  for (const char* box : kSettingsBoxes) {
    values[box] = IsChecked(window, box) ? "checked" : "unchecked";
  }
  values[kSquelchSlider] = std::to_string(SliderPosition(window, kSquelchSlider));
  return values;
}
