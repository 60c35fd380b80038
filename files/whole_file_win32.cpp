#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "files/link_target.h"
#include "files/whole_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTempNameAttempts = 100;
constexpr DWORD kReadChunkBytes = 64 * 1024;
// Attributes that make a path no plan file to replace: the user marked it read-only, or it
// is a folder or a device.
constexpr DWORD kNotReplaceable =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;

bool WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const std::size_t left = content.size() - done;
    const unsigned chunk = left > kReadChunkBytes ? kReadChunkBytes : static_cast<unsigned>(left);
    const int written = _write(fd, content.data() + done, chunk);
    if (written <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
  WholeFile file;
  // A folder cannot be opened this way, so it ends up Unreadable like any other non-file.
  const HANDLE handle =
      CreateFileW(fs::path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    file.state = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                     ? FileState::Missing
                     : FileState::Unreadable;
    return file;
  }
  file.state = FileState::Unreadable;
  LARGE_INTEGER size{};
  // Only a file on disk: a device (COM1, CON) or a pipe could block or never end.
  if (GetFileType(handle) == FILE_TYPE_DISK && GetFileSizeEx(handle, &size) &&
      static_cast<unsigned long long>(size.QuadPart) <= kMaxWholeFileBytes) {
    file.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[kReadChunkBytes];
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
        break;
      }
      if (got == 0) {
        file.state = FileState::Read;
        break;
      }
      // The size is checked again here because the file may grow while we read it.
      if (file.bytes.size() + got > kMaxWholeFileBytes) {
        break;
      }
      file.bytes.append(buffer, got);
    }
  }
  CloseHandle(handle);
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
  if (path_.empty() || path_.back() == '/' || path_.back() == '\\') {
    return false;
  }
  const std::optional<fs::path> target = ResolveLinks(path_);
  if (!target) {
    return false;
  }
  const DWORD attributes = GetFileAttributesW(target->c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & kNotReplaceable) != 0) {
      return false;
    }
    targetExists_ = true;
    targetMode_ = attributes;
  } else if (GetLastError() == ERROR_FILE_NOT_FOUND) {
    targetExists_ = false;
  } else {
    return false;
  }
  target_ = target->string();
  // Beside the target, so the rename stays within one volume and is atomic.
  const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const fs::path temp = folder / (".vexalon-" + std::to_string(GetCurrentProcessId()) + "-" +
                                    std::to_string(attempt) + ".tmp");
    tempFd_ = _wopen(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                     _S_IREAD | _S_IWRITE);
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
  const bool written = WriteAll(tempFd_, content) && _commit(tempFd_) == 0;
  const bool closed = _close(tempFd_) == 0;
  tempFd_ = -1;
  const fs::path temp(tempPath_);
  // An existing file keeps its attributes (hidden, archive and the like).
  const bool kept = !targetExists_ || SetFileAttributesW(temp.c_str(), targetMode_);
  if (!written || !closed || !kept ||
      !MoveFileExW(temp.c_str(), fs::path(target_).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Discard();
    return false;
  }
  tempPath_.clear();
  return true;
}

void FileReplacement::Discard() {
  if (tempFd_ >= 0) {
    _close(tempFd_);
    tempFd_ = -1;
  }
  if (!tempPath_.empty()) {
    DeleteFileW(fs::path(tempPath_).c_str());
    tempPath_.clear();
  }
}
