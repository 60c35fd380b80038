#pragma once

#include <QStringList>
#include <optional>

class QWidget;

// Windows Vista or later, asked anew at every call. No other system has such a version:
// there the answer is false, unless a test forces one.
bool IsVistaOrLater();
void ForceVistaOrLaterForTesting(std::optional<bool> answer);

// From Vista on (on other systems: while the window uses the designed Tahoma) the window
// switches to "Segoe UI", one point larger, when that font is installed and the window does
// not use it already. The log pane keeps its own font.
void ApplyVistaFont(QWidget* window);
void ApplyVistaFont(QWidget* window, const QStringList& installedFamilies);
