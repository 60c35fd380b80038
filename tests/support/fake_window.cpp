#include "tests/support/fake_window.h"

#include <algorithm>
#include <stdexcept>

#include "radio/grid_names.h"
#include "radio/memory_map.h"
#include "radio/settings_page.h"
#include "radio/tables.h"

namespace {

template <typename Map>
auto& Find(Map& controls, const std::string& name, const char* kind) {
  const auto found = controls.find(name);
  if (found == controls.end()) {
    throw std::out_of_range(std::string("FakeWindow has no ") + kind + " named " + name);
  }
  return found->second;
}

}  // namespace

FakeWindow::FakeWindow() {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    lists_[GridControlName(GridRole::FreqRx, channel, false)] = {kChannelListCount, 0};
    lists_[GridControlName(GridRole::FreqTx, channel, false)] = {kChannelListCount, 0};
    lists_[GridControlName(GridRole::CtcssRx, channel, false)] = {kToneListCount, 0};
    lists_[GridControlName(GridRole::CtcssTx, channel, false)] = {kToneListCount, 0};
    checks_[GridControlName(GridRole::Shift, channel, false)] = false;
    checks_[GridControlName(GridRole::Lockout, channel, false)] = false;
  }
  lists_["cb_monitor"] = {kMonitorKeyCount, kDefaultMonitorKey};
  lists_["cb_tot"] = {kTotCount, 0};
  lists_["cb_tot_rekey"] = {kTotRekeyCount, 0};
  lists_["cb_tot_reset"] = {kTotResetCount, 0};
  sliders_["squelch_level"] = kDefaultSquelchLevel;
  checks_["cb_beeptones"] = true;
  checks_["cb_batterysaving"] = true;
  checks_["cb_selfprog"] = true;
}

void FakeWindow::SetChannelLabelRed(int channel, bool red) {
  if (channel < 1 || channel > kChannelCount) {
    throw std::out_of_range("FakeWindow has no label for channel " + std::to_string(channel));
  }
  labelRedCalls.emplace_back(channel, red);
}

int FakeWindow::ListIndex(const std::string& name) const {
  return Find(lists_, name, "list").index;
}

void FakeWindow::SelectListIndex(const std::string& name, int index) {
  List& list = Find(lists_, name, "list");
  list.index = index >= 0 && index < list.count ? index : -1;
}

std::string FakeWindow::EditText(const std::string& name) const {
  return Find(edits_, name, "edit box");
}

void FakeWindow::SetEditText(const std::string& name, const std::string& text) {
  Find(edits_, name, "edit box") = text;
}

bool FakeWindow::IsChecked(const std::string& name) const {
  return Find(checks_, name, "check box");
}

void FakeWindow::SetChecked(const std::string& name, bool checked) {
  Find(checks_, name, "check box") = checked;
}

int FakeWindow::SliderPosition(const std::string& name) const {
  return Find(sliders_, name, "slider");
}

void FakeWindow::SetSliderPosition(const std::string& name, int position) {
  Find(sliders_, name, "slider") = std::clamp(position, 0, kSquelchLevelMax);
}

void FakeWindow::EnterAdvancedMode() {
  if (advancedMode_) {
    throw std::logic_error("FakeWindow::EnterAdvancedMode called in advanced mode");
  }
  ++enterAdvancedModeCalls;
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : {GridRole::FreqRx, GridRole::FreqTx}) {
      const std::string list = GridControlName(role, channel, false);
      edits_[GridControlName(role, channel, true)] = PmrChannelHzText(ListIndex(list));
      lists_.erase(list);
    }
  }
  advancedMode_ = true;
}

bool FakeWindow::HasControl(const std::string& name) const {
  return lists_.contains(name) || edits_.contains(name) || checks_.contains(name) ||
         sliders_.contains(name);
}

std::map<std::string, std::string> FakeWindow::Snapshot() const {
  std::map<std::string, std::string> values;
  for (const auto& [name, list] : lists_) {
    values[name] = std::to_string(list.index);
  }
  for (const auto& [name, text] : edits_) {
    values[name] = text;
  }
  for (const auto& [name, checked] : checks_) {
    values[name] = checked ? "checked" : "unchecked";
  }
  for (const auto& [name, position] : sliders_) {
    values[name] = std::to_string(position);
  }
  return values;
}
