#pragma once

#include <QDate>
#include <QString>

#include "radio/channel_plan.h"

// Writes a plan's channel card to `pdfPath` as one A4 page: the 15 channels with their
// frequencies, tones and flags, the settings when the plan holds them, the date, the plan's
// file name unless it is empty (shown as given), and a small copy of the channel table to
// cut out and keep with the radio. The file is replaced in one step. Returns what to tell
// the user when it cannot be written, in which case an earlier file stays as it was; empty
// when it is written.
QString WriteChannelCard(const QString& pdfPath, const ChannelPlan& plan,
                         const QString& planFileName, const QDate& date);
