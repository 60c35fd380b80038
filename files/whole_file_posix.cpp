#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "files/link_target.h"
#include "files/whole_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTempNameAttempts = 100;

bool WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// Without this a power cut after the rename may bring back the old directory entry.
void SyncFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
  WholeFile file;
  // O_NONBLOCK: opening a named pipe must not wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    file.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    return file;
  }
  file.state = FileState::Unreadable;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<std::size_t>(info.st_size) <= kMaxWholeFileBytes) {
    file.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[64 * 1024];
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) {
        continue;
      }
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
  close(fd);
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
  if (path_.empty() || path_.back() == '/') {
    return false;
  }
  const std::optional<fs::path> target = ResolveLinks(path_);
  if (!target) {
    return false;
  }
  struct stat info {};
  if (stat(target->c_str(), &info) == 0) {
    // Root may write any file, but a file without write permission is one the user
    // marked read-only, and replacing it would defeat that.
    if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0 ||
        access(target->c_str(), W_OK) != 0) {
      return false;
    }
    targetExists_ = true;
    targetMode_ = info.st_mode & 07777;
  } else if (errno == ENOENT) {
    targetExists_ = false;
  } else {
    return false;
  }
  target_ = target->string();
  // Beside the target, so the rename stays within one file system and is atomic. The
  // name does not grow with the target's, which may already be as long as names get.
  const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const fs::path temp =
        folder / (".vexalon-" + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp");
    // 0666 lets the umask decide a new file's permissions, as for any file the user creates.
    tempFd_ = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
  const bool written = WriteAll(tempFd_, content) &&
                       (!targetExists_ || fchmod(tempFd_, targetMode_) == 0) && fsync(tempFd_) == 0;
  const bool closed = close(tempFd_) == 0;
  tempFd_ = -1;
  if (!written || !closed || rename(tempPath_.c_str(), target_.c_str()) != 0) {
    Discard();
    return false;
  }
  tempPath_.clear();
  SyncFolder(target_);
  return true;
}

void FileReplacement::Discard() {
  if (tempFd_ >= 0) {
    close(tempFd_);
    tempFd_ = -1;
  }
  if (!tempPath_.empty()) {
    unlink(tempPath_.c_str());
    tempPath_.clear();
  }
}
