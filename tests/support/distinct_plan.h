#pragma once

#include "radio/window_controls.h"

// Every channel different, list ends included; settings away from their defaults. In
// advanced mode the Hz texts include an empty one and some a write refuses.
void FillDistinctPlan(WindowControls& window);
