#include "files/backup_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <vector>

#include "files/whole_file.h"
#include "radio/hex_text.h"
#include "radio/variants.h"

namespace {

// Format 2 is written only for a radio that does not let some areas be read: it names them
// and holds the rest, so every backup of a radio that lets everything be read stays format 1.
constexpr char kFirstLine[] = "Vexalon radio backup, format 1";
constexpr char kFirstLineWithoutAreas[] = "Vexalon radio backup, format 2";
constexpr char kFirstLinePrefix[] = "Vexalon radio backup, format ";
constexpr char kNotReadableKey[] = "Not readable: ";
constexpr char kVariantKey[] = "Variant: ";
constexpr char kTakenKey[] = "Taken: ";
constexpr char kChecksumKey[] = "Checksum: CRC-32 ";
// A backup is a few kilobytes; this is far beyond any.
constexpr std::size_t kMostLines = 1000;

// CRC-32 as zip and PNG have it. Table-free: a backup is a few kilobytes, and one checksum
// does not warrant a library in both builds.
std::uint32_t Crc32(const std::string& text) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : text) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return ~crc;
}

std::string BlockLine(std::uint16_t address, const ByteString& bytes) {
  const std::string start = HexDigits(address, 4) + ":";
  return bytes.empty() ? start : start + " " + HexBytes(bytes, " ");
}

// An area by the addresses it spans, "0100-01FF".
std::string AreaSpan(MemoryArea area) {
  const std::vector<MemoryRead> reads = AreaReads(area);
  return HexDigits(reads.front().address, 4) + "-" +
         HexDigits(reads.back().address + reads.back().count - 1, 4);
}

std::string NotReadableLine(const std::vector<MemoryArea>& areas) {
  std::string line = kNotReadableKey;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    line += (i == 0 ? "" : " ") + AreaSpan(areas[i]);
  }
  return line;
}

// The areas the line names, each one a write makes from the rest, in their order; nothing
// for any other line.
std::optional<std::vector<MemoryArea>> ParseNotReadable(const std::string& line) {
  std::vector<MemoryArea> areas;
  for (const MemoryArea area : kMemoryAreas) {
    if (MadeFromTheRest(area) && line.find(AreaSpan(area)) != std::string::npos) {
      areas.push_back(area);
    }
  }
  if (areas.empty() || line != NotReadableLine(areas)) {
    return std::nullopt;
  }
  return areas;
}

std::string ChecksumLine(const std::string& text) {
  return kChecksumKey + HexDigits(Crc32(text), 8);
}

std::tm LocalTime(std::time_t time) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &time);
#else
  localtime_r(&time, &local);
#endif
  return local;
}

std::optional<std::chrono::system_clock::time_point> ParseTime(const std::string& text) {
  std::tm local{};
  char rest = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &local.tm_year, &local.tm_mon,
                  &local.tm_mday, &local.tm_hour, &local.tm_min, &local.tm_sec, &rest) != 6) {
    return std::nullopt;
  }
  local.tm_year -= 1900;
  local.tm_mon -= 1;
  local.tm_isdst = -1;
  const std::time_t time = std::mktime(&local);
  if (time == -1) {
    return std::nullopt;
  }
  return std::chrono::system_clock::from_time_t(time);
}

// Lines without their ends, CR LF as well as LF, so that an editor that changed the line
// ends has not changed the backup.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  std::string line;
  while (lines.size() <= kMostLines && std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return lines;
}

std::optional<ByteString> ParseBytes(const std::string& text, std::size_t count) {
  ByteString bytes;
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned value = 0;
    int used = 0;
    if (at + 3 > text.size() || text[at] != ' ' ||
        std::sscanf(text.c_str() + at + 1, "%2X%n", &value, &used) != 1 || used != 2) {
      return std::nullopt;
    }
    bytes.push_back(static_cast<std::uint8_t>(value));
    at += 3;
  }
  return at == text.size() ? std::optional(bytes) : std::nullopt;
}

LogLine Refusal(const char* format, const std::string& fileName) {
  return {format, {Literal(fileName)}, false};
}

}  // namespace

