#pragma once

#include <string>

class QComboBox;

// The user's regional decimal separator, as the list items show floating values.
std::string DecimalSeparator();

// Replace the items by the channel list ("Not in use", the eight PMR446 channels) or the
// tone list ("None", the QT tones, the DQT codes) and select item 0.
void FillChannelList(QComboBox* list);
void FillToneList(QComboBox* list);
