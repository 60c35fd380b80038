#include "radio/transfers.h"

#include <array>
#include <optional>
#include <string>

#include "radio/codecs.h"
#include "radio/grid_names.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"

namespace {

constexpr int kBaudRate = 9600;
constexpr int kDataBits = 8;
constexpr char kParity = 'N';
constexpr int kStopBits = 2;

const char* const kMonitorKeyList = "cb_monitor";
const char* const kSquelchSlider = "squelch_level";
const char* const kBeepTonesBox = "cb_beeptones";
const char* const kBatterySavingBox = "cb_batterysaving";
const char* const kSelfProgrammingBox = "cb_selfprog";
const char* const kTotList = "cb_tot";
const char* const kTotRekeyList = "cb_tot_rekey";
const char* const kTotResetList = "cb_tot_reset";

const char* const kRadioLostLine =
    "Lost the connection to the radio. Check the cable and the radio, then try again.";
const char* const kLineNeverQuietLine =
    "The line from the radio never falls quiet. Check the cable and the port, then try again.";

std::string Name(GridRole role, int channel, const WindowControls& window) {
  return GridControlName(role, channel, window.AdvancedMode());
}

// For the length of a transfer the window goes on handling its events while the dialogue
// waits for the radio, not only between blocks: a click or a repaint never waits longer
// than one reply takes on the line.
class ProcessMessagesWhileWaiting {
 public:
  ProcessMessagesWhileWaiting(WindowControls& window, TBlockSerial& serial) : serial_(serial) {
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
void LogPortProblems(WindowControls& window, const TBlockSerial& serial) {
  if (!serial.IsOpen()) {
    std::string line = "Could not open " + serial.DeviceName() + ": " + serial.OpenFailureReason();
    if (serial.OpenFailedForPermission()) {
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
bool RadioStillThere(WindowControls& window, const TBlockSerial& serial) {
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
bool BackInStep(WindowControls& window, TBlockSerial& serial) {
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

// A reply longer than one record holds bytes of another exchange (a late reply
// arriving with this one): decoding it would put one channel's data into another row.
template <typename Decoded, typename Decoder>
std::optional<Decoded> DecodeWholeReply(const ByteString& reply, std::size_t recordSize,
                                        Decoder decode) {
  if (reply.size() > kReadReplyHeaderSize + recordSize) {
    return std::nullopt;
  }
  return decode(reply);
}

void ShowChannel(WindowControls& window, int n, const ChannelRow& row) {
  const bool advanced = window.AdvancedMode();
  if (advanced) {
    window.SetEditText(Name(GridRole::FreqRx, n, window), row.rxHzText);
  } else {
    window.SelectListIndex(Name(GridRole::FreqRx, n, window), row.rxChannelIndex);
  }
  window.SelectListIndex(Name(GridRole::CtcssRx, n, window), row.rxToneIndex);
  if (advanced) {
    window.SetEditText(Name(GridRole::FreqTx, n, window), row.txHzText);
  } else {
    window.SelectListIndex(Name(GridRole::FreqTx, n, window), row.txChannelIndex);
  }
  window.SelectListIndex(Name(GridRole::CtcssTx, n, window), row.txToneIndex);
  window.SetChecked(Name(GridRole::Shift, n, window), row.shift);
  window.SetChecked(Name(GridRole::Lockout, n, window), row.lockout);
}

ChannelRow ChannelFromWindow(const WindowControls& window, int n) {
  ChannelRow row;
  if (window.AdvancedMode()) {
    row.rxHzText = window.EditText(Name(GridRole::FreqRx, n, window));
    row.txHzText = window.EditText(Name(GridRole::FreqTx, n, window));
  } else {
    row.rxChannelIndex = window.ListIndex(Name(GridRole::FreqRx, n, window));
    row.txChannelIndex = window.ListIndex(Name(GridRole::FreqTx, n, window));
  }
  row.rxToneIndex = window.ListIndex(Name(GridRole::CtcssRx, n, window));
  row.txToneIndex = window.ListIndex(Name(GridRole::CtcssTx, n, window));
  row.shift = window.IsChecked(Name(GridRole::Shift, n, window));
  row.lockout = window.IsChecked(Name(GridRole::Lockout, n, window));
  return row;
}

void ShowSettings(WindowControls& window, const RadioSettings& settings) {
  window.SelectListIndex(kMonitorKeyList, settings.monitorKey);
  window.SelectListIndex(kTotList, settings.tot);
  window.SelectListIndex(kTotRekeyList, settings.totRekey);
  window.SelectListIndex(kTotResetList, settings.totReset);
  window.SetSliderPosition(kSquelchSlider, settings.squelchLevel);
  window.SetChecked(kBeepTonesBox, settings.beepTones);
  window.SetChecked(kBatterySavingBox, settings.batterySaving);
  window.SetChecked(kSelfProgrammingBox, settings.selfProgramming);
}

RadioSettings SettingsFromWindow(const WindowControls& window) {
  RadioSettings settings;
  settings.beepTones = window.IsChecked(kBeepTonesBox);
  settings.batterySaving = window.IsChecked(kBatterySavingBox);
  settings.selfProgramming = window.IsChecked(kSelfProgrammingBox);
  settings.squelchLevel = window.SliderPosition(kSquelchSlider);
  settings.monitorKey = window.ListIndex(kMonitorKeyList);
  settings.tot = window.ListIndex(kTotList);
  settings.totRekey = window.ListIndex(kTotRekeyList);
  settings.totReset = window.ListIndex(kTotResetList);
  return settings;
}

bool ReadChannels(WindowControls& window, TBlockSerial& serial) {
  for (int n = 1; n <= kChannelCount; ++n) {
    window.SetChannelLabelRed(n, true);
    window.ProcessMessages();
    const ByteString reply = BlockRead(serial, ChannelRecordAddress(0, n), kChannelRecordSize);
    const auto row = DecodeWholeReply<ChannelRow>(reply, kChannelRecordSize, ChannelFromReply);
    if (row) {
      ShowChannel(window, n, *row);
    } else if (!serial.LineLost()) {
      window.AppendLog("[!] Couldn't read channel " + std::to_string(n) + ".");
    }
    window.SetChannelLabelRed(n, false);
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

bool ReadSettings(WindowControls& window, TBlockSerial& serial) {
  window.AppendLog("Reading settings...");
  const ByteString reply = BlockRead(serial, kSettingsAddress, kSettingsRecordSize);
  if (!RadioStillThere(window, serial)) {
    return false;
  }
  const auto settings =
      DecodeWholeReply<RadioSettings>(reply, kSettingsRecordSize, SettingsFromReply);
  if (settings) {
    ShowSettings(window, *settings);
  } else {
    window.AppendLog("[!] Couldn't read settings.");
  }
  Acknowledge(serial);
  return RadioStillThere(window, serial);
}

// A write whose reply is not examined: nothing is logged for it, but a reply that is
// neither 06 nor silence may be a babbling line or a late answer, so the line must settle
// before the next block. False when the write cannot go on.
bool WriteUnchecked(WindowControls& window, TBlockSerial& serial, std::uint16_t address,
                    const ByteString& data) {
  const ByteString reply = BlockWrite(serial, address, data);
  if (!RadioStillThere(window, serial)) {
    return false;
  }
  return reply.empty() || IsWriteAcknowledged(reply) || BackInStep(window, serial);
}

bool WriteChannelZeroSlot(WindowControls& window, TBlockSerial& serial, int bank) {
  const std::uint16_t address = ChannelRecordAddress(bank, 0);
  return WriteUnchecked(window, serial, address, kChannelZeroSlotHalf) &&
         WriteUnchecked(window, serial, address + kRecordHalfSize, kChannelZeroSlotHalf);
}

// Bank 0 replies are checked: an unacknowledged half is logged and the write goes on.
// False when the write cannot go on.
bool WriteCheckedHalf(WindowControls& window, TBlockSerial& serial, int n, const char* half,
                      std::uint16_t address, const ByteString& data) {
  const ByteString reply = BlockWrite(serial, address, data);
  if (!RadioStillThere(window, serial)) {
    return false;
  }
  if (IsWriteAcknowledged(reply)) {
    return true;
  }
  window.AppendLog(" Ch " + std::to_string(n) + " " + half +
                   " failed, unknown response from radio: " + HexDump(reply));
  // A late 06 must not pass for the acknowledgement of the next half.
  return BackInStep(window, serial);
}

bool WriteBank0(WindowControls& window, TBlockSerial& serial) {
  if (!WriteChannelZeroSlot(window, serial, 0)) {
    return false;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    window.SetChannelLabelRed(n, true);
    window.ProcessMessages();
    const ChannelRow row = ChannelFromWindow(window, n);
    const std::uint16_t address = ChannelRecordAddress(0, n);
    const bool written =
        WriteCheckedHalf(window, serial, n, "frequency", address,
                         FrequencyHalf(row, window.AdvancedMode())) &&
        WriteCheckedHalf(window, serial, n, "QT/DQT", address + kRecordHalfSize, ToneHalf(row));
    window.SetChannelLabelRed(n, false);
    window.ProcessMessages();
    if (!written) {
      return false;
    }
  }
  return true;
}

bool WriteBank1(WindowControls& window, TBlockSerial& serial) {
  if (!WriteChannelZeroSlot(window, serial, 1)) {
    return false;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow row = ChannelFromWindow(window, n);
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

bool WriteToneIndexTables(WindowControls& window, TBlockSerial& serial) {
  window.AppendLog("Writing DT/QDT settings...");
  std::array<int, kChannelCount> rxTones{};
  std::array<int, kChannelCount> txTones{};
  for (int n = 1; n <= kChannelCount; ++n) {
    rxTones[n - 1] = window.ListIndex(Name(GridRole::CtcssRx, n, window));
    txTones[n - 1] = window.ListIndex(Name(GridRole::CtcssTx, n, window));
  }
  for (const MemoryBlock& block : ToneIndexTableBlocks(rxTones, txTones)) {
    if (!WriteUnchecked(window, serial, block.address, block.data)) {
      return false;
    }
  }
  return true;
}

bool WriteSettings(WindowControls& window, TBlockSerial& serial) {
  window.AppendLog("Writing settings...");
  return WriteUnchecked(window, serial, kSettingsAddress,
                        SettingsRecord(SettingsFromWindow(window)));
}

}  // namespace

void ReadFromRadio(WindowControls& window, TBlockSerial& serial) {
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
    if (ReadChannels(window, serial) && ReadSettings(window, serial)) {
      window.AppendLog("Done!");
    }
  }
  serial.PurgeBuffers();
  serial.ClosePort();
  window.SetControlsEnabled(true);
}

void WriteToRadio(WindowControls& window, TBlockSerial& serial) {
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
    if (WriteBank0(window, serial) && WriteBank1(window, serial) &&
        WriteToneIndexTables(window, serial) && WriteSettings(window, serial)) {
      window.AppendLog("Done!");
    }
  }
  serial.ClosePort();
  window.SetControlsEnabled(true);
}
