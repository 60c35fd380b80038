#pragma once

// The controls of the settings page, by name.
inline constexpr char kMonitorKeyList[] = "cb_monitor";
inline constexpr char kTotList[] = "cb_tot";
inline constexpr char kTotRekeyList[] = "cb_tot_rekey";
inline constexpr char kTotResetList[] = "cb_tot_reset";
inline constexpr char kSquelchSlider[] = "squelch_level";
inline constexpr char kBeepTonesBox[] = "cb_beeptones";
inline constexpr char kBatterySavingBox[] = "cb_batterysaving";
inline constexpr char kSelfProgrammingBox[] = "cb_selfprog";

inline constexpr const char* kSettingsControls[] = {
    kMonitorKeyList, kTotList,      kTotRekeyList,     kTotResetList,
    kSquelchSlider,  kBeepTonesBox, kBatterySavingBox, kSelfProgrammingBox};
inline constexpr const char* kSettingsLists[] = {kMonitorKeyList, kTotList, kTotRekeyList,
                                                 kTotResetList};
inline constexpr const char* kSettingsBoxes[] = {kBeepTonesBox, kBatterySavingBox,
                                                 kSelfProgrammingBox};
