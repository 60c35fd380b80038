#pragma once

// Makes the system refuse this process writes beyond a file size, as a full disk refuses
// a write, for as long as it lives. Only POSIX systems have such a limit: elsewhere
// Available() is false and the limit does nothing.
class FileSizeLimit {
 public:
  static bool Available();

  explicit FileSizeLimit(unsigned long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long long savedLimit_ = 0;
  void (*savedHandler_)(int) = nullptr;
};

// Whether a folder without write permission keeps this process from adding files: not
// for root, and not on Windows, where a folder's read-only mark does not stop new files.
bool FolderPermissionsBind();
