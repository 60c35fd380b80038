#pragma once

#include "radio/serial_link.h"
#include "radio/window_controls.h"

// The two user operations that move the whole channel plan and the settings between the
// window's controls and the radio, from start to end, logging progress and failures.
void ReadFromRadio(WindowControls& window, TBlockSerial& serial);
void WriteToRadio(WindowControls& window, TBlockSerial& serial);
