#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "files/whole_file_system.h"

namespace {

namespace fs = std::filesystem;

// The C runtime writes at most this much in one call.
constexpr std::size_t kWriteChunkBytes = 64 * 1024;
// Attributes that make a path no plan file to replace: the user marked it read-only, or it
// is a folder or a device.
constexpr DWORD kNotReplaceable =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;

HANDLE Native(file_system::ReadHandle file) {
  return reinterpret_cast<HANDLE>(file);
}

}  // namespace

namespace file_system {

FileState OpenForReading(const std::string& path, ReadHandle& file) {
  // A folder cannot be opened this way, so it ends up Unreadable like any other non-file.
  const HANDLE handle =
      CreateFileW(fs::path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileState::Missing
                                                                          : FileState::Unreadable;
  }
  file = reinterpret_cast<ReadHandle>(handle);
  return FileState::Read;
}

std::optional<std::uint64_t> RegularFileSize(ReadHandle file) {
  LARGE_INTEGER size{};
  // Only a file on disk: a device (COM1, CON) or a pipe could block or never end.
  if (GetFileType(Native(file)) != FILE_TYPE_DISK || !GetFileSizeEx(Native(file), &size)) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(size.QuadPart);
}

long long ReadSome(ReadHandle file, char* buffer, std::size_t size) {
  DWORD got = 0;
  return ReadFile(Native(file), buffer, static_cast<DWORD>(size), &got, nullptr) ? got : -1;
}

void CloseForReading(ReadHandle file) {
  CloseHandle(Native(file));
}

std::optional<ReplacementTarget> CheckTarget(const fs::path& target) {
  ReplacementTarget checked{target.string()};
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & kNotReplaceable) != 0) {
      return std::nullopt;
    }
    checked.exists = true;
    checked.attributes = attributes;
  } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
    return std::nullopt;
  }
  return checked;
}

unsigned long ProcessId() {
  return GetCurrentProcessId();
}

int CreateNew(const fs::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
}

long long WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(size < kWriteChunkBytes ? size : kWriteChunkBytes));
}

bool Persist(int fd, const ReplacementTarget&) {
  return _commit(fd) == 0;
}

bool CloseTemp(int fd) {
  return _close(fd) == 0;
}

bool MoveOver(const fs::path& temp, const ReplacementTarget& target) {
  // An existing file keeps its attributes (hidden, archive and the like).
  return (!target.exists || SetFileAttributesW(temp.c_str(), target.attributes)) &&
         MoveFileExW(temp.c_str(), fs::path(target.path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace file_system
