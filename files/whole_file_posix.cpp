#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/whole_file_system.h"

namespace {

namespace fs = std::filesystem;

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

namespace file_system {

FileState OpenForReading(const std::string& path, ReadHandle& file) {
  // O_NONBLOCK: opening a named pipe must not wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    return errno == ENOENT ? FileState::Missing : FileState::Unreadable;
  }
  file = fd;
  return FileState::Read;
}

std::optional<std::uint64_t> RegularFileSize(ReadHandle file) {
  struct stat info {};
  if (fstat(static_cast<int>(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(info.st_size);
}

long long ReadSome(ReadHandle file, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = read(static_cast<int>(file), buffer, size);
    if (got >= 0 || errno != EINTR) {
      return got;
    }
  }
}

void CloseForReading(ReadHandle file) {
  close(static_cast<int>(file));
}

std::optional<ReplacementTarget> CheckTarget(const fs::path& target) {
  ReplacementTarget checked{target.string()};
  struct stat info {};
  if (stat(target.c_str(), &info) == 0) {
    // Root may write any file, but a file without write permission is one the user
    // marked read-only, and replacing it would defeat that.
    if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0) {
      return std::nullopt;
    }
    checked.exists = true;
    checked.attributes = info.st_mode & 07777;
  } else if (errno != ENOENT) {
    return std::nullopt;
  }
  return checked;
}

unsigned long ProcessId() {
  return static_cast<unsigned long>(getpid());
}

int CreateNew(const fs::path& path) {
  // 0666 lets the umask decide a new file's permissions, as for any file the user creates.
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

long long WriteSome(int fd, const char* data, std::size_t size) {
  for (;;) {
    const ssize_t written = write(fd, data, size);
    if (written >= 0 || errno != EINTR) {
      return written;
    }
  }
}

bool Persist(int fd, const ReplacementTarget& target) {
  return (!target.exists || fchmod(fd, static_cast<mode_t>(target.attributes)) == 0) &&
         fsync(fd) == 0;
}

bool CloseTemp(int fd) {
  return close(fd) == 0;
}

bool MoveOver(const fs::path& temp, const ReplacementTarget& target) {
  if (rename(temp.c_str(), target.path.c_str()) != 0) {
    return false;
  }
  SyncFolder(target.path);
  return true;
}

}  // namespace file_system