std::string BackupTimeText(std::chrono::system_clock::time_point time) {
  const std::tm local = LocalTime(std::chrono::system_clock::to_time_t(time));
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::string BackupFileText(const RadioBackup& backup) {
  std::string text =
      std::string(backup.unreadable.empty() ? kFirstLine : kFirstLineWithoutAreas) + "\n";
  text += kVariantKey + backup.variant + "\n";
  text += kTakenKey + BackupTimeText(backup.taken) + "\n";
  if (!backup.unreadable.empty()) {
    text += NotReadableLine(backup.unreadable) + "\n";
  }
  for (std::size_t i = 0; i < backup.blocks.size(); ++i) {
    ByteString bytes = backup.blocks[i].data;
    // A record's two halves share a line, as they were read.
    const bool pairs = i + 1 < backup.blocks.size() &&
                       backup.blocks[i + 1].address == backup.blocks[i].address + bytes.size() &&
                       backup.blocks[i].address % kChannelRecordSize == 0;
    if (pairs) {
      bytes.insert(bytes.end(), backup.blocks[i + 1].data.begin(), backup.blocks[i + 1].data.end());
    }
    text += BlockLine(backup.blocks[i].address, bytes) + "\n";
    i += pairs ? 1 : 0;
  }
  return text + ChecksumLine(text) + "\n";
}

BackupFileRead BackupFromText(const std::string& text, const std::string& fileName) {
  const std::vector<std::string> lines = Lines(text);
  if (lines.empty() || !lines[0].starts_with(kFirstLinePrefix)) {
    return {std::nullopt,
            Refusal(QT_TRANSLATE_NOOP("Vexalon", "%1 is not a Vexalon radio backup."), fileName)};
  }
  const bool withoutAreas = lines[0] == kFirstLineWithoutAreas;
  if (lines[0] != kFirstLine && !withoutAreas) {
    return {std::nullopt,
            Refusal(QT_TRANSLATE_NOOP(
                        "Vexalon",
                        "%1 was made by another version of Vexalon, in a backup format this one "
                        "does not know."),
                    fileName)};
  }
  std::string checked;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    checked += lines[i] + "\n";
  }
  if (lines.size() < 2 || lines.back() != ChecksumLine(checked)) {
    return {std::nullopt,
            Refusal(QT_TRANSLATE_NOOP(
                        "Vexalon",
                        "%1 is damaged or incomplete: its checksum does not match what it holds."),
                    fileName)};
  }
  const LogLine unreadable = Refusal(
      QT_TRANSLATE_NOOP(
          "Vexalon", "%1 is damaged: its checksum matches, but it does not hold a whole backup."),
      fileName);
  RadioBackup backup;
  std::size_t head = 3;
  if (withoutAreas) {
    const auto areas = lines.size() > head ? ParseNotReadable(lines[head]) : std::nullopt;
    if (!areas) {
      return {std::nullopt, unreadable};
    }
    backup.unreadable = *areas;
    ++head;
  }
  const std::vector<MemoryRead> reads = ReadsOutside(WrittenRegionReads(), backup.unreadable);
  if (lines.size() != head + reads.size() + 1 || !lines[1].starts_with(kVariantKey) ||
      !lines[2].starts_with(kTakenKey)) {
    return {std::nullopt, unreadable};
  }
  backup.variant = lines[1].substr(sizeof kVariantKey - 1);
  if (!IsKnownVariant(backup.variant)) {
    return {std::nullopt, unreadable};
  }
  const auto taken = ParseTime(lines[2].substr(sizeof kTakenKey - 1));
  if (!taken) {
    return {std::nullopt, unreadable};
  }
  backup.taken = *taken;
  for (std::size_t i = 0; i < reads.size(); ++i) {
    const std::string& line = lines[head + i];
    const std::string start = BlockLine(reads[i].address, {});
    const auto bytes = line.starts_with(start)
                           ? ParseBytes(line.substr(start.size()), reads[i].count)
                           : std::nullopt;
    if (!bytes) {
      return {std::nullopt, unreadable};
    }
    for (std::size_t at = 0; at < bytes->size(); at += kRecordHalfSize) {
      const auto begin = bytes->begin() + static_cast<std::ptrdiff_t>(at);
      backup.blocks.push_back({static_cast<std::uint16_t>(reads[i].address + at),
                               ByteString(begin, begin + kRecordHalfSize)});
    }
  }
  return {backup, std::nullopt};
}

BackupFileRead LoadBackupFile(const std::string& fileName) {
  const WholeFile file = ReadWholeFile(fileName);
  if (file.state != FileState::Read) {
    return {std::nullopt, Refusal(QT_TRANSLATE_NOOP("Vexalon", "Unable to read %1."), fileName)};
  }
  return BackupFromText(file.bytes, fileName);
}

std::optional<LogLine> BackupOutputRefusal(const std::string& fileName) {
  const WholeFile file = ReadWholeFile(fileName);
  if (file.state != FileState::Read || IsBlank(file.bytes) ||
      file.bytes.starts_with(kFirstLinePrefix)) {
    return std::nullopt;
  }
  return Refusal(
      QT_TRANSLATE_NOOP(
          "Vexalon", "%1 is not a Vexalon radio backup; it is not replaced. Choose another file."),
      fileName);
}
