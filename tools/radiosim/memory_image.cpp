#include "tools/radiosim/memory_image.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "radio/memory_map.h"

namespace {

// The demo radio: PMR446 channels 1..8 on rows 1..8, the other rows unused.
constexpr int kRowsInUse = 8;

std::runtime_error FileError(const std::string& what, const std::string& path) {
  return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

ByteString DefaultRadioMemory() {
  ByteString memory(kRadioMemorySize, 0xFF);
  const auto store = [&memory](std::size_t address, const ByteString& bytes) {
    std::copy(bytes.begin(), bytes.end(), memory.begin() + static_cast<std::ptrdiff_t>(address));
  };
  for (int bank = 0; bank < kBankCount; ++bank) {
    for (int n = 1; n <= kChannelCount; ++n) {
      ChannelRow row;
      row.rxChannelIndex = row.txChannelIndex = n <= kRowsInUse ? n : 0;
      const std::uint16_t address = ChannelRecordAddress(bank, n);
      store(address, FrequencyHalf(row, false));
      store(address + kRecordHalfSize, ToneHalf(row));
    }
  }
  RadioSettings factory;
  factory.beepTones = factory.batterySaving = factory.selfProgramming = true;
  factory.squelchLevel = 5;
  factory.monitorKey = 3;
  store(kSettingsAddress, SettingsRecord(factory));
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
