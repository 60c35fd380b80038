#pragma once

// The system calls whole_file.cpp is built from, one implementation per platform
// (whole_file_posix.cpp, whole_file_win32.cpp).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "files/whole_file.h"

namespace file_system {

// A file descriptor or a Windows handle; -1 means none to both.
using ReadHandle = std::intptr_t;

// Read when the file is open for reading; Missing or Unreadable say why not.
FileState OpenForReading(const std::string& path, ReadHandle& file);
// The size of a file on disk; nothing for a folder, device or pipe, which could block or
// never end.
std::optional<std::uint64_t> RegularFileSize(ReadHandle file);
// Bytes read, 0 at the end of the file, -1 on failure.
long long ReadSome(ReadHandle file, char* buffer, std::size_t size);
void CloseForReading(ReadHandle file);

// What the target is now; nothing when it must not be replaced (read-only, a folder or
// a device, or it cannot be asked).
std::optional<ReplacementTarget> CheckTarget(const std::filesystem::path& target);
unsigned long ProcessId();
// A descriptor of a new file that did not exist before, or -1 with errno set.
int CreateNew(const std::filesystem::path& path);
// Bytes written, or -1 on failure.
long long WriteSome(int fd, const char* data, std::size_t size);
// Gives the new content the target's attributes where the platform keeps them on the
// open file, and brings it to the disk.
bool Persist(int fd, const ReplacementTarget& target);
bool CloseTemp(int fd);
// Puts the temporary file in the target's place in one step.
bool MoveOver(const std::filesystem::path& temp, const ReplacementTarget& target);

}  // namespace file_system
