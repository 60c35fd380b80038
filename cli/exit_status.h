#pragma once

// The program's exit status.
inline constexpr int kExitAllDone = 0;
// A radio failed, differs from the plan or could not be reached.
inline constexpr int kExitRadioFailed = 1;
// Bad usage, or a file that cannot be used; nothing was sent to any radio.
inline constexpr int kExitRefused = 2;
