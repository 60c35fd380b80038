#include "files/link_target.h"

namespace fs = std::filesystem;

namespace {

// The limit POSIX systems put on symbolic link chains.
constexpr int kMaxLinkHops = 40;

}  // namespace

std::optional<fs::path> ResolveLinks(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) {
      return path;
    }
    const fs::path link = fs::read_symlink(path, error);
    if (error) {
      return std::nullopt;
    }
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return std::nullopt;
}
