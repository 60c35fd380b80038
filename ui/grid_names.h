#pragma once

#include <string>

// Every operation reaches a grid control by composing its name: prefix, bank letter
// "A", channel number 1..15, role suffix. Advanced mode replaces the frequency lists by
// edit boxes under other names, so nothing may keep a reference to a grid control.

enum class GridRole { Label, FreqRx, CtcssRx, FreqTx, CtcssTx, Shift, Lockout };

// The six editing controls of a row, in the row's tab order.
inline constexpr GridRole kRowRoles[] = {GridRole::FreqRx,  GridRole::CtcssRx, GridRole::FreqTx,
                                         GridRole::CtcssTx, GridRole::Shift,   GridRole::Lockout};

// The frequency controls exist as "cb_" lists in normal mode and "edit_" boxes in
// advanced mode; every other role has one name.
std::string GridControlName(GridRole role, int channel, bool advancedMode);
