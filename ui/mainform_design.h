#pragma once

class QWidget;

// Creates the window's designed controls, named, placed, captioned and set to their
// defaults: everything the window has before its creation handler runs.
void BuildDesignedControls(QWidget* window);
