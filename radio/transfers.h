#pragma once

#include "radio/radio_window.h"
#include "radio/serial_link.h"

// The two user operations that move the whole channel plan and the settings between the
// window and the radio, from start to end, logging progress and failures.
void ReadFromRadio(RadioWindow& window, TBlockSerial& serial);
void WriteToRadio(RadioWindow& window, TBlockSerial& serial);
