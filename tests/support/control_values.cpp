#include "tests/support/control_values.h"

#include "radio/grid_names.h"
#include "radio/memory_map.h"

std::map<std::string, std::string> ControlValues(const WindowControls& window) {
  std::map<std::string, std::string> values;
  const bool advanced = window.AdvancedMode();
  for (int n = 1; n <= kChannelCount; ++n) {
    for (const GridRole role : {GridRole::FreqRx, GridRole::FreqTx}) {
      const std::string name = GridControlName(role, n, advanced);
      values[name] = advanced ? window.EditText(name) : std::to_string(window.ListIndex(name));
    }
    for (const GridRole role : {GridRole::CtcssRx, GridRole::CtcssTx}) {
      const std::string name = GridControlName(role, n, advanced);
      values[name] = std::to_string(window.ListIndex(name));
    }
    for (const GridRole role : {GridRole::Shift, GridRole::Lockout}) {
      const std::string name = GridControlName(role, n, advanced);
      values[name] = window.IsChecked(name) ? "checked" : "unchecked";
    }
  }
  for (const char* list : {"cb_monitor", "cb_tot", "cb_tot_rekey", "cb_tot_reset"}) {
    values[list] = std::to_string(window.ListIndex(list));
  }
  for (const char* box : {"cb_beeptones", "cb_batterysaving", "cb_selfprog"}) {
    values[box] = window.IsChecked(box) ? "checked" : "unchecked";
  }
  values["squelch_level"] = std::to_string(window.SliderPosition("squelch_level"));
  return values;
}
