#include "tests/support/file_limits.h"

bool FileSizeLimit::Available() {
  return false;
}

FileSizeLimit::FileSizeLimit(unsigned long) {}

FileSizeLimit::~FileSizeLimit() = default;

bool FolderPermissionsBind() {
  return false;
}
