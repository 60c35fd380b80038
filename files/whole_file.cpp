#include "files/whole_file.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include "files/link_target.h"
#include "files/whole_file_system.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTempNameAttempts = 100;
constexpr std::size_t kReadChunkBytes = 64 * 1024;

bool WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const long long written =
        file_system::WriteSome(fd, content.data() + done, content.size() - done);
    if (written <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

bool IsBlank(std::string_view bytes) {
  return bytes.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

WholeFile ReadWholeFile(const std::string& path) {
  WholeFile file;
  file_system::ReadHandle handle = -1;
  file.state = file_system::OpenForReading(path, handle);
  if (file.state != FileState::Read) {
    return file;
  }
  file.state = FileState::Unreadable;
  if (const auto size = file_system::RegularFileSize(handle); size && *size <= kMaxWholeFileBytes) {
    file.bytes.reserve(static_cast<std::size_t>(*size));
    char buffer[kReadChunkBytes];
    for (;;) {
      const long long got = file_system::ReadSome(handle, buffer, sizeof buffer);
      if (got == 0) {
        file.state = FileState::Read;
        break;
      }
      // The size is checked again here because the file may grow while we read it.
      if (got < 0 || file.bytes.size() + static_cast<std::size_t>(got) > kMaxWholeFileBytes) {
        break;
      }
      file.bytes.append(buffer, static_cast<std::size_t>(got));
    }
  }
  file_system::CloseForReading(handle);
  if (file.state != FileState::Read) {
    file.bytes.clear();
  }
  return file;
}

FileReplacement::FileReplacement(std::string path) : path_(std::move(path)) {}

FileReplacement::~FileReplacement() {
  Discard();
}

bool FileReplacement::Begin() {
  if (Begun()) {
    return true;
  }
  // A path that ends in a separator names a folder, never a plan file.
  if (!fs::path(path_).has_filename()) {
    return false;
  }
  const std::optional<fs::path> target = ResolveLinks(path_);
  if (!target) {
    return false;
  }
  std::optional<ReplacementTarget> checked = file_system::CheckTarget(*target);
  if (!checked) {
    return false;
  }
  target_ = std::move(*checked);
  // Beside the target, so the rename stays within one file system and is atomic. The
  // name does not grow with the target's, which may already be as long as names get.
  const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const fs::path temp = folder / (".vexalon-" + std::to_string(file_system::ProcessId()) + "-" +
                                    std::to_string(attempt) + ".tmp");
    tempFd_ = file_system::CreateNew(temp);
    if (tempFd_ >= 0) {
      tempPath_ = temp.string();
      return true;
    }
    if (errno != EEXIST) {
      break;
    }
  }
  return false;
}

bool FileReplacement::Commit(const std::string& content) {
  if (!Begun()) {
    return false;
  }
  const bool written = WriteAll(tempFd_, content) && file_system::Persist(tempFd_, target_);
  const bool closed = file_system::CloseTemp(tempFd_);
  tempFd_ = -1;
  if (!written || !closed || !file_system::MoveOver(tempPath_, target_)) {
    Discard();
    return false;
  }
  tempPath_.clear();
  return true;
}

void FileReplacement::Discard() {
  if (tempFd_ >= 0) {
    file_system::CloseTemp(tempFd_);
    tempFd_ = -1;
  }
  if (!tempPath_.empty()) {
    std::error_code ignored;
    fs::remove(tempPath_, ignored);
    tempPath_.clear();
  }
}

NewFile WriteNewFile(const std::string& path, const std::string& content) {
  const int claimed = file_system::CreateNew(path);
  if (claimed < 0) {
    return errno == EEXIST ? NewFile::NameTaken : NewFile::Failed;
  }
  file_system::CloseTemp(claimed);
  FileReplacement replacement(path);
  if (replacement.Begin() && replacement.Commit(content)) {
    return NewFile::Written;
  }
  std::error_code ignored;
  fs::remove(path, ignored);
  return NewFile::Failed;
}
