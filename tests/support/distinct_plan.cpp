#include "tests/support/distinct_plan.h"

#include <string>

#include "radio/grid_names.h"
#include "radio/memory_map.h"

void FillDistinctPlan(WindowControls& window) {
  const bool advanced = window.AdvancedMode();
  for (int n = 1; n <= kChannelCount; ++n) {
    const auto name = [&](GridRole role) { return GridControlName(role, n, advanced); };
    if (advanced) {
      window.SetEditText(name(GridRole::FreqRx), n == 1 ? "" : std::to_string(n * 1111));
      window.SetEditText(name(GridRole::FreqTx), "44600625012345");
    } else {
      window.SelectListIndex(name(GridRole::FreqRx), n % 9);
      window.SelectListIndex(name(GridRole::FreqTx), 8 - n % 9);
    }
    window.SelectListIndex(name(GridRole::CtcssRx), n * 3 % 39);
    window.SelectListIndex(name(GridRole::CtcssTx), 38 - n);
    window.SetChecked(name(GridRole::Shift), n % 2 == 1);
    window.SetChecked(name(GridRole::Lockout), n % 3 == 0);
  }
  window.SelectListIndex("cb_monitor", 0);
  window.SetSliderPosition("squelch_level", 10);
  window.SetChecked("cb_beeptones", false);
  window.SelectListIndex("cb_tot", 10);
  window.SelectListIndex("cb_tot_rekey", 60);
  window.SelectListIndex("cb_tot_reset", 15);
}
