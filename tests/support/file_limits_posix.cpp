#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "tests/support/file_limits.h"

bool FileSizeLimit::Available() {
  return true;
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  savedLimit_ = limit.rlim_cur;
  // Without this the write past the limit would end the test program.
  savedHandler_ = signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(savedLimit_);
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, savedHandler_);
}

bool FolderPermissionsBind() {
  return geteuid() != 0;
}
