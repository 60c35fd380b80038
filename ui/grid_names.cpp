#include "ui/grid_names.h"

std::string GridControlName(GridRole role, int channel, bool advancedMode) {
  const std::string row = "A" + std::to_string(channel);
  const std::string frequencyPrefix = advancedMode ? "edit_" : "cb_";
  switch (role) {
    case GridRole::Label:
      return "lbl_" + row;
    case GridRole::FreqRx:
      return frequencyPrefix + row + "_freq_rx";
    case GridRole::CtcssRx:
      return "cb_" + row + "_ctcss_rx";
    case GridRole::FreqTx:
      return frequencyPrefix + row + "_freq_tx";
    case GridRole::CtcssTx:
      return "cb_" + row + "_ctcss_tx";
    case GridRole::Shift:
      return "cb_" + row + "_shift";
    case GridRole::Lockout:
      return "cb_" + row + "_lockout";
  }
  return {};
}
