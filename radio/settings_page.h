#pragma once

// Lists of the settings page: their item counts and the page's designed defaults.
inline constexpr int kMonitorKeyCount = 4;
inline constexpr int kTotCount = 11;
inline constexpr int kTotRekeyCount = 61;
inline constexpr int kTotResetCount = 16;
inline constexpr int kDefaultMonitorKey = 3;
// The squelch slider runs from 0 to this.
inline constexpr int kSquelchLevelMax = 10;
inline constexpr int kDefaultSquelchLevel = 5;
