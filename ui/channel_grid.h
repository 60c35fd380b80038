#pragma once

class QWidget;

// Builds the 15 rows of the channel grid on the Channels page. Every control is named by
// the composed-name scheme and is found again by that name, never kept.
void BuildChannelGrid(QWidget* window, QWidget* page);

// Replaces the two frequency lists of every row by Hz edit boxes at their place, holding
// the Hz text of the channel each list had selected. The boxes come after every other grid
// control in the tab order.
void ReplaceFrequencyListsByHzEdits(QWidget* window, QWidget* page);
