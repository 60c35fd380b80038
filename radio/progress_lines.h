#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio/byte_string.h"
#include "radio/channel_plan.h"
#include "radio/hz_text.h"
#include "radio/log_line.h"
#include "radio/transfers.h"

// The lines a transfer says while it runs, and the questions it asks, made in one place so
// that every front end says the same. How it ended is in radio/verdict_lines.h.

LogLine ReadDetectedLine(const std::string& variant);
LogLine ReadingChannelsLine();
LogLine ChannelNotReadLine(int channel);
LogLine ReadingSettingsLine();
LogLine SettingsNotReadLine();

// A list setting whose byte in the radio lies beyond its list.
enum class ListSetting { MonitorKey, Tot, TotRekey, TotReset };
LogLine SettingOutOfListLine(ListSetting setting, int value);

LogLine WriteDetectedLine(const std::string& variant);
// A check or a backup of a radio, which reads only.
LogLine CheckDetectedLine(const std::string& variant);
LogLine SafeWriteTimeLine(int seconds);
LogLine BackingUpLine();
LogLine BackupKeptLine(const std::string& fileName);
// Why a backup has no file: blocks it could not read, or a store that could not keep them.
// For a write the question whether to write all the same follows it.
LogLine NoBackupLine(const BackupResult& backup);
LogLine WriteWithoutBackupQuestion(const LogLine& why);
LogLine WritingChannelsLine();
LogLine HalfNotAcknowledgedLine(int channel, bool toneHalf, const ByteString& reply);
// After the blocks: the writes the radio did not acknowledge beside the bank 0 channel
// halves, which have lines of their own.
LogLine OtherWritesNotAcknowledgedLine(int count);
LogLine BlocksAlreadyHeldLine(int count);
LogLine PlanAlreadyHeldLine();
LogLine WritingToneTablesLine();
LogLine WritingSettingsLine();
LogLine VerifyingLine();
LogLine BlockNotReadBackLine(std::uint16_t address);

// Before a write of the window's start-up defaults, which nothing has replaced yet.
LogLine WriteStartupPlanQuestion();

// For a row read in normal mode: the frequencies the channel lists cannot show, which a
// write from normal mode would clear; nothing when the lists show the row whole.
std::optional<LogLine> HiddenFrequencyLine(int channel, const ChannelRow& row);
// The question before a write that would clear such frequencies on these channels, in
// ascending order; nothing when there are none.
std::optional<LogLine> HiddenFrequenciesQuestion(const std::vector<int>& channels);
// A Hz box that stops a write before anything is sent.
LogLine UnwritableHzTextLine(const UnwritableHzText& box);
