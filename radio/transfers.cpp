#include "radio/transfers.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "radio/codecs.h"
#include "radio/hz_text.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"

namespace {

constexpr int kBaudRate = 9600;
constexpr int kDataBits = 8;
constexpr char kParity = 'N';
constexpr int kStopBits = 2;

const char* const kRadioLostLine =
    "Lost the connection to the radio. Check the cable and the radio, then try again.";
const char* const kLineNeverQuietLine =
    "The line from the radio never falls quiet. Check the cable and the port, then try again.";

// For the length of a transfer the window goes on handling its events while the dialogue
// waits for the radio, not only between blocks: a click or a repaint never waits longer
// than one reply takes on the line.
class ProcessMessagesWhileWaiting {
 public:
  ProcessMessagesWhileWaiting(RadioWindow& window, TBlockSerial& serial) : serial_(serial) {
    serial_.SetWaitHandler([&window] { window.ProcessMessages(); });
  }
  ~ProcessMessagesWhileWaiting() { serial_.SetWaitHandler(nullptr); }
  ProcessMessagesWhileWaiting(const ProcessMessagesWhileWaiting&) = delete;
  ProcessMessagesWhileWaiting& operator=(const ProcessMessagesWhileWaiting&) = delete;

 private:
  TBlockSerial& serial_;
};

void OpenAndConfigure(TBlockSerial& serial, const std::string& portName) {
  serial.OpenPort(portName);
  serial.ConfigureLine(kBaudRate, kDataBits, kParity, kStopBits, false, false);
}

// The failure line of a handshake cannot tell a port that never opened from a silent
// radio, so the system's own reason follows it.
void LogPortProblems(RadioWindow& window, const TBlockSerial& serial) {
  if (!serial.IsOpen()) {
    std::string line = "Could not open " + serial.DeviceName() + ": " + serial.OpenError().Text();
    if (serial.OpenError().kind == SerialError::AccessDenied) {
      line +=
          ". Your user needs access to serial devices (on Debian: membership of the group "
          "dialout).";
    }
    window.AppendLog(line);
  } else if (serial.LineLost()) {
    window.AppendLog(kRadioLostLine);
  }
}

// Once the radio is gone every further exchange would be empty: stop instead of
// logging a failure for each block, and never end with "Done!".
bool RadioStillThere(RadioWindow& window, const TBlockSerial& serial) {
  if (!serial.LineLost()) {
    return true;
  }
  window.AppendLog(kRadioLostLine);
  return false;
}

// A reply that did not fit its command may have been paused or late, and the rest of it
// would lead the next reply: a 16-byte tail and the next header make a whole record of
// the wrong channel. Discard what still comes before going on. False when the dialogue
// cannot go on.
bool BackInStep(RadioWindow& window, TBlockSerial& serial) {
  if (CollectUntilQuiet(serial, kResyncQuietMs).cutOff) {
    window.AppendLog(kLineNeverQuietLine);
    return false;
  }
  return RadioStillThere(window, serial);
}

std::string ReadHandshakeFailureLine(const HandshakeOutcome& outcome) {
  switch (outcome.kind) {
    case HandshakeOutcome::RadioNotConnected:
      return "Radio not connected or turned on. Cable needs to be connected and radio turned on.";
    case HandshakeOutcome::NoResponse:
      return "No response from serial port. Check you are using the right port.";
    default:
      return "Unknown response from radio: " + HexDump(outcome.reply);
  }
}

// Normal mode shows a frequency outside the eight PMR446 channels as "Not in use" and a
// write from there clears it: the user must hear of it before that happens.
void WarnOfHiddenFrequencies(RadioWindow& window, int n, const ChannelRow& row) {
  std::vector<std::string> hidden;
  if (row.rxChannelIndex == 0 && !row.rxHzText.empty()) {
    hidden.push_back(MegahertzText(row.rxHzText) + " MHz RX");
  }
  if (row.txChannelIndex == 0 && !row.txHzText.empty()) {
    hidden.push_back(MegahertzText(row.txHzText) + " MHz TX");
  }
  if (hidden.empty()) {
    return;
  }
  const std::string held = hidden.size() == 1 ? hidden[0] : hidden[0] + " and " + hidden[1];
  window.AppendLog("[!] Ch " + std::to_string(n) + " holds " + held +
                   ", which normal mode cannot show. Writing from normal mode will clear it; "
                   "advanced mode keeps it.");
}

// "4", "4 and 9", "4, 7 and 9".
std::string JoinedNumbers(const std::vector<int>& numbers) {
  std::string joined;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) {
      joined += i + 1 == numbers.size() ? " and " : ", ";
    }
    joined += std::to_string(numbers[i]);
  }
  return joined;
}

// What a read could not fill; the window keeps its earlier values there.
struct ReadGaps {
  std::vector<int> channels;
  bool settings = false;
};

