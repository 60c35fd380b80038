#include "radio/difference_lines.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "radio/codecs.h"
#include "radio/hex_text.h"
#include "radio/memory_areas.h"
#include "radio/memory_map.h"
#include "radio/mhz_text.h"
#include "radio/setting_texts.h"
#include "radio/tables.h"

namespace {

LogLine Hex(const ByteString& bytes) {
  return Literal(HexBytes(bytes, " "));
}

ByteString Field(const ByteString& half, std::size_t offset, std::size_t width) {
  if (half.size() < offset + width) {
    return {};
  }
  return ByteString(half.begin() + static_cast<std::ptrdiff_t>(offset),
                    half.begin() + static_cast<std::ptrdiff_t>(offset + width));
}

LogLine FrequencyText(const ByteString& code) {
  const std::string digits = DecodeFrequency(code);
  if (code.size() == kFrequencyCodeSize && digits.empty()) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "Not in use"));
  }
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); })) {
    return Hex(code);
  }
  return Literal(MhzText(std::stoll(digits), 5, ".") + " MHz");
}

LogLine ToneText(const ByteString& code) {
  const int index = FindToneCode(code);
  if (code == ToneCodes[0]) {
    return Line(QT_TRANSLATE_NOOP("Vexalon", "None"));
  }
  if (index == 0) {
    return Hex(code);
  }
  if (index < kFirstDqtIndex) {
    return Literal(FormatGeneral(ToneFrequencies.at(index - 1), ".") + " Hz");
  }
  return Literal(DqtNames.at(index - kFirstDqtIndex));
}

LogLine FlagText(const ByteString& flags, int position) {
  if (flags.size() != 1) {
    return Hex(flags);
  }
  // The channel flags are active low.
  return SettingValueLine(Setting::BeepTones, BitIsSet(flags[0], position) ? 0 : 1);
}

// "Channel 3: RX tone: the radio holds 71.9 Hz, the plan D243N."
LogLine FieldLine(const LogLine& where, const char* field, const LogLine& radio,
                  const LogLine& expected, ComparedWith with) {
  return with == ComparedWith::Plan
             ? Line(QT_TRANSLATE_NOOP("Vexalon", "[!] %1: %2: the radio holds %3, the plan %4."),
                    {where, Line(field), radio, expected})
             : Line(QT_TRANSLATE_NOOP("Vexalon", "[!] %1: %2: the radio holds %3, the backup %4."),
                    {where, Line(field), radio, expected});
}

// "In the first tone index table, the radio holds ..., the plan ...": bytes with no field.
LogLine BytesLine(const LogLine& where, const ByteString& radio, const ByteString& expected,
                  ComparedWith with) {
  return with == ComparedWith::Plan
             ? Line(QT_TRANSLATE_NOOP("Vexalon", "[!] In %1, the radio holds %2, the plan %3."),
                    {where, Hex(radio), Hex(expected)})
             : Line(QT_TRANSLATE_NOOP("Vexalon", "[!] In %1, the radio holds %2, the backup %3."),
                    {where, Hex(radio), Hex(expected)});
}

struct ChannelField {
  const char* name;
  std::size_t offset;  // in the record half
  std::size_t width;
  LogLine (*text)(const ByteString&);
};

constexpr std::size_t kToneHalf = kRecordHalfSize;
constexpr int kShiftPosition = 7;
constexpr int kLockoutPosition = 8;
// The bits of the flags byte that BitIsSet tests at those positions.
constexpr std::uint8_t kShiftAndLockoutBits = 0x80 >> (kShiftPosition - 1) |
                                              0x80 >> (kLockoutPosition - 1);
LogLine ShiftText(const ByteString& flags) {
  return FlagText(flags, kShiftPosition);
}
LogLine LockoutText(const ByteString& flags) {
  return FlagText(flags, kLockoutPosition);
}

const ChannelField kFrequencyFields[] = {
    {QT_TRANSLATE_NOOP("Vexalon", "RX frequency"), kRxFrequencyOffset, kFrequencyCodeSize,
     FrequencyText},
    {QT_TRANSLATE_NOOP("Vexalon", "TX frequency"), kTxFrequencyOffset, kFrequencyCodeSize,
     FrequencyText},
};
const ChannelField kToneFields[] = {
    {QT_TRANSLATE_NOOP("Vexalon", "RX tone"), kRxToneOffset - kToneHalf, kToneCodeSize, ToneText},
    {QT_TRANSLATE_NOOP("Vexalon", "TX tone"), kTxToneOffset - kToneHalf, kToneCodeSize, ToneText},
    {QT_TRANSLATE_NOOP("Vexalon", "Shift"), kChannelFlagsOffset - kToneHalf, 1, ShiftText},
    {QT_TRANSLATE_NOOP("Vexalon", "Lockout"), kChannelFlagsOffset - kToneHalf, 1, LockoutText},
};

