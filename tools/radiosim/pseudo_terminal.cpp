#include "tools/radiosim/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

[[noreturn]] void ThrowSystemError(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

struct SudoUser {
  uid_t uid;
  gid_t gid;
};

// The user who ran us through sudo, while we run as root.
std::optional<SudoUser> InvokingSudoUser() {
  const char* uid = std::getenv("SUDO_UID");
  const char* gid = std::getenv("SUDO_GID");
  if (geteuid() != 0 || uid == nullptr || gid == nullptr) {
    return std::nullopt;
  }
  return SudoUser{static_cast<uid_t>(std::strtoul(uid, nullptr, 10)),
                  static_cast<gid_t>(std::strtoul(gid, nullptr, 10))};
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) {
    ThrowSystemError("posix_openpt");
  }
  char path[128];
  if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
      ptsname_r(master_, path, sizeof path) != 0) {
    const int error = errno;
    close(master_);
    errno = error;
    ThrowSystemError("pseudo-terminal slave");
  }
  slavePath_ = path;
  slave_ = open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios line{};
  if (slave_ < 0 || tcgetattr(slave_, &line) != 0) {
    const int error = errno;
    if (slave_ >= 0) {
      close(slave_);
    }
    close(master_);
    errno = error;
    ThrowSystemError("open " + slavePath_);
  }
  // Raw from the first moment: an echoing slave would send the program's commands
  // straight back to it.
  cfmakeraw(&line);
  cfsetspeed(&line, B9600);
  tcsetattr(slave_, TCSANOW, &line);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
  CloseMaster();
  close(slave_);
}

bool PseudoTerminal::SlaveInputPending() const {
  // Unlike a FIONREAD count, poll first moves what the master wrote into the slave's
  // queue, so bytes still on their way count as pending.
  pollfd entry{slave_, POLLIN, 0};
  return poll(&entry, 1, 0) > 0 && (entry.revents & POLLIN) != 0;
}

void PseudoTerminal::CloseMaster() {
  if (master_ >= 0) {
    close(master_);
    master_ = -1;
  }
}

void PseudoTerminal::GiveToSudoUser() const {
  const auto user = InvokingSudoUser();
  if (user && chown(slavePath_.c_str(), user->uid, user->gid) != 0) {
    ThrowSystemError("chown " + slavePath_);
  }
}

SlaveLink::SlaveLink(std::string path, std::string target)
    : path_(std::move(path)), target_(std::move(target)) {
  struct stat existing {};
  if (lstat(path_.c_str(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode)) {
      errno = EEXIST;
      ThrowSystemError(path_ + " exists and is not a symbolic link");
    }
    unlink(path_.c_str());
  }
  if (symlink(target_.c_str(), path_.c_str()) != 0) {
    ThrowSystemError("symlink " + path_);
  }
  // Only so the user can remove a stale link later; the device's owner is what counts.
  if (const auto user = InvokingSudoUser()) {
    lchown(path_.c_str(), user->uid, user->gid);
  }
}

SlaveLink::~SlaveLink() {
  std::error_code error;
  if (std::filesystem::read_symlink(path_, error) == target_) {
    std::filesystem::remove(path_, error);
  }
}
