// Any bytes as a plan file: reading never fails, keys written to it read back as written
// after the commit, and every key not written reads as before.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "files/ini_file.h"
#include "fuzz/require.h"

namespace {

namespace fs = std::filesystem;

// Names differ in case only to check that they meet the same key.
constexpr std::array<const char*, 6> kSections = {"General", "general",       "Ch1",
                                                  "CH1",     "OtherSettings", "S"};
constexpr std::array<const char*, 5> kKeys = {"FreqRX", "freqrx", "AdvancedMode", "Shift", "k"};

using Name = std::pair<std::string, std::string>;

Name Lowered(const std::string& section, const std::string& key) {
  Name name{section, key};
  for (std::string* part : {&name.first, &name.second}) {
    for (char& c : *part) {
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return name;
}

// The plan file, in a folder of its own that goes when the fuzzer exits; on a tmpfs when
// there is one, since every commit syncs and a disk would make that slow.
class ScratchPlan {
 public:
  ScratchPlan() {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    folder_ = base / ("vexalon-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  ~ScratchPlan() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string Path() const { return (folder_ / "plan.ini").string(); }

 private:
  fs::path folder_;
};

// A value as a plan file holds it: a number or a Hz-like text without blanks or quotes,
// which read back unchanged.
std::string PlainValue(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) {
    return std::to_string(input.ConsumeIntegral<int>());
  }
  std::string text = input.ConsumeRandomLengthString(64);
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!std::isalnum(byte) && c != '.' && c != ',' && c != '-') {
      c = 'x';
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  struct Write {
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Write> writes(input.ConsumeIntegralInRange<std::size_t>(0, 8));
  for (Write& write : writes) {
    write.section = input.PickValueInArray(kSections);
    write.key = input.PickValueInArray(kKeys);
    write.value = PlainValue(input);
  }
  const std::string content = input.ConsumeRemainingBytesAsString();
  static const ScratchPlan scratch;
  const std::string path = scratch.Path();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;

  IniFile ini(path);
  Require(ini.WasRead(), "a regular file is read");
  std::map<Name, std::string> before;
  for (const char* section : kSections) {
    for (const char* key : kKeys) {
      before[Lowered(section, key)] = ini.ReadString(section, key, "\x01missing");
      ini.ReadInteger(section, key, 0);
    }
  }
  std::map<Name, std::string> written;
  for (const Write& write : writes) {
    ini.WriteString(write.section, write.key, write.value);
    written[Lowered(write.section, write.key)] = write.value;
    Require(ini.ReadString(write.section, write.key, "\x01missing") == write.value,
            "a written key reads back before the commit");
  }
  ini.Commit();

  const IniFile reread(path);
  for (const auto& [name, value] : before) {
    const auto write = written.find(name);
    const std::string expected = write != written.end() ? write->second : value;
    Require(reread.ReadString(name.first, name.second, "\x01missing") == expected,
            "after the commit each key reads as written, or as before");
  }
  return 0;
}
