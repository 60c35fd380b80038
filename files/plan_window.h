#pragma once

#include <string>

#include "radio/window_controls.h"

// What loading a channel plan needs of the window beyond its controls.
class PlanWindow : public WindowControls {
 public:
  // Switches the window to Hz edit boxes for good; only called in normal mode.
  virtual void EnterAdvancedMode() = 0;
  // Modal message dialogs captioned "Error" and "Information", one OK button each.
  virtual void ShowError(const std::string& text) = 0;
  virtual void ShowInformation(const std::string& text) = 0;
};
