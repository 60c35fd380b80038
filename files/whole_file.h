#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A plan file is a few kilobytes; anything far larger is not one, and reading it whole
// could exhaust memory.
inline constexpr std::size_t kMaxWholeFileBytes = 64 * 1024 * 1024;

enum class FileState { Missing, Read, Unreadable };

struct WholeFile {
  FileState state = FileState::Missing;
  std::string bytes;
};

// Nothing but blanks and line breaks: a file that loses nothing when it is replaced.
bool IsBlank(std::string_view bytes);

// Reads a regular file whole. Directories, devices, pipes and files over the limit are
// Unreadable, so a load never blocks or runs out of memory on them.
WholeFile ReadWholeFile(const std::string& path);

// The file a replacement writes: the target once links are followed, and what it has now.
struct ReplacementTarget {
  std::string path;
  bool exists = false;
  unsigned attributes = 0;  // permission bits, or Windows file attributes, to keep
};

// Replaces a file's content in one step, so that a failure at any point leaves the
// earlier file as it was. A symbolic link stays a link and its target gets the new
// content; an existing file keeps its permission bits.
class FileReplacement {
 public:
  explicit FileReplacement(std::string path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Checks that the file may be written (a read-only file is refused even where the
  // system would let us replace it) and opens a temporary file beside it.
  bool Begin();
  // Writes the content to the temporary file and renames it over the target.
  bool Commit(const std::string& content);
  bool Begun() const { return tempFd_ >= 0; }

 private:
  void Discard();

  std::string path_;
  ReplacementTarget target_;
  std::string tempPath_;
  int tempFd_ = -1;
};

enum class NewFile { Written, NameTaken, Failed };
// Writes a file that must not exist yet. The name is claimed first, so two writers never
// share one, and the content arrives in one step, so nobody reads half of it.
NewFile WriteNewFile(const std::string& path, const std::string& content);
