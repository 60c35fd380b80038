#pragma once

#include <QFont>

// Tahoma at 11 pixels where it is installed, else the desktop's own UI font at that height,
// narrowed where it runs wider than Tahoma so the designed layout still holds its captions.
QFont WindowFont();
// Consolas at 11 pixels where it is installed, else the system's fixed-width font.
QFont LogPaneFont();