std::string ReadOutcomeLine(const ReadGaps& gaps) {
  if (gaps.channels.empty() && !gaps.settings) {
    return "Done!";
  }
  std::string what;
  if (!gaps.channels.empty()) {
    what = (gaps.channels.size() == 1 ? "channel " : "channels ") + JoinedNumbers(gaps.channels);
  }
  if (gaps.settings) {
    what += what.empty() ? "the settings" : " and the settings";
  }
  const bool one = gaps.channels.size() == 1 && !gaps.settings;
  return "Finished with errors: " + what + " could not be read; " +
         (one ? "it keeps its" : "they keep their") + " earlier values.";
}

std::string WriteOutcomeLine(int unacknowledged) {
  if (unacknowledged == 0) {
    return "Done!";
  }
  return "Finished with errors: " + std::to_string(unacknowledged) +
         (unacknowledged == 1 ? " write was" : " writes were") +
         " not acknowledged; the radio may now hold a mix of old and new channels. Write again.";
}

// Every Hz box is checked before the first byte goes out: a box the codec would turn
// into some other frequency stops the whole write. False when something is wrong.
bool HzBoxesWritable(RadioWindow& window) {
  std::optional<std::pair<int, Direction>> firstBad;
  std::vector<std::string> lines;
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow row = window.Channel(n);
    for (const auto& [direction, text] :
         {std::pair{Direction::Rx, row.rxHzText}, std::pair{Direction::Tx, row.txHzText}}) {
      if (IsWritableHzText(text)) {
        continue;
      }
      if (!firstBad) {
        firstBad = {n, direction};
      }
      lines.push_back("[!] Ch " + std::to_string(n) + " " +
                      (direction == Direction::Rx ? "RX" : "TX") + " \"" + text +
                      "\" is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing "
                      "was written.");
    }
  }
  if (!firstBad) {
    return true;
  }
  window.ClearLog();
  for (const std::string& line : lines) {
    window.AppendLog(line);
  }
  window.FocusHzBox(firstBad->first, firstBad->second);
  return false;
}

// The row as the codecs take it: Hz texts without the spaces the boxes allow.
ChannelRow ChannelToWrite(const RadioWindow& window, int n) {
  ChannelRow row = window.Channel(n);
  row.rxHzText = TrimmedHzText(row.rxHzText);
  row.txHzText = TrimmedHzText(row.txHzText);
  return row;
}

bool ReadChannels(RadioWindow& window, TBlockSerial& serial, ReadGaps& gaps) {
  for (int n = 1; n <= kChannelCount; ++n) {
    window.SetChannelLabelRed(n, true);
    window.ProcessMessages();
    const Collected reply = BlockRead(serial, ChannelRecordAddress(0, n), kChannelRecordSize);
    // Bytes after the record are not examined (a radio may add some), unless they came
    // from a line that never falls quiet.
    const auto row = reply.cutOff ? std::nullopt : ChannelFromReply(reply.bytes);
    if (row) {
      window.ShowChannel(n, *row);
      if (!window.AdvancedMode()) {
        WarnOfHiddenFrequencies(window, n, *row);
      }
    } else if (!serial.LineLost()) {
      window.AppendLog("[!] Couldn't read channel " + std::to_string(n) + ".");
      gaps.channels.push_back(n);
    }
    window.SetChannelLabelRed(n, false);
    if (row || !serial.LineLost()) {
      window.MarkChannelUnread(n, !row);
    }
    if (!RadioStillThere(window, serial)) {
      return false;
    }
    Acknowledge(serial);
    if (!row && !BackInStep(window, serial)) {
      return false;
    }
    window.ProcessMessages();
  }
  return RadioStillThere(window, serial);
}

bool ReadSettings(RadioWindow& window, TBlockSerial& serial, ReadGaps& gaps) {
  window.AppendLog("Reading settings...");
  const Collected reply = BlockRead(serial, kSettingsAddress, kSettingsRecordSize);
  if (!RadioStillThere(window, serial)) {
    return false;
  }
  const auto settings = reply.cutOff ? std::nullopt : SettingsFromReply(reply.bytes);
  if (settings) {
    window.ShowSettings(*settings);
  } else {
    window.AppendLog("[!] Couldn't read settings.");
    gaps.settings = true;
  }
  Acknowledge(serial);
  return RadioStillThere(window, serial);
}

// A write whose reply is not examined: nothing is logged for it, but a reply that is
// neither 06 nor silence may be a babbling line or a late answer, so the line must settle
// before the next block. False when the write cannot go on.
bool WriteUnchecked(RadioWindow& window, TBlockSerial& serial, std::uint16_t address,
                    const ByteString& data) {
  const ByteString reply = BlockWrite(serial, address, data);
  if (!RadioStillThere(window, serial)) {
    return false;
  }
  return reply.empty() || IsWriteAcknowledged(reply) || BackInStep(window, serial);
}

bool WriteChannelZeroSlot(RadioWindow& window, TBlockSerial& serial, int bank) {
  const std::uint16_t address = ChannelRecordAddress(bank, 0);
  return WriteUnchecked(window, serial, address, kChannelZeroSlotHalf) &&
         WriteUnchecked(window, serial, address + kRecordHalfSize, kChannelZeroSlotHalf);
}

