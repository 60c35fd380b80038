#pragma once

#include <QFont>
#include <QStringList>

class QWidget;

// Tahoma at 11 pixels where it is installed, else the desktop's own UI font at that height,
// narrowed where it runs wider than Tahoma so the designed layout still holds its captions.
QFont WindowFont();
// Consolas at 11 pixels where it is installed, else the system's fixed-width font.
QFont LogPaneFont();
// The font narrowed, where it runs wider than the designed Tahoma, until every designed
// caption fits its label again.
QFont FittedToDesign(QFont font);
// The switch to Segoe UI (see ApplyVistaFont), narrowed so that nothing is clipped.
void SwitchToVistaFont(QWidget* window, const QStringList& installedFamilies);