void ChannelLines(const BlockPlace& place, const BlockDifference& difference, ComparedWith with,
                  std::vector<LogLine>& lines) {
  const LogLine where =
      place.bank == 0 ? Line(QT_TRANSLATE_NOOP("Vexalon", "Channel %1"), {Literal(place.channel)})
                      : Line(QT_TRANSLATE_NOOP("Vexalon", "Channel %1 (bank 1 copy)"),
                             {Literal(place.channel)});
  const auto compare = [&](const ChannelField& field) {
    const ByteString radio = Field(difference.readBack, field.offset, field.width);
    const ByteString expected = Field(difference.written, field.offset, field.width);
    if (radio != expected && field.text(radio) != field.text(expected)) {
      lines.push_back(FieldLine(where, field.name, field.text(radio), field.text(expected), with));
    }
  };
  if (!place.secondHalf) {
    std::for_each(std::begin(kFrequencyFields), std::end(kFrequencyFields), compare);
    return;
  }
  std::for_each(std::begin(kToneFields), std::end(kToneFields), compare);
  // The flags byte's other bits and the bytes after it carry no field of the plan.
  const std::size_t flags = kChannelFlagsOffset - kToneHalf;
  const auto rest = [flags](ByteString half) {
    half = Field(half, flags, kRecordHalfSize - flags);
    if (!half.empty()) {
      half[0] |= kShiftAndLockoutBits;
    }
    return half;
  };
  const ByteString radioRest = Field(difference.readBack, flags, kRecordHalfSize - flags);
  const ByteString expectedRest = Field(difference.written, flags, kRecordHalfSize - flags);
  if (rest(difference.readBack) != rest(difference.written)) {
    lines.push_back(FieldLine(where, QT_TRANSLATE_NOOP("Vexalon", "flags and closing bytes"),
                              Hex(radioRest), Hex(expectedRest), with));
  }
}

void SettingsLines(const BlockDifference& difference, ComparedWith with,
                   std::vector<LogLine>& lines) {
  for (const SettingTraits& traits : kSettingTraits) {
    const ByteString radio = Field(difference.readBack, traits.offset, 1);
    const ByteString expected = Field(difference.written, traits.offset, 1);
    if (radio.empty() || expected.empty()) {
      continue;
    }
    const auto value = [&traits](std::uint8_t byte) {
      return traits.kind == SettingKind::Switch ? (BitIsSet(byte, traits.bitPosition) ? 1 : 0)
                                                : static_cast<int>(byte);
    };
    const int held = value(radio[0]);
    const int planned = value(expected[0]);
    if (held == planned) {
      continue;
    }
    const auto text = [&](int v, std::uint8_t byte) {
      return v < traits.count ? SettingValueLine(traits.setting, v) : Hex({byte});
    };
    const LogLine caption = Line(traits.caption);
    lines.push_back(
        with == ComparedWith::Plan
            ? Line(QT_TRANSLATE_NOOP("Vexalon", "[!] %1 the radio holds %2, the plan %3."),
                   {caption, text(held, radio[0]), text(planned, expected[0])})
            : Line(QT_TRANSLATE_NOOP("Vexalon", "[!] %1 the radio holds %2, the backup %3."),
                   {caption, text(held, radio[0]), text(planned, expected[0])}));
  }
}

}  // namespace

std::vector<LogLine> DifferenceLines(const BlockDifference& difference, ComparedWith with) {
  std::vector<LogLine> lines;
  const BlockPlace place = PlaceOf(difference.address);
  switch (place.kind) {
    case BlockPlace::ChannelRecord:
      if (place.channel == 0) {
        lines.push_back(
            BytesLine(Line(QT_TRANSLATE_NOOP("Vexalon", "the channel 0 slot of bank %1"),
                           {Literal(place.bank)}),
                      difference.readBack, difference.written, with));
      } else {
        ChannelLines(place, difference, with, lines);
      }
      break;
    case BlockPlace::ToneIndexTable:
      lines.push_back(BytesLine(Line(AreaName(AreaOf(difference.address))), difference.readBack,
                                difference.written, with));
      break;
    case BlockPlace::Settings:
      SettingsLines(difference, with, lines);
      break;
    case BlockPlace::Other:
      break;
  }
  // Bytes that differ where no field of the plan lies (the settings record's unused bits).
  if (lines.empty()) {
    lines.push_back(BytesLine(Line(QT_TRANSLATE_NOOP("Vexalon", "the block at %1"),
                                   {Literal(HexAddress(difference.address))}),
                              difference.readBack, difference.written, with));
  }
  return lines;
}
