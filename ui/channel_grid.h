#pragma once

class QLineEdit;
class QString;
class QWidget;

// Builds the 15 rows of the channel grid on the Channels page. Every control is named by
// the composed-name scheme and is found again by that name, never kept.
void BuildChannelGrid(QWidget* window, QWidget* page);

// Replaces the two frequency lists of every row by Hz edit boxes at their place, holding
// the Hz text of the channel each list had selected. The boxes come after every other grid
// control in the tab order.
void ReplaceFrequencyListsByHzEdits(QWidget* window, QWidget* page);

// Puts a text in a Hz edit box. Typing stops at nine characters, but a longer text the
// program places there (from a file) is shown whole rather than cut.
void SetHzText(QLineEdit* edit, const QString& text);