// Bank 0 replies are checked: an unacknowledged half is logged and the write goes on.
// False when the write cannot go on.
bool WriteCheckedHalf(RadioWindow& window, TBlockSerial& serial, int n, const char* half,
                      std::uint16_t address, const ByteString& data, int& unacknowledged) {
  const ByteString reply = BlockWrite(serial, address, data);
  if (!RadioStillThere(window, serial)) {
    return false;
  }
  if (IsWriteAcknowledged(reply)) {
    return true;
  }
  ++unacknowledged;
  window.AppendLog(" Ch " + std::to_string(n) + " " + half +
                   " failed, unknown response from radio: " + HexDump(reply));
  // A late 06 must not pass for the acknowledgement of the next half.
  return BackInStep(window, serial);
}

bool WriteBank0(RadioWindow& window, TBlockSerial& serial, int& unacknowledged) {
  if (!WriteChannelZeroSlot(window, serial, 0)) {
    return false;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    window.SetChannelLabelRed(n, true);
    window.ProcessMessages();
    const ChannelRow row = ChannelToWrite(window, n);
    const std::uint16_t address = ChannelRecordAddress(0, n);
    const bool written =
        WriteCheckedHalf(window, serial, n, "frequency", address,
                         FrequencyHalf(row, window.AdvancedMode()), unacknowledged) &&
        WriteCheckedHalf(window, serial, n, "QT/DQT", address + kRecordHalfSize, ToneHalf(row),
                         unacknowledged);
    window.SetChannelLabelRed(n, false);
    window.ProcessMessages();
    if (!written) {
      return false;
    }
  }
  return true;
}

bool WriteBank1(RadioWindow& window, TBlockSerial& serial) {
  if (!WriteChannelZeroSlot(window, serial, 1)) {
    return false;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow row = ChannelToWrite(window, n);
    const std::uint16_t address = ChannelRecordAddress(1, n);
    const bool written =
        WriteUnchecked(window, serial, address, FrequencyHalf(row, window.AdvancedMode())) &&
        WriteUnchecked(window, serial, address + kRecordHalfSize, ToneHalf(row));
    window.ProcessMessages();
    if (!written) {
      return false;
    }
  }
  return true;
}

bool WriteToneIndexTables(RadioWindow& window, TBlockSerial& serial) {
  window.AppendLog("Writing DT/QDT settings...");
  std::array<int, kChannelCount> rxTones{};
  std::array<int, kChannelCount> txTones{};
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow row = window.Channel(n);
    rxTones[n - 1] = row.rxToneIndex;
    txTones[n - 1] = row.txToneIndex;
  }
  for (const MemoryBlock& block : ToneIndexTableBlocks(rxTones, txTones)) {
    if (!WriteUnchecked(window, serial, block.address, block.data)) {
      return false;
    }
  }
  return true;
}

bool WriteSettings(RadioWindow& window, TBlockSerial& serial) {
  window.AppendLog("Writing settings...");
  return WriteUnchecked(window, serial, kSettingsAddress, SettingsRecord(window.Settings()));
}

}  // namespace

void ReadFromRadio(RadioWindow& window, TBlockSerial& serial) {
  window.SetControlsEnabled(false);
  const ProcessMessagesWhileWaiting responsive(window, serial);
  window.ClearLog();
  OpenAndConfigure(serial, window.SelectedPortName());
  window.ProcessMessages();
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  if (outcome.kind != HandshakeOutcome::Identified) {
    window.AppendLog(ReadHandshakeFailureLine(outcome));
    LogPortProblems(window, serial);
  } else {
    window.AppendLog("Supported HT-446" + outcome.ModelVariant +
                     " radio detected. Reading will take few seconds, please wait...");
    window.AppendLog("Reading channels...");
    ReadGaps gaps;
    if (ReadChannels(window, serial, gaps) && ReadSettings(window, serial, gaps)) {
      window.AppendLog(ReadOutcomeLine(gaps));
    }
  }
  serial.PurgeBuffers();
  serial.ClosePort();
  window.SetControlsEnabled(true);
}

void WriteToRadio(RadioWindow& window, TBlockSerial& serial) {
  if (window.AdvancedMode() && !HzBoxesWritable(window)) {
    return;
  }
  window.SetControlsEnabled(false);
  const ProcessMessagesWhileWaiting responsive(window, serial);
  window.ClearLog();
  OpenAndConfigure(serial, window.SelectedPortName());
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  if (outcome.kind != HandshakeOutcome::Identified) {
    window.AppendLog("Unknown response from radio: " + HexDump(outcome.reply));
    LogPortProblems(window, serial);
  } else {
    window.AppendLog("Supported HT-446" + outcome.ModelVariant +
                     " radio detected, continuing. This takes few seconds.");
    window.AppendLog("Writing channels...");
    int unacknowledged = 0;
    if (WriteBank0(window, serial, unacknowledged) && WriteBank1(window, serial) &&
        WriteToneIndexTables(window, serial) && WriteSettings(window, serial)) {
      window.AppendLog(WriteOutcomeLine(unacknowledged));
    }
  }
  serial.ClosePort();
  window.SetControlsEnabled(true);
}
