#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// The client area as designed, and the log pane in it, which alone grows with the window.
inline constexpr QSize kDesignedClientSize(704, 558);
inline constexpr QRect kDesignedLogPane(8, 472, 689, 81);

// Creates the window's designed controls, named, placed, captioned and set to their
// defaults: everything the window has before its creation handler runs.
void BuildDesignedControls(QWidget* window);
