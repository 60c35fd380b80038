#include "tools/radiosim/memory_image.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "radio/tables.h"

namespace {

constexpr std::size_t kBankSize = 0x100;
constexpr std::size_t kRecordSize = 16;
constexpr int kChannelRows = 15;
constexpr int kRowsInUse = 8;
constexpr std::size_t kSettingsAddress = 0x3C0;

// Frequencies, no tones, shift and busy lockout off, the three constant bytes.
ByteString ChannelRecord(const ByteString& frequencyCode) {
  ByteString record = frequencyCode;
  record.insert(record.end(), frequencyCode.begin(), frequencyCode.end());
  record.insert(record.end(), {0x00, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x01, 0xFF});
  return record;
}

std::runtime_error FileError(const std::string& what, const std::string& path) {
  return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

ByteString DefaultRadioMemory() {
  ByteString memory(kRadioMemorySize, 0xFF);
  for (std::size_t bank = 0; bank < 2; ++bank) {
    for (int row = 1; row <= kChannelRows; ++row) {
      const ByteString record = ChannelRecord(ChannelCodes.at(row <= kRowsInUse ? row : 0));
      std::copy(record.begin(), record.end(),
                memory.begin() + bank * kBankSize + row * kRecordSize);
    }
  }
  const ByteString factorySettings = {0xFF, 0x05, 0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF};
  std::copy(factorySettings.begin(), factorySettings.end(), memory.begin() + kSettingsAddress);
  return memory;
}

ByteString LoadMemoryImage(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw FileError("cannot open", path);
  }
  ByteString image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (image.size() != kRadioMemorySize) {
    throw std::runtime_error(path + " holds " + std::to_string(image.size()) +
                             " bytes, not the radio's " + std::to_string(kRadioMemorySize));
  }
  return image;
}

void SaveMemoryImage(const std::string& path, const ByteString& memory) {
  // Written beside and renamed over the old image, so a failed save leaves that intact.
  const std::string partial = path + ".partial";
  std::ofstream file(partial, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(memory.data()),
             static_cast<std::streamsize>(memory.size()));
  file.close();
  if (!file || std::rename(partial.c_str(), path.c_str()) != 0) {
    const std::runtime_error error = FileError("cannot write", path);
    std::remove(partial.c_str());
    throw error;
  }
}
